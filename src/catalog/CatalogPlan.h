#pragma once

#include "foundation/Decimal.h"

#include <QHashFunctions>
#include <QMetaType>
#include <QString>

namespace tabrino {

// One typical price plan of a catalog service, as the catalog document states
// it. The cycle stays raw text; the model maps it to its billing cycle.
struct CatalogPlan {
    QString name;
    Decimal price;
    QString cycle;

    // Identity in lists: "Standard-15.49-monthly".
    QString id() const;

    // The price per average month: price * (30.4375 / days of one cycle),
    // where "weekly" lasts 7 days, "quarterly" three average months, "yearly"
    // twelve, "custom" one day (the catalog carries no day count) and any
    // other text, "monthly" included, one average month.
    Decimal monthlyEquivalent() const;

    friend bool operator==(const CatalogPlan&, const CatalogPlan&) = default;
};

size_t qHash(const CatalogPlan& plan, size_t seed = 0);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::CatalogPlan)
