// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Calendar.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

using tabrino::Calendar;
using tabrino::CalendarUnit;

namespace {

QDateTime start()
{
    return QDateTime(QDate(2025, 1, 31), QTime(8, 0), Qt::UTC);
}

// One cycle step, as charge counting and rolling forward do it in loops.
void addingMonth(benchmark::State& state, const char* zone)
{
    const Calendar calendar(QString::fromLatin1(zone));
    QDateTime cursor = start();
    for (auto _ : state) {
        auto next = calendar.adding(CalendarUnit::Month, 1, cursor);
        benchmark::DoNotOptimize(next);
        cursor = cursor.addSecs(3600);
    }
}
BENCHMARK_CAPTURE(addingMonth, berlin, "Europe/Berlin");
BENCHMARK_CAPTURE(addingMonth, utc, "UTC");

void addingWeek(benchmark::State& state)
{
    const Calendar calendar(QStringLiteral("Europe/Berlin"));
    QDateTime cursor = start();
    for (auto _ : state) {
        auto next = calendar.adding(CalendarUnit::Day, 7, cursor);
        benchmark::DoNotOptimize(next);
        cursor = cursor.addSecs(3600);
    }
}
BENCHMARK(addingWeek);

void startOfDay(benchmark::State& state)
{
    const Calendar calendar(QStringLiteral("Europe/Berlin"));
    const QDateTime instant = start();
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar.startOfDay(instant));
}
BENCHMARK(startOfDay);

void daysBetween(benchmark::State& state)
{
    const Calendar calendar(QStringLiteral("Europe/Berlin"));
    const QDateTime from = start();
    const QDateTime to = from.addDays(40);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar.daysBetween(from, to));
}
BENCHMARK(daysBetween);

void current(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Calendar::current());
}
BENCHMARK(current);

}  // namespace

BENCHMARK_MAIN();
