// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/SubscriptionFormModel.h"

#include "format/FormatterCache.h"
#include "format/MoneyFormatter.h"
#include "foundation/Clock.h"
#include "settings/AppSettings.h"
#include "ui/editing/EditingChoices.h"
#include "ui/editing/FormRules.h"
#include "ui/editing/NewSubscription.h"

#include <QVariantMap>

#include <unicode/formattedvalue.h>
#include <unicode/numberformatter.h>

#include <algorithm>
#include <optional>

namespace tabrino {

namespace {

std::optional<QString> absentIfEmpty(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

}  // namespace

SubscriptionFormModel::SubscriptionFormModel(QObject* parent) : QObject(parent)
{
}

void SubscriptionFormModel::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    m_store = store;
    Q_EMIT inputsChanged();
}

void SubscriptionFormModel::setSubscription(Subscription* subscription)
{
    if (m_subscription == subscription)
        return;
    m_subscription = subscription;
    Q_EMIT inputsChanged();
}

void SubscriptionFormModel::setPrefill(const Prefill& prefill)
{
    m_prefill = prefill;
    Q_EMIT inputsChanged();
}

QString SubscriptionFormModel::saveButtonText() const
{
    if (isEditMode()) {
        //: The form's button that saves an edited subscription
        return tr("Save");
    }
    //: The form's button that adds the new subscription
    return tr("Add");
}

Calendar SubscriptionFormModel::calendar() const
{
    return m_store ? m_store->currentCalendar() : Calendar::current();
}

void SubscriptionFormModel::start()
{
    const QDateTime now = Clock::now();
    m_editsRecord = m_subscription != nullptr;
    if (const Subscription* s = m_subscription) {
        m_name = s->name();
        m_priceText = s->price().toString();
        m_currencyCode = s->currencyCode();
        m_cycle = s->billingCycle();
        m_customDaysText = QString::number(std::max<qint64>(s->customCycleDays(), 1));
        m_nextBillingDate = s->nextBillingDate();
        m_category = s->category();
        m_isTrial = s->isTrial();
        m_trialEndDate = s->trialEndDate().value_or(s->nextBillingDate());
        m_isShared = s->isShared();
        m_sharePercent = s->sharePercentage() ? FormRules::percentFromShare(*s->sharePercentage()) : 50;
        m_paymentMethod = s->paymentMethod().value_or(QString());
        m_notes = s->notes().value_or(QString());
        m_leadDaysChoice = s->notificationLeadDays().value_or(-1);
    } else {
        m_name = m_prefill.name;
        m_priceText = m_prefill.price > Decimal(0) ? m_prefill.price.toString() : QString();
        m_currencyCode = m_store ? m_store->settings().defaultCurrencyCode() : QStringLiteral("USD");
        m_cycle = m_prefill.cycle;
        m_customDaysText = QStringLiteral("30");
        m_nextBillingDate = FormRules::onePeriodAfter(now, m_cycle, calendar());
        m_category = m_prefill.category;
        m_isTrial = false;
        m_trialEndDate = now;
        m_isShared = false;
        m_sharePercent = 50;
        m_paymentMethod.clear();
        m_notes.clear();
        m_leadDaysChoice = -1;
    }
    Q_EMIT formChanged();
}

template <typename T>
void SubscriptionFormModel::assign(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Q_EMIT formChanged();
}

void SubscriptionFormModel::setName(const QString& value)
{
    assign(m_name, value);
}
void SubscriptionFormModel::setPriceText(const QString& value)
{
    assign(m_priceText, value);
}
void SubscriptionFormModel::setCurrencyCode(const QString& value)
{
    assign(m_currencyCode, value);
}
void SubscriptionFormModel::setCustomDaysText(const QString& value)
{
    assign(m_customDaysText, value);
}
void SubscriptionFormModel::setIsTrial(bool value)
{
    assign(m_isTrial, value);
}
void SubscriptionFormModel::setIsShared(bool value)
{
    assign(m_isShared, value);
}
void SubscriptionFormModel::setSharePercent(double value)
{
    assign(m_sharePercent, value);
}
void SubscriptionFormModel::setPaymentMethod(const QString& value)
{
    assign(m_paymentMethod, value);
}
void SubscriptionFormModel::setNotes(const QString& value)
{
    assign(m_notes, value);
}
void SubscriptionFormModel::setLeadDaysChoice(int value)
{
    assign(m_leadDaysChoice, value);
}

void SubscriptionFormModel::setCycleValue(const QString& value)
{
    assign(m_cycle, FormRules::cycle(value, m_customDaysText));
}

void SubscriptionFormModel::setNextBillingDate(const QDateTime& value)
{
    if (value.isValid())
        assign(m_nextBillingDate, value.toUTC());
}

void SubscriptionFormModel::setTrialEndDate(const QDateTime& value)
{
    if (value.isValid())
        assign(m_trialEndDate, value.toUTC());
}

void SubscriptionFormModel::setCategoryValue(const QString& value)
{
    if (const std::optional<SubscriptionCategory> category = SubscriptionCategory::fromString(value))
        assign(m_category, *category);
}

bool SubscriptionFormModel::isValid() const
{
    return FormRules::isValid(m_name, m_priceText);
}

QString SubscriptionFormModel::currencySymbol() const
{
    return currencySymbol(m_currencyCode);
}

QString SubscriptionFormModel::currencySymbol(const QString& code)
{
    // The symbol is the currency field of an amount the money formatter
    // writes, so it is always the one the amounts themselves show.
    const icu::number::LocalizedNumberFormatter* formatter = MoneyFormatter::cache().formatter(code, 2);
    if (!formatter)
        return code;
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber amount = formatter->formatInt(0, status);
    const icu::UnicodeString text = amount.toString(status);
    icu::ConstrainedFieldPosition field;
    field.constrainField(UFIELD_CATEGORY_NUMBER, UNUM_CURRENCY_FIELD);
    if (U_FAILURE(status) || !amount.nextPosition(field, status) || U_FAILURE(status))
        return code;
    return QString(reinterpret_cast<const QChar*>(text.getBuffer() + field.getStart()),
                   field.getLimit() - field.getStart());
}

int SubscriptionFormModel::currencyIndex() const
{
    return EditingChoices::currencyIndex(m_currencyCode);
}

int SubscriptionFormModel::categoryIndex() const
{
    return static_cast<int>(m_category.value());
}

int SubscriptionFormModel::leadIndex() const
{
    if (m_leadDaysChoice == -1)
        return 0;
    const int index = EditingChoices::leadDaysIndex(m_leadDaysChoice);
    return index < 0 ? -1 : index + 1;
}

QVariantList SubscriptionFormModel::currencyChoices()
{
    QVariantList choices;
    for (const QString& code : EditingChoices::currencyCodes())
        choices.append(QVariantMap{{QStringLiteral("value"), code}, {QStringLiteral("label"), code}});
    return choices;
}

QVariantList SubscriptionFormModel::categoryChoices()
{
    QVariantList choices;
    for (const SubscriptionCategory category : SubscriptionCategory::values())
        choices.append(QVariantMap{{QStringLiteral("value"), category.toString()},
                                   {QStringLiteral("label"), category.localizedName()},
                                   {QStringLiteral("symbol"), category.symbolName()}});
    return choices;
}

QVariantList SubscriptionFormModel::leadChoices() const
{
    return FormRules::leadChoices(cycleToSave());
}

int SubscriptionFormModel::customDays() const
{
    return static_cast<int>(FormRules::cycle(QStringLiteral("custom"), m_customDaysText).customDays());
}

QString SubscriptionFormModel::shareText() const
{
    //: The user's share of a split subscription beside its slider; %1 is a whole number: "30%"
    return tr("%1%").arg(static_cast<qint64>(m_sharePercent));
}

BillingCycle SubscriptionFormModel::cycleToSave() const
{
    if (m_cycle.kind() == BillingCycle::Kind::Custom)
        return FormRules::cycle(QStringLiteral("custom"), m_customDaysText);
    return m_cycle;
}

bool SubscriptionFormModel::save()
{
    const std::optional<Decimal> price = FormRules::price(m_priceText);
    if (!price || price->isNegative() || !m_store || (m_editsRecord && !m_subscription))
        return false;
    const QString name = FormRules::trimmed(m_name);

    Subscription* record = m_subscription;
    const bool isNew = record == nullptr;
    if (isNew) {
        record = new Subscription(name, *price, m_currencyCode, m_cycle, m_nextBillingDate, m_category);
        record->setServiceId(m_prefill.serviceId);
        record->setBrandColorHex(m_prefill.brandColorHex);
        record->setSymbolName(m_prefill.symbolName);
        record->setCancellationUrlString(m_prefill.cancellationUrl);
    }
    record->setName(name);
    record->setPrice(*price);
    record->setCurrencyCode(m_currencyCode);
    record->setBillingCycle(cycleToSave());
    record->setNextBillingDate(m_nextBillingDate);
    record->setCategoryRaw(m_category.toString());
    record->setIsTrial(m_isTrial);
    record->setTrialEndDate(m_isTrial ? std::optional<QDateTime>(m_trialEndDate) : std::nullopt);
    record->setIsShared(m_isShared);
    record->setSharePercentage(m_isShared ? std::optional<double>(FormRules::shareFromPercent(m_sharePercent))
                                          : std::nullopt);
    record->setPaymentMethod(absentIfEmpty(m_paymentMethod));
    record->setNotes(absentIfEmpty(m_notes));
    record->setNotificationLeadDays(m_leadDaysChoice == -1 ? std::nullopt : std::optional<int>(m_leadDaysChoice));

    if (isNew)
        NewSubscription::add(*m_store, record);
    else
        m_store->save();
    return true;
}

void SubscriptionFormModel::archive()
{
    if (m_store && m_subscription)
        m_store->archive(m_subscription);
}

}  // namespace tabrino
