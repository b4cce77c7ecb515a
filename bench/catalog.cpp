// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/BundledServiceCatalog.h"
#include "catalog/CachedServiceCatalog.h"
#include "catalog/ServiceCatalog.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <memory>

using namespace Qt::StringLiterals;
using namespace tabrino;

namespace {

// What a user types, one keystroke at a time, into the add screen's field.
const QStringList& keystrokes()
{
    static const QStringList queries = {
        u"n"_s,    u"ne"_s,    u"net"_s, u"netf"_s, u"s"_s,        u"sp"_s,        u"spo"_s,
        u"spot"_s, u"a"_s,     u"ad"_s,  u"ado"_s,  u"adobe"_s,    u"adobe c"_s,   u"m"_s,
        u"ma"_s,   u"max"_s,   u"p"_s,   u"pr"_s,   u"prime"_s,    u"prime vid"_s, u"yt"_s,
        u"icl"_s,  u"cloud"_s, u"gpt"_s, u"xyz"_s,  u"duolingo"_s, u"nyt"_s,       u"apple one"_s,
    };
    return queries;
}

class FixedProvider final : public ServiceCatalogProviding {
public:
    explicit FixedProvider(QList<CatalogService> services) : m_services(std::move(services)) {}
    CatalogLoadResult loadServices() const override { return CatalogLoadResult::success(m_services); }

private:
    QList<CatalogService> m_services;
};

QList<CatalogService> shippedServices()
{
    return BundledServiceCatalog(u"Services"_s).loadServices().services;
}

// The shipped catalog ten times over, each copy with its own ids and a
// distinguishing word in names and aliases.
QList<CatalogService> tenfoldServices()
{
    static const QStringList words = {u""_s,      u" Plus"_s, u" Pro"_s, u" Family"_s, u" Go"_s,
                                      u" Lite"_s, u" One"_s,  u" Max"_s, u" Duo"_s,    u" Studio"_s};
    const QList<CatalogService> shipped = shippedServices();
    QList<CatalogService> services;
    for (const QString& word : words) {
        for (CatalogService service : shipped) {
            service.id += word.toLower().replace(u' ', u'-');
            service.name += word;
            if (service.aliases) {
                for (QString& alias : *service.aliases)
                    alias += word;
            }
            services.append(std::move(service));
        }
    }
    return services;
}

void searchKeystrokes(benchmark::State& state, const ServiceCatalog& catalog)
{
    const QStringList& queries = keystrokes();
    qsizetype next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalog.search(queries[next], 8));
        next = (next + 1) % queries.size();
    }
    state.counters[u"services"_s.toStdString()] = double(catalog.services().size());
}

void searchShippedCatalog(benchmark::State& state)
{
    const ServiceCatalog catalog(std::make_shared<BundledServiceCatalog>(u"Services"_s));
    searchKeystrokes(state, catalog);
}
BENCHMARK(searchShippedCatalog)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void searchTenfoldCatalog(benchmark::State& state)
{
    const ServiceCatalog catalog(std::make_shared<FixedProvider>(tenfoldServices()));
    searchKeystrokes(state, catalog);
}
BENCHMARK(searchTenfoldCatalog)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// Start-up without a downloaded catalog: the cache is absent, the shipped
// resource is read, decoded, sorted and prepared for search.
void loadAtStart(benchmark::State& state)
{
    const auto provider = std::make_shared<CachedServiceCatalog>(
        u"/nonexistent/Tabrino/catalog.json"_s, std::make_shared<BundledServiceCatalog>(u"Services"_s));
    for (auto _ : state) {
        ServiceCatalog catalog(provider);
        benchmark::DoNotOptimize(catalog.services().size());
    }
}
BENCHMARK(loadAtStart)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void loadTenfold(benchmark::State& state)
{
    const auto provider = std::make_shared<FixedProvider>(tenfoldServices());
    for (auto _ : state) {
        ServiceCatalog catalog(provider);
        benchmark::DoNotOptimize(catalog.services().size());
    }
}
BENCHMARK(loadTenfold)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
