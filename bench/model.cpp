// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the per-record arithmetic that every redraw of the figures repeats.
#include "foundation/Clock.h"
#include "model/CycleWalker.h"
#include "model/Subscription.h"

#include <benchmark/benchmark.h>

using namespace tabrino;

namespace {

const Calendar& berlin()
{
    static const Calendar calendar(QStringLiteral("Europe/Berlin"));
    return calendar;
}

QDateTime at(int year, int month, int day, int hour = 9)
{
    return berlin().date({year, month, day, hour, 0}).value();
}

std::unique_ptr<Subscription> tenYearOld(const BillingCycle& cycle)
{
    Clock::setSource([] { return at(2015, 1, 31); });
    auto s = std::make_unique<Subscription>(QStringLiteral("Bench"), Decimal(10), QStringLiteral("EUR"), cycle,
                                            at(2015, 2, 1), SubscriptionCategory::Other);
    Clock::setSource({});
    return s;
}

void lifetimeSpend(benchmark::State& state, const BillingCycle& cycle)
{
    auto s = tenYearOld(cycle);
    const QDateTime asOf = at(2025, 1, 31, 12);
    for (auto _ : state)
        benchmark::DoNotOptimize(s->lifetimeSpend(asOf, berlin()));
}

// The plain definition, one calendar step at a time, for comparison.
void singleStepping(benchmark::State& state, const BillingCycle& cycle)
{
    auto s = tenYearOld(cycle);
    const QDateTime asOf = at(2025, 1, 31, 12);
    const CycleWalker walker(cycle, berlin());
    for (auto _ : state) {
        QDateTime cursor = s->billingStartDate();
        qint64 steps = 0;
        for (QDateTime next = walker.step(cursor); next <= asOf && steps < CycleWalker::kStepLimit;
             next = walker.step(cursor)) {
            cursor = next;
            ++steps;
        }
        benchmark::DoNotOptimize(steps);
    }
}

}  // namespace

BENCHMARK_CAPTURE(lifetimeSpend, daily, BillingCycle::custom(1))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(lifetimeSpend, weekly, BillingCycle::weekly())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(lifetimeSpend, monthly, BillingCycle::monthly())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(lifetimeSpend, yearly, BillingCycle::yearly())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleStepping, daily, BillingCycle::custom(1))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleStepping, monthly, BillingCycle::monthly())->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
