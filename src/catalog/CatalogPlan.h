// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "model/BillingCycle.h"

#include <QHashFunctions>
#include <QMetaType>
#include <QObject>
#include <QString>

namespace tabrino {

// One typical price plan of a catalog service, as the catalog document states
// it. The cycle stays raw text, as written in the document. A gadget, so the
// screens hold it as a typed value.
struct CatalogPlan {
    Q_GADGET
    Q_PROPERTY(QString name MEMBER name)

public:
    QString name;
    Decimal price;
    QString cycle;

    // Identity in lists: "Standard-15.49-monthly".
    QString id() const;

    // The cycle text read as a billing cycle; "custom" is one day.
    BillingCycle billingCycle() const;
    // The price per average month, by the cycle's monthly factor.
    Decimal monthlyEquivalent() const;

    friend bool operator==(const CatalogPlan&, const CatalogPlan&) = default;
};

size_t qHash(const CatalogPlan& plan, size_t seed = 0);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::CatalogPlan)
