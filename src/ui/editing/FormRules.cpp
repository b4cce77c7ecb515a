// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/FormRules.h"

#include "ui/editing/EditingChoices.h"

#include <QCoreApplication>
#include <QVariantMap>

namespace tabrino {

namespace {

bool isHorizontalSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

QVariantMap choice(int value, const QString& label)
{
    return {{QStringLiteral("value"), value}, {QStringLiteral("label"), label}};
}

}  // namespace

QString FormRules::trimmed(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isHorizontalSpace(text[start]))
        ++start;
    while (end > start && isHorizontalSpace(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

std::optional<Decimal> FormRules::price(const QString& text)
{
    QString normalised = text;
    normalised.replace(u',', u'.');
    return Decimal::fromString(trimmed(normalised));
}

bool FormRules::isValid(const QString& name, const QString& priceText)
{
    const std::optional<Decimal> amount = price(priceText);
    return !trimmed(name).isEmpty() && amount && !amount->isNegative();
}

std::optional<qint64> FormRules::wholeNumber(const QString& text)
{
    qsizetype digits = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    if (digits == text.size())
        return std::nullopt;
    for (qsizetype i = digits; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

qint64 FormRules::customDays(const QString& text)
{
    return wholeNumber(text).value_or(30);
}

BillingCycle FormRules::cycle(const QString& name, const QString& customDaysText)
{
    // The stored form clamps a custom day count into 1 day ... a century.
    return BillingCycle::fromStored(name, customDays(customDaysText));
}

QDateTime FormRules::onePeriodAfter(const QDateTime& from, const BillingCycle& cycle, const Calendar& calendar)
{
    const CalendarStep step = cycle.calendarStep();
    return calendar.adding(step.unit, step.count, from).value_or(from);
}

QString FormRules::defaultLeadLabel(const BillingCycle& cycle)
{
    // Every cycle reminds at least a day ahead, so the default is never "Off".
    //: The reminder choice that follows the billing cycle: a reminder %n days before each charge
    return QCoreApplication::translate("FormRules", "Default (%n days before)", nullptr, cycle.defaultLeadDays());
}

QVariantList FormRules::leadChoices(const BillingCycle& cycle)
{
    QVariantList choices{choice(-1, defaultLeadLabel(cycle))};
    for (int days : EditingChoices::leadDays())
        choices.append(choice(days, EditingChoices::leadTimeLabel(days)));
    return choices;
}

double FormRules::percentFromShare(double share)
{
    return (Decimal::fromDouble(share) * Decimal(100)).toString().toDouble();
}

double FormRules::shareFromPercent(double percent)
{
    return (Decimal::fromDouble(percent) / Decimal(100)).toString().toDouble();
}

}  // namespace tabrino
