// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/FormatterCache.h"
#include "format/MoneyFormatter.h"
#include "format/RelativeDateText.h"
#include "foundation/Calendar.h"
#include "foundation/Clock.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace Qt::StringLiterals;
using namespace tabrino;

namespace {

// 1000 amounts as a list of prices looks: mostly cents, some whole.
std::vector<Decimal> amounts()
{
    std::vector<Decimal> result;
    result.reserve(1000);
    for (int i = 0; i < 1000; ++i)
        result.push_back(Decimal(i * 37 % 5000) / Decimal(i % 4 == 0 ? 1 : 100));
    return result;
}

void compactThousand(benchmark::State& state)
{
    FormatterCache cache(u"en_US"_s);
    const std::vector<Decimal> values = amounts();
    for (auto _ : state) {
        for (const Decimal& value : values)
            benchmark::DoNotOptimize(MoneyFormatter::compact(value, u"USD"_s, cache));
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(compactThousand)->Unit(benchmark::kMicrosecond);

void plainThousand(benchmark::State& state)
{
    FormatterCache cache(u"en_US"_s);
    const std::vector<Decimal> values = amounts();
    for (auto _ : state) {
        for (const Decimal& value : values)
            benchmark::DoNotOptimize(MoneyFormatter::plain(value, u"USD"_s, cache));
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(plainThousand)->Unit(benchmark::kMicrosecond);

// One date text of an upcoming charge; each call builds an ICU date format.
void namedDay(benchmark::State& state)
{
    const QDateTime now = QDateTime::fromString(u"2024-02-26T23:30:00Z"_s, Qt::ISODate);
    Clock::setSource([now] { return now; });
    const Calendar calendar(u"Europe/Berlin"_s);
    const QDateTime date = now.addDays(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(RelativeDateText::namedDay(date, calendar, u"en_US"_s));
    Clock::setSource({});
}
BENCHMARK(namedDay)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
