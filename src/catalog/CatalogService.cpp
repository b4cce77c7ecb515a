// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/CatalogService.h"

namespace tabrino {

std::optional<CatalogPlan> CatalogService::defaultPlan() const
{
    std::optional<CatalogPlan> best;
    Decimal bestCost;
    for (const CatalogPlan& plan : plans) {
        const Decimal cost = plan.monthlyEquivalent();
        if (!best || cost < bestCost) {
            best = plan;
            bestCost = cost;
        }
    }
    return best;
}

size_t qHash(const CatalogService& service, size_t seed)
{
    seed = qHashMulti(seed, service.id, service.name, service.category, service.brandColor, service.symbol);
    seed = qHashMulti(seed, service.cancellationUrl.has_value(), service.cancellationUrl.value_or(QString()));
    seed = qHashMulti(seed, service.aliases.has_value(), service.aliases.value_or(QStringList()));
    return qHashRange(service.plans.cbegin(), service.plans.cend(), seed);
}

}  // namespace tabrino
