// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/Prefill.h"

#include "ui/editing/FormRules.h"

namespace tabrino {

Prefill Prefill::fromQuery(const QString& query)
{
    Prefill prefill;
    prefill.name = FormRules::trimmed(query);
    return prefill;
}

Prefill Prefill::fromService(const CatalogService& service, const std::optional<CatalogPlan>& plan)
{
    Prefill prefill;
    prefill.name = service.name;
    prefill.serviceId = service.id;
    if (plan) {
        prefill.price = plan->price;
        prefill.cycle = plan->billingCycle();
    }
    prefill.category = SubscriptionCategory::fromString(service.category).value_or(SubscriptionCategory::Other);
    prefill.brandColorHex = service.brandColor;
    prefill.symbolName = service.symbol;
    prefill.cancellationUrl = service.cancellationUrl;
    return prefill;
}

}  // namespace tabrino
