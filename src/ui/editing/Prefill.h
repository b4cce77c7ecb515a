// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogPlan.h"
#include "catalog/CatalogService.h"
#include "foundation/Decimal.h"
#include "model/BillingCycle.h"
#include "model/SubscriptionCategory.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

// The seed of a new record in the subscription form: a typed name, or a
// catalog service with one of its plans. The default seed proposes nothing:
// a blank form.
struct Prefill {
    Q_GADGET
    QML_VALUE_TYPE(prefill)
    Q_PROPERTY(QString name MEMBER name)

public:
    QString name;
    std::optional<QString> serviceId;
    Decimal price;  // 0: no price proposed
    BillingCycle cycle = BillingCycle::monthly();
    SubscriptionCategory category = SubscriptionCategory::Other;
    std::optional<QString> brandColorHex;
    std::optional<QString> symbolName;
    std::optional<QString> cancellationUrl;

    // From the search text of the custom row: the name without surrounding
    // spaces and tabs, nothing else proposed.
    static Prefill fromQuery(const QString& query);
    // From a service and one of its plans; price 0 and monthly without a plan.
    static Prefill fromService(const CatalogService& service, const std::optional<CatalogPlan>& plan);

    friend bool operator==(const Prefill&, const Prefill&) = default;
};

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::Prefill)
