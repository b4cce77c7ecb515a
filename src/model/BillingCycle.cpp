// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/BillingCycle.h"

#include <QCoreApplication>

#include <algorithm>

namespace tabrino {

BillingCycle BillingCycle::fromStored(const QString& name, qint64 customDays)
{
    if (name == u"weekly")
        return weekly();
    if (name == u"quarterly")
        return quarterly();
    if (name == u"yearly")
        return yearly();
    if (name == u"custom")
        return custom(std::clamp<qint64>(customDays, 1, kMaxCustomDays));
    return monthly();
}

QString BillingCycle::toString() const
{
    switch (m_kind) {
    case Kind::Custom: return QStringLiteral("custom");
    case Kind::Weekly: return QStringLiteral("weekly");
    case Kind::Monthly: return QStringLiteral("monthly");
    case Kind::Quarterly: return QStringLiteral("quarterly");
    case Kind::Yearly: return QStringLiteral("yearly");
    }
    return QStringLiteral("monthly");
}

QString BillingCycle::shortLabel() const
{
    switch (m_kind) {
    case Kind::Custom: return QString::number(m_days) + u'd';
    case Kind::Weekly: return QStringLiteral("wk");
    case Kind::Monthly: return QStringLiteral("mo");
    case Kind::Quarterly: return QStringLiteral("qtr");
    case Kind::Yearly: return QStringLiteral("yr");
    }
    return QStringLiteral("mo");
}

QString BillingCycle::displayName() const
{
    switch (m_kind) {
    case Kind::Custom: return u"Every "_qs + QString::number(m_days) + u" days"_qs;
    case Kind::Weekly: return QStringLiteral("Weekly");
    case Kind::Monthly: return QStringLiteral("Monthly");
    case Kind::Quarterly: return QStringLiteral("Quarterly");
    case Kind::Yearly: return QStringLiteral("Yearly");
    }
    return QStringLiteral("Monthly");
}

QString BillingCycle::localizedShortLabel() const
{
    switch (m_kind) {
    case Kind::Custom:
        //: After a price and a slash, a custom cycle of %n days: "$5/10d"
        return QCoreApplication::translate("BillingCycle", "%nd", "", dayCount());
    //: After a price and a slash: "$5/wk"
    case Kind::Weekly: return QCoreApplication::translate("BillingCycle", "wk");
    //: After a price and a slash: "$5/mo"
    case Kind::Monthly: return QCoreApplication::translate("BillingCycle", "mo");
    //: After a price and a slash: "$5/qtr"
    case Kind::Quarterly: return QCoreApplication::translate("BillingCycle", "qtr");
    //: After a price and a slash: "$5/yr"
    case Kind::Yearly: return QCoreApplication::translate("BillingCycle", "yr");
    }
    return QCoreApplication::translate("BillingCycle", "mo");
}

QString BillingCycle::localizedName() const
{
    switch (m_kind) {
    case Kind::Custom: return QCoreApplication::translate("BillingCycle", "Every %n days", "", dayCount());
    case Kind::Weekly: return QCoreApplication::translate("BillingCycle", "Weekly");
    case Kind::Monthly: return QCoreApplication::translate("BillingCycle", "Monthly");
    case Kind::Quarterly: return QCoreApplication::translate("BillingCycle", "Quarterly");
    case Kind::Yearly: return QCoreApplication::translate("BillingCycle", "Yearly");
    }
    return QCoreApplication::translate("BillingCycle", "Monthly");
}

QString BillingCycle::localizedPrice(const QString& amount) const
{
    switch (m_kind) {
    //: %1 is the price of one charge ("$9.99"); read out and shown in sentences
    case Kind::Weekly: return QCoreApplication::translate("BillingCycle", "%1 per week").arg(amount);
    //: %1 is the price of one charge ("$9.99"); read out and shown in sentences
    case Kind::Monthly: return QCoreApplication::translate("BillingCycle", "%1 per month").arg(amount);
    //: %1 is the price of one charge ("$9.99"); read out and shown in sentences
    case Kind::Quarterly: return QCoreApplication::translate("BillingCycle", "%1 per quarter").arg(amount);
    //: %1 is the price of one charge ("$9.99"); read out and shown in sentences
    case Kind::Yearly: return QCoreApplication::translate("BillingCycle", "%1 per year").arg(amount);
    case Kind::Custom:
        //: %1 is the price of one charge ("$9.99"), charged every %Ln days
        return QCoreApplication::translate("BillingCycle", "%1 every %Ln days", "", dayCount()).arg(amount);
    }
    return amount;
}

CalendarStep BillingCycle::calendarStep() const
{
    switch (m_kind) {
    case Kind::Custom: return {CalendarUnit::Day, stepDays()};
    case Kind::Weekly: return {CalendarUnit::Day, 7};
    case Kind::Monthly: return {CalendarUnit::Month, 1};
    case Kind::Quarterly: return {CalendarUnit::Month, 3};
    case Kind::Yearly: return {CalendarUnit::Year, 1};
    }
    return {CalendarUnit::Month, 1};
}

qint64 BillingCycle::stepDays() const
{
    return std::clamp<qint64>(m_days, 1, kMaxCustomDays);
}

int BillingCycle::defaultLeadDays() const
{
    switch (m_kind) {
    case Kind::Weekly: return 1;
    case Kind::Monthly: return 3;
    case Kind::Quarterly: return 7;
    case Kind::Yearly: return 14;
    case Kind::Custom:
        if (m_days >= 180)
            return 14;
        return m_days >= 60 ? 7 : 3;
    }
    return 3;
}

const Decimal& BillingCycle::averageDaysPerMonth()
{
    static const Decimal value = *Decimal::fromString("30.4375");
    return value;
}

Decimal BillingCycle::monthlyFactor() const
{
    const Decimal& month = averageDaysPerMonth();
    switch (m_kind) {
    case Kind::Custom: return month / Decimal(static_cast<long long>(stepDays()));
    case Kind::Weekly: return month / Decimal(7);
    case Kind::Monthly: return month / month;
    case Kind::Quarterly: return month / (Decimal(3) * month);
    case Kind::Yearly: return month / (Decimal(12) * month);
    }
    return Decimal(1);
}

}  // namespace tabrino
