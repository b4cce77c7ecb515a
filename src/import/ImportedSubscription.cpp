// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportedSubscription.h"

#include "model/Subscription.h"

namespace tabrino {

void ImportedSubscription::writeTo(Subscription& subscription, const QDateTime& now) const
{
    subscription.setName(name);
    subscription.setPrice(price);
    subscription.setCurrencyCode(currency.code);
    subscription.setBillingCycle(cycle);
    subscription.setNextBillingDate(nextBillingDate);
    if (category)
        subscription.setCategoryRaw(category->toString());
    if (isActive != subscription.isActive()) {
        subscription.setIsActive(isActive);
        subscription.setArchivedDate(isActive ? std::nullopt : std::optional(now));
    }
    if (isTrial)
        subscription.setIsTrial(*isTrial);
    if (trialEndDate)
        subscription.setTrialEndDate(trialEndDate);
    if (isShared)
        subscription.setIsShared(*isShared);
    if (sharePercentage)
        subscription.setSharePercentage(sharePercentage);
    if (paymentMethod)
        subscription.setPaymentMethod(paymentMethod);
    if (notes)
        subscription.setNotes(notes);
    if (cancellationUrl)
        subscription.setCancellationUrlString(cancellationUrl);
    if (dateAdded)
        subscription.setDateAdded(*dateAdded);
    if (startDate)
        subscription.setStartDate(startDate);
}

}  // namespace tabrino
