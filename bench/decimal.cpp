// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Decimal.h"

#include <benchmark/benchmark.h>

#include <vector>

using tabrino::Decimal;

namespace {

Decimal dec(const char* text)
{
    return Decimal::fromString(text).value_or(Decimal());
}

// Prices as typed, and the monthly equivalents they turn into (38 digits).
std::vector<Decimal> prices()
{
    return {dec("9.99"), dec("15.49"), dec("120"), dec("4.5"), dec("29.99"), dec("0.99"), dec("11.99"), dec("99")};
}

std::vector<Decimal> monthlyFactors()
{
    const Decimal days = dec("30.4375");
    return {days / Decimal(7),  Decimal(1),         days / (Decimal(3) * days), days / (Decimal(12) * days),
            days / Decimal(10), days / Decimal(14), days / Decimal(30),         days / Decimal(45)};
}

void BM_AddPrices(benchmark::State& state)
{
    const auto values = prices();
    for (auto _ : state) {
        Decimal sum;
        for (const Decimal& v : values)
            sum += v;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_AddPrices);

void BM_AddMonthlyCosts(benchmark::State& state)
{
    const auto p = prices();
    const auto f = monthlyFactors();
    std::vector<Decimal> costs;
    for (std::size_t i = 0; i < p.size(); ++i)
        costs.push_back(p[i] * f[i]);
    for (auto _ : state) {
        Decimal sum;
        for (const Decimal& v : costs)
            sum += v;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(costs.size()));
}
BENCHMARK(BM_AddMonthlyCosts);

void BM_MultiplyPrices(benchmark::State& state)
{
    const auto p = prices();
    const Decimal share = dec("0.5");
    for (auto _ : state) {
        for (const Decimal& v : p)
            benchmark::DoNotOptimize(v * share);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(p.size()));
}
BENCHMARK(BM_MultiplyPrices);

void BM_MultiplyByFactor(benchmark::State& state)
{
    const auto p = prices();
    const auto f = monthlyFactors();
    for (auto _ : state) {
        for (std::size_t i = 0; i < p.size(); ++i)
            benchmark::DoNotOptimize(p[i] * f[i]);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(p.size()));
}
BENCHMARK(BM_MultiplyByFactor);

void BM_DivideMonthlyFactor(benchmark::State& state)
{
    const Decimal days = dec("30.4375");
    const std::vector<Decimal> divisors = {Decimal(7), days, Decimal(3) * days, Decimal(12) * days, Decimal(45)};
    for (auto _ : state) {
        for (const Decimal& d : divisors)
            benchmark::DoNotOptimize(days / d);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(divisors.size()));
}
BENCHMARK(BM_DivideMonthlyFactor);

void BM_DivideWide(benchmark::State& state)
{
    // 38-digit operands: the two-limb divisor path (an average of such costs).
    const auto f = monthlyFactors();
    const Decimal total = dec("43.482142857142857142857142857142857143");
    for (auto _ : state) {
        for (const Decimal& d : f)
            benchmark::DoNotOptimize(total / d);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(f.size()));
}
BENCHMARK(BM_DivideWide);

void BM_ToString(benchmark::State& state)
{
    const std::vector<Decimal> values = {dec("15.49"), dec("99"), dec("0.005"), dec("-1234.5"),
                                         dec("43.482142857142857142857142857142857143")};
    for (auto _ : state) {
        for (const Decimal& v : values)
            benchmark::DoNotOptimize(v.toString());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_ToString);

void BM_FromString(benchmark::State& state)
{
    const char* texts[] = {"15.49", "9.99", "120", "30.4375", "-0.5E-2"};
    for (auto _ : state) {
        for (const char* t : texts)
            benchmark::DoNotOptimize(Decimal::fromString(t));
    }
    state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_FromString);

// The figure the panel computes most: sum of price x share x factor over 200
// subscriptions.
void BM_MonthlyTotal200(benchmark::State& state)
{
    const auto p = prices();
    const auto f = monthlyFactors();
    const Decimal half = dec("0.5");
    for (auto _ : state) {
        Decimal total;
        for (std::size_t i = 0; i < 200; ++i) {
            const Decimal share = (i % 3 == 0) ? half : Decimal(1);
            total += (p[i % p.size()] * share) * f[(i / 3) % f.size()];
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_MonthlyTotal200);

}  // namespace

BENCHMARK_MAIN();
