// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/MonthlySnapshot.h"

#include "foundation/Clock.h"
#include "foundation/OptionalVariant.h"

namespace tabrino {

MonthlySnapshot::MonthlySnapshot(const QDateTime& monthStart, const Decimal& monthlyTotal,
                                 qint64 activeSubscriptionCount, QObject* parent)
    : PersistentRecord(parent)
    , m_monthStart(monthStart.toUTC())
    , m_monthlyTotal(monthlyTotal)
    , m_activeSubscriptionCount(activeSubscriptionCount)
    , m_capturedAt(Clock::now())
{
}

QDateTime MonthlySnapshot::startOfMonth(const QDateTime& date, const Calendar& calendar)
{
    const DateComponents parts = calendar.components(date);
    return calendar.date({parts.year, parts.month, 1, 0, 0}).value_or(date);
}

void MonthlySnapshot::setMonthStart(const QDateTime& value)
{
    assign(this, m_monthStart, value.toUTC(), &MonthlySnapshot::monthStartChanged);
}
void MonthlySnapshot::setMonthlyTotal(const Decimal& value)
{
    assign(this, m_monthlyTotal, value, &MonthlySnapshot::monthlyTotalChanged);
}
void MonthlySnapshot::setActiveSubscriptionCount(qint64 value)
{
    assign(this, m_activeSubscriptionCount, value, &MonthlySnapshot::activeSubscriptionCountChanged);
}
void MonthlySnapshot::setCapturedAt(const QDateTime& value)
{
    assign(this, m_capturedAt, value.toUTC(), &MonthlySnapshot::capturedAtChanged);
}

void MonthlySnapshot::setConvertedCurrencyCode(const std::optional<QString>& value)
{
    assign(this, m_convertedCurrencyCode, value, &MonthlySnapshot::conversionChanged);
}
void MonthlySnapshot::setRatesDate(const std::optional<QDate>& value)
{
    assign(this, m_ratesDate, value, &MonthlySnapshot::conversionChanged);
}

QVariant MonthlySnapshot::convertedCurrencyCodeValue() const
{
    return optionalToVariant(m_convertedCurrencyCode);
}
QVariant MonthlySnapshot::ratesDateValue() const
{
    return optionalToVariant(m_ratesDate);
}

}  // namespace tabrino
