// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "model/Subscription.h"

#include <QObject>

namespace tabrino {

// What one subscription has cost so far.
struct LifetimeEntry {
    Q_GADGET
    Q_PROPERTY(tabrino::Subscription* subscription MEMBER subscription)
    Q_PROPERTY(tabrino::Decimal total MEMBER total)

public:
    Subscription* subscription = nullptr;
    Decimal total;

    QUuid id() const { return subscription->id(); }
    friend bool operator==(const LifetimeEntry&, const LifetimeEntry&) = default;
};

}  // namespace tabrino
