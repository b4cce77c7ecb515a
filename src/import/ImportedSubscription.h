// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "import/CurrencySymbols.h"
#include "model/BillingCycle.h"
#include "model/SubscriptionCategory.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace tabrino {

class Subscription;

// One subscription as a file describes it, read but not yet tracked.
struct ImportedSubscription {
    QString name;
    Decimal price;
    ImportedCurrency currency;
    BillingCycle cycle = BillingCycle::monthly();
    QDateTime nextBillingDate;
    bool isActive = true;
    // Absent where the file has no such value: a new subscription takes
    // the default, a tracked one it updates keeps its own.
    std::optional<SubscriptionCategory> category;
    std::optional<bool> isTrial;
    std::optional<QDateTime> trialEndDate;
    std::optional<bool> isShared;
    std::optional<double> sharePercentage;
    std::optional<QString> paymentMethod;
    std::optional<QString> notes;
    std::optional<QString> cancellationUrl;
    std::optional<QDateTime> dateAdded;
    std::optional<QDateTime> startDate;  // when billing began, before it was tracked

    // Writes every value the file gave into `subscription`, the currency as
    // resolved. Archiving and restoring date the change `now`.
    void writeTo(Subscription& subscription, const QDateTime& now) const;
};

}  // namespace tabrino
