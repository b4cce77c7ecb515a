#include "export/ExportRecord.h"

#include "model/Subscription.h"

#include <cmath>

namespace tabrino {

namespace {

// Toward zero; Decimal itself only rounds half away from zero.
Decimal truncated(const Decimal& value)
{
    Decimal whole = value.rounded(0);
    if (whole.abs() > value.abs())
        whole += value.isNegative() ? Decimal(1) : Decimal(-1);
    return whole;
}

}  // namespace

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
    // Through the share's shortest decimal text, so a stored 0.29 reads 29%
    // and not the 28 that 0.29 * 100 gives in binary floating point.
    return truncated(Decimal::fromDouble(*sharePercentage) * Decimal(100)).toString() + u'%';
}

}  // namespace tabrino
