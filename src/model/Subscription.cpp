// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Subscription.h"

#include "foundation/Clock.h"
#include "foundation/OptionalVariant.h"
#include "model/CycleWalker.h"

#include <algorithm>

namespace tabrino {

namespace {

std::optional<QDateTime> inUtc(const std::optional<QDateTime>& value)
{
    return value ? std::optional(value->toUTC()) : std::nullopt;
}

}  // namespace

Subscription::Subscription(const QString& name, const Decimal& price, const QString& currencyCode,
                           const BillingCycle& billingCycle, const QDateTime& nextBillingDate,
                           SubscriptionCategory category, const std::optional<QString>& serviceId, QObject* parent)
    : PersistentRecord(parent)
    , m_id(QUuid::createUuid())
    , m_name(name)
    , m_serviceId(serviceId)
    , m_price(price)
    , m_currencyCode(currencyCode)
    , m_billingCycleRaw(billingCycle.toString())
    , m_customCycleDays(billingCycle.customDays())
    , m_nextBillingDate(nextBillingDate.toUTC())
    , m_categoryRaw(category.toString())
    , m_dateAdded(Clock::now())
{
}

Subscription::Subscription(const QUuid& id, QObject* parent)
    : PersistentRecord(parent)
    , m_id(id)
    , m_nextBillingDate(Clock::now())
    , m_dateAdded(m_nextBillingDate)
{
}

void Subscription::setName(const QString& value)
{
    assign(this, m_name, value, &Subscription::nameChanged);
}
void Subscription::setServiceId(const std::optional<QString>& value)
{
    assign(this, m_serviceId, value, &Subscription::serviceIdChanged);
}
void Subscription::setPrice(const Decimal& value)
{
    assign(this, m_price, value, &Subscription::priceChanged);
}
void Subscription::setCurrencyCode(const QString& value)
{
    assign(this, m_currencyCode, value, &Subscription::currencyCodeChanged);
}
void Subscription::setBillingCycleRaw(const QString& value)
{
    assign(this, m_billingCycleRaw, value, &Subscription::billingCycleRawChanged);
}
void Subscription::setCustomCycleDays(qint64 value)
{
    assign(this, m_customCycleDays, value, &Subscription::customCycleDaysChanged);
}
void Subscription::setNextBillingDate(const QDateTime& value)
{
    assign(this, m_nextBillingDate, value.toUTC(), &Subscription::nextBillingDateChanged);
}
void Subscription::setCategoryRaw(const QString& value)
{
    assign(this, m_categoryRaw, value, &Subscription::categoryRawChanged);
}
void Subscription::setIsTrial(bool value)
{
    assign(this, m_isTrial, value, &Subscription::isTrialChanged);
}
void Subscription::setTrialEndDate(const std::optional<QDateTime>& value)
{
    assign(this, m_trialEndDate, inUtc(value), &Subscription::trialEndDateChanged);
}
void Subscription::setIsShared(bool value)
{
    assign(this, m_isShared, value, &Subscription::isSharedChanged);
}
void Subscription::setSharePercentage(const std::optional<double>& value)
{
    assign(this, m_sharePercentage, value, &Subscription::sharePercentageChanged);
}
void Subscription::setNotes(const std::optional<QString>& value)
{
    assign(this, m_notes, value, &Subscription::notesChanged);
}
void Subscription::setPaymentMethod(const std::optional<QString>& value)
{
    assign(this, m_paymentMethod, value, &Subscription::paymentMethodChanged);
}
void Subscription::setBrandColorHex(const std::optional<QString>& value)
{
    assign(this, m_brandColorHex, value, &Subscription::brandColorHexChanged);
}
void Subscription::setSymbolName(const std::optional<QString>& value)
{
    assign(this, m_symbolName, value, &Subscription::symbolNameChanged);
}
void Subscription::setCancellationUrlString(const std::optional<QString>& value)
{
    assign(this, m_cancellationUrlString, value, &Subscription::cancellationUrlStringChanged);
}
void Subscription::setDateAdded(const QDateTime& value)
{
    assign(this, m_dateAdded, value.toUTC(), &Subscription::dateAddedChanged);
}
void Subscription::setStartDate(const std::optional<QDateTime>& value)
{
    assign(this, m_startDate, inUtc(value), &Subscription::startDateChanged);
}
void Subscription::setIsActive(bool value)
{
    assign(this, m_isActive, value, &Subscription::isActiveChanged);
}
void Subscription::setArchivedDate(const std::optional<QDateTime>& value)
{
    assign(this, m_archivedDate, inUtc(value), &Subscription::archivedDateChanged);
}
void Subscription::setNotificationsEnabled(bool value)
{
    assign(this, m_notificationsEnabled, value, &Subscription::notificationsEnabledChanged);
}
void Subscription::setNotificationLeadDays(const std::optional<int>& value)
{
    assign(this, m_notificationLeadDays, value, &Subscription::notificationLeadDaysChanged);
}

QVariant Subscription::serviceIdValue() const
{
    return optionalToVariant(m_serviceId);
}
void Subscription::setServiceIdValue(const QVariant& value)
{
    setServiceId(variantToOptional<QString>(value));
}
QVariant Subscription::trialEndDateValue() const
{
    return optionalToVariant(m_trialEndDate);
}
void Subscription::setTrialEndDateValue(const QVariant& value)
{
    setTrialEndDate(variantToOptional<QDateTime>(value));
}
QVariant Subscription::sharePercentageValue() const
{
    return optionalToVariant(m_sharePercentage);
}
void Subscription::setSharePercentageValue(const QVariant& value)
{
    setSharePercentage(variantToOptional<double>(value));
}
QVariant Subscription::notesValue() const
{
    return optionalToVariant(m_notes);
}
void Subscription::setNotesValue(const QVariant& value)
{
    setNotes(variantToOptional<QString>(value));
}
QVariant Subscription::paymentMethodValue() const
{
    return optionalToVariant(m_paymentMethod);
}
void Subscription::setPaymentMethodValue(const QVariant& value)
{
    setPaymentMethod(variantToOptional<QString>(value));
}
QVariant Subscription::brandColorHexValue() const
{
    return optionalToVariant(m_brandColorHex);
}
void Subscription::setBrandColorHexValue(const QVariant& value)
{
    setBrandColorHex(variantToOptional<QString>(value));
}
QVariant Subscription::symbolNameValue() const
{
    return optionalToVariant(m_symbolName);
}
void Subscription::setSymbolNameValue(const QVariant& value)
{
    setSymbolName(variantToOptional<QString>(value));
}
QVariant Subscription::cancellationUrlStringValue() const
{
    return optionalToVariant(m_cancellationUrlString);
}
void Subscription::setCancellationUrlStringValue(const QVariant& value)
{
    setCancellationUrlString(variantToOptional<QString>(value));
}
QVariant Subscription::startDateValue() const
{
    return optionalToVariant(m_startDate);
}
void Subscription::setStartDateValue(const QVariant& value)
{
    setStartDate(variantToOptional<QDateTime>(value));
}
QVariant Subscription::archivedDateValue() const
{
    return optionalToVariant(m_archivedDate);
}
void Subscription::setArchivedDateValue(const QVariant& value)
{
    setArchivedDate(variantToOptional<QDateTime>(value));
}
QVariant Subscription::notificationLeadDaysValue() const
{
    return optionalToVariant(m_notificationLeadDays);
}
void Subscription::setNotificationLeadDaysValue(const QVariant& value)
{
    setNotificationLeadDays(variantToOptional<int>(value));
}

BillingCycle Subscription::billingCycle() const
{
    return BillingCycle::fromStored(m_billingCycleRaw, m_customCycleDays);
}

void Subscription::setBillingCycle(const BillingCycle& cycle)
{
    setBillingCycleRaw(cycle.toString());
    setCustomCycleDays(cycle.customDays());
}

SubscriptionCategory Subscription::category() const
{
    return SubscriptionCategory::fromString(m_categoryRaw).value_or(SubscriptionCategory::Other);
}

std::optional<QUrl> Subscription::cancellationUrl() const
{
    if (!m_cancellationUrlString || m_cancellationUrlString->isEmpty())
        return std::nullopt;
    const QUrl url(*m_cancellationUrlString, QUrl::StrictMode);
    return url.isValid() ? std::optional(url) : std::nullopt;
}

Decimal Subscription::effectiveShare() const
{
    if (!m_isShared || !m_sharePercentage)
        return Decimal(1);
    return Decimal::fromDouble(std::clamp(*m_sharePercentage, 0.0, 1.0));
}

Decimal Subscription::monthlyCost() const
{
    return (m_price * effectiveShare()) * billingCycle().monthlyFactor();
}

QDateTime Subscription::billingStartDate() const
{
    return m_startDate.value_or(m_dateAdded);
}

qint64 Subscription::chargesElapsed(const QDateTime& asOf, const Calendar& calendar) const
{
    const QDateTime start = billingStartDate();
    if (!(start < asOf))
        return 0;
    return CycleWalker(billingCycle(), calendar).walk(start, asOf, /*inclusive=*/true).steps;
}

Decimal Subscription::lifetimeSpend(const QDateTime& asOf, const Calendar& calendar) const
{
    const QDateTime end = (m_archivedDate && *m_archivedDate < asOf) ? *m_archivedDate : asOf;
    if (billingStartDate() > end)
        return Decimal(0);
    const qint64 charges = chargesElapsed(end, calendar) + 1;
    return (m_price * effectiveShare()) * Decimal(static_cast<long long>(charges));
}

int Subscription::daysUntilRenewal(const QDateTime& from, const Calendar& calendar) const
{
    return calendar.daysBetween(from, m_nextBillingDate);
}

std::optional<int> Subscription::daysUntilTrialEnd(const QDateTime& from, const Calendar& calendar) const
{
    if (!m_isTrial || !m_trialEndDate)
        return std::nullopt;
    return calendar.daysBetween(from, *m_trialEndDate);
}

QDateTime Subscription::effectiveNextDate() const
{
    return (m_isTrial && m_trialEndDate) ? *m_trialEndDate : m_nextBillingDate;
}

int Subscription::leadDaysForNotification() const
{
    // Only a damaged row holds a negative lead; like 0 it means no renewal
    // reminder, and it keeps a snooze's subtraction from overflowing.
    if (m_notificationLeadDays)
        return std::max(*m_notificationLeadDays, 0);
    return billingCycle().defaultLeadDays();
}

bool Subscription::rollForwardIfNeeded(const QDateTime& asOf, const Calendar& calendar)
{
    if (!m_isActive)
        return false;
    const QDateTime today = calendar.startOfDay(asOf);
    if (!(calendar.startOfDay(m_nextBillingDate) < today))
        return false;
    // Dates before today are passed over; the first one on or after today
    // is taken (a date on a later day than its predecessor is never skipped).
    const CycleWalker::Walk walk =
        CycleWalker(billingCycle(), calendar).walk(m_nextBillingDate, today, /*inclusive=*/false);
    setNextBillingDate(walk.stop == CycleWalker::Stop::Bound ? walk.next : walk.cursor);
    return true;
}

Subscription::Urgency Subscription::urgency(const QDateTime& from) const
{
    return urgency(from, Calendar::current());
}

Subscription::Urgency Subscription::urgency(const QDateTime& from, const Calendar& calendar) const
{
    const int days = daysUntilTrialEnd(from, calendar).value_or(daysUntilRenewal(from, calendar));
    if (days < 3)
        return Urgency::Urgent;
    return days <= 7 ? Urgency::Soon : Urgency::Calm;
}

}  // namespace tabrino
