// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the largest file an import takes, ten thousand rows, from bytes to
// rows ready for the preview, and matching them against a tracked list.
#include "export/ExportService.h"
#include "import/ImportDocument.h"
#include "import/ImportLimits.h"
#include "import/ImportMatching.h"
#include "model/Subscription.h"
#include "ui/importing/ImportPreview.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace tabrino;

namespace {

constexpr int kRows = ImportLimits::kMaxRows;

ReadingContext context()
{
    ReadingContext result(Calendar(u"Europe/Berlin"_s));
    result.userCurrency = u"EUR"_s;
    result.now = QDateTime(QDate(2025, 3, 10), QTime(12, 0), Qt::UTC);
    return result;
}

// Subscriptions as the program holds them, `count` of them.
std::vector<std::unique_ptr<Subscription>> subscriptions(int count)
{
    const BillingCycle cycles[] = {BillingCycle::monthly(), BillingCycle::yearly(), BillingCycle::custom(45)};
    std::vector<std::unique_ptr<Subscription>> made;
    for (int i = 0; i < count; ++i) {
        made.push_back(std::make_unique<Subscription>(
            u"Service "_s + QString::number(i), Decimal(499 + i % 9000) / Decimal(100), u"EUR"_s, cycles[i % 3],
            QDateTime(QDate(2025, 4, 1).addDays(i % 365), QTime(9, 0), Qt::UTC), SubscriptionCategory::Streaming));
        made.back()->setNotes(u"Family plan, \"shared\"\nwith Sam"_s);
    }
    return made;
}

QByteArray tabrinoExport()
{
    const auto made = subscriptions(kRows);
    QList<Subscription*> list;
    for (const auto& subscription : made)
        list << subscription.get();
    return ExportService::json(list);
}

QByteArray spreadsheet()
{
    QByteArray csv = "Service;Monthly cost;Currency;Billing period;Next renewal;Category;Notes\r\n";
    for (int i = 0; i < kRows; ++i)
        csv += "Service " + QByteArray::number(i) + ";" + QByteArray::number(4 + i % 90) + ",99;€;every "
            + QByteArray::number(1 + i % 3) + " months;" + QByteArray::number(1 + i % 28) + ".04.2025;Streaming;\r\n";
    return csv;
}

void readTabrinoJson(benchmark::State& state)
{
    const QByteArray bytes = tabrinoExport();
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportDocument::fromBytes(bytes).read(context()));
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(readTabrinoJson)->Unit(benchmark::kMillisecond);

void readSpreadsheet(benchmark::State& state)
{
    const QByteArray bytes = spreadsheet();
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportDocument::fromBytes(bytes).read(context()));
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(readSpreadsheet)->Unit(benchmark::kMillisecond);

void matchAgainstTracked(benchmark::State& state)
{
    const ImportReading reading = ImportDocument::fromBytes(tabrinoExport()).read(context());
    const auto tracked = subscriptions(200);
    QList<Subscription*> list;
    for (const auto& subscription : tracked)
        list << subscription.get();
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportMatching::match(reading.rows, list));
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(matchAgainstTracked)->Unit(benchmark::kMillisecond);

// The preview's rows, texts and all, for a file read afresh and again for
// an answer that changes no row's place.
void previewSpreadsheet(benchmark::State& state)
{
    const QByteArray bytes = spreadsheet();
    for (auto _ : state) {
        ImportPreview preview;
        preview.load(bytes, context());
        preview.setUpdatesTracked(true);
        preview.load(bytes, context());
        benchmark::DoNotOptimize(preview.rows()->rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows * 2);
}
BENCHMARK(previewSpreadsheet)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
