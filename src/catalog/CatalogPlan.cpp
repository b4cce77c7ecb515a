// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/CatalogPlan.h"

using namespace Qt::StringLiterals;

namespace tabrino {

QString CatalogPlan::id() const
{
    return name + u'-' + price.toString() + u'-' + cycle;
}

BillingCycle CatalogPlan::billingCycle() const
{
    // The catalog carries no day count: "custom" reads as one day.
    return BillingCycle::fromStored(cycle, 0);
}

Decimal CatalogPlan::monthlyEquivalent() const
{
    return price * billingCycle().monthlyFactor();
}

size_t qHash(const CatalogPlan& plan, size_t seed)
{
    // The plain text of a decimal is the same for numerically equal values,
    // which keeps the hash consistent with ==.
    return qHashMulti(seed, plan.name, plan.price.toString(), plan.cycle);
}

}  // namespace tabrino
