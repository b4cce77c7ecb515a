// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Subscription.h"

#include <QDateTime>
#include <QObject>

namespace tabrino {

// One subscription's next charge inside the coming week.
struct UpcomingCharge {
    Q_GADGET
    Q_PROPERTY(tabrino::Subscription* subscription MEMBER subscription)
    Q_PROPERTY(QDateTime date MEMBER date)
    Q_PROPERTY(QUuid id READ id)

public:
    Subscription* subscription = nullptr;
    QDateTime date;

    QUuid id() const { return subscription->id(); }
    friend bool operator==(const UpcomingCharge&, const UpcomingCharge&) = default;
};

}  // namespace tabrino
