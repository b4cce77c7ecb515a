// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "model/SubscriptionCategory.h"

#include <QObject>

namespace tabrino {

// The monthly spend of one category.
struct CategorySlice {
    Q_GADGET
    Q_PROPERTY(QString id READ id)
    Q_PROPERTY(QString displayName READ displayName)
    Q_PROPERTY(QString symbolName READ symbolName)
    Q_PROPERTY(tabrino::Decimal total MEMBER total)

public:
    SubscriptionCategory category = SubscriptionCategory::Other;
    Decimal total;

    QString id() const { return category.toString(); }
    QString displayName() const { return category.displayName(); }
    QString symbolName() const { return category.symbolName(); }
    friend bool operator==(const CategorySlice&, const CategorySlice&) = default;
};

}  // namespace tabrino
