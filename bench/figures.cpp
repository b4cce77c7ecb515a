// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every figure the panel and the insights read on one redraw, for 200
// subscriptions that have been billed for ten years.
#include "TenYearStore.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace tabrino;

namespace {

using Fixture = bench::TenYearStore;

void everyFigure(benchmark::State& state)
{
    Fixture fixture;
    const SubscriptionStore& store = *fixture.store;
    for (auto _ : state) {
        const Calendar calendar = store.currentCalendar();
        benchmark::DoNotOptimize(store.monthlyTotal());
        benchmark::DoNotOptimize(store.monthOverMonthDelta());
        benchmark::DoNotOptimize(store.hasImminentRenewal());
        benchmark::DoNotOptimize(store.upcoming());
        benchmark::DoNotOptimize(store.chargesNextSevenDays(Clock::now(), calendar));
        benchmark::DoNotOptimize(store.spendByCategory());
        benchmark::DoNotOptimize(store.twelveMonthHistory(calendar));
        benchmark::DoNotOptimize(store.lifetimeSpend());
        benchmark::DoNotOptimize(store.mostExpensive());
        benchmark::DoNotOptimize(store.averageMonthlyCost());
    }
}

void lifetimeList(benchmark::State& state)
{
    Fixture fixture;
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture.store->lifetimeSpend());
}

}  // namespace

BENCHMARK(everyFigure)->Unit(benchmark::kMillisecond);
BENCHMARK(lifetimeList)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
