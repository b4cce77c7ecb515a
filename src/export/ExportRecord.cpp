// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ExportRecord.h"

#include "model/SharePercent.h"
#include "model/Subscription.h"

#include <cmath>

namespace tabrino {

ExportRecord ExportRecord::from(const Subscription& subscription)
{
    ExportRecord record;
    record.name = subscription.name();
    record.price = subscription.price().toString();
    record.currency = subscription.currencyCode();
    record.billingCycle = subscription.billingCycle().displayName();
    record.monthlyCost = subscription.monthlyCost().rounded(2).toString();
    record.nextBillingDate = subscription.nextBillingDate();
    record.category = subscription.category().displayName();
    record.isTrial = subscription.isTrial();
    record.trialEndDate = subscription.trialEndDate();
    record.isShared = subscription.isShared();
    if (const std::optional<double> share = subscription.sharePercentage(); share && std::isfinite(*share))
        record.sharePercentage = share;
    record.paymentMethod = subscription.paymentMethod();
    record.notes = subscription.notes();
    record.isActive = subscription.isActive();
    record.dateAdded = subscription.dateAdded();
    return record;
}

QString ExportRecord::sharePercentText() const
{
    if (!sharePercentage)
        return {};
    return wholeSharePercent(*sharePercentage).toString() + u'%';
}

}  // namespace tabrino
