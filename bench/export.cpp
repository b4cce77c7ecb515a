// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ExportService.h"
#include "model/Subscription.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace tabrino;

namespace {

constexpr int kCount = 10000;

// 10 000 subscriptions of the mixed kinds a real list has: some shared, some
// on trial, some with notes that need quoting and escaping, the last tenth
// archived.
struct Library {
    Library()
    {
        const QDateTime base(QDate(2025, 1, 1), QTime(9, 0), Qt::UTC);
        const BillingCycle cycles[] = {BillingCycle::monthly(), BillingCycle::yearly(), BillingCycle::weekly(),
                                       BillingCycle::quarterly(), BillingCycle::custom(45)};
        owned.reserve(kCount);
        for (int i = 0; i < kCount; ++i) {
            const Decimal price = Decimal(499 + i % 9000) / Decimal(100);
            auto s = std::make_unique<Subscription>(u"Service "_s + QString::number(i), price, u"USD"_s, cycles[i % 5],
                                                    base.addDays(i % 365),
                                                    SubscriptionCategory::values()[std::size_t(i % 10)]);
            s->setDateAdded(base.addDays(-(i % 1000)));
            if (i % 3 == 0) {
                s->setIsShared(true);
                s->setSharePercentage(0.25 + (i % 4) * 0.125);
            }
            if (i % 7 == 0) {
                s->setIsTrial(true);
                s->setTrialEndDate(base.addDays(14));
            }
            if (i % 2 == 0)
                s->setNotes(u"Family plan, see https://example.com/account\n\"shared\" with Sam"_s);
            if (i % 5 == 0)
                s->setPaymentMethod(u"Visa •••• 4242"_s);
            if (i >= kCount - kCount / 10) {
                s->setIsActive(false);
                s->setArchivedDate(base);
            }
            list.append(s.get());
            owned.push_back(std::move(s));
        }
    }

    std::vector<std::unique_ptr<Subscription>> owned;
    QList<Subscription*> list;
};

const Library& library()
{
    static const Library instance;
    return instance;
}

void csvTenThousand(benchmark::State& state)
{
    const QList<Subscription*>& list = library().list;
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportService::build(list, ExportService::Format::Csv));
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(csvTenThousand)->Unit(benchmark::kMillisecond);

void jsonTenThousand(benchmark::State& state)
{
    const QList<Subscription*>& list = library().list;
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportService::build(list, ExportService::Format::Json));
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(jsonTenThousand)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
