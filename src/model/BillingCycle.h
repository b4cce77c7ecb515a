// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "foundation/Decimal.h"

#include <QHashFunctions>
#include <QString>

namespace tabrino {

struct CalendarStep {
    CalendarUnit unit;
    qint64 count;
};

// How often a subscription charges. Stored as two attributes: the raw text
// and a day count that only custom cycles use.
class BillingCycle {
public:
    enum class Kind { Custom, Weekly, Monthly, Quarterly, Yearly };

    static BillingCycle weekly() { return BillingCycle(Kind::Weekly); }
    static BillingCycle monthly() { return BillingCycle(Kind::Monthly); }
    static BillingCycle quarterly() { return BillingCycle(Kind::Quarterly); }
    static BillingCycle yearly() { return BillingCycle(Kind::Yearly); }
    static BillingCycle custom(qint64 days) { return BillingCycle(Kind::Custom, days); }

    // A custom cycle longer than a century is damaged data, read as a century.
    static constexpr qint64 kMaxCustomDays = 36525;

    // From the stored pair; never fails. Unknown text (even "Monthly") reads
    // as monthly; a custom day count below 1 reads as 1, above the maximum as
    // the maximum.
    static BillingCycle fromStored(const QString& name, qint64 customDays);

    Kind kind() const { return m_kind; }
    qint64 customDays() const { return m_days; }  // 0 for named cycles

    QString toString() const;
    // English, as exports write them.
    QString shortLabel() const;   // "wk", "mo", "qtr", "yr", "10d"
    QString displayName() const;  // "Weekly" ... "Every 10 days"
    // In the user's language, for screens and reminders.
    QString localizedShortLabel() const;
    // After a price: "/mo".
    QString localizedSuffix() const { return u'/' + localizedShortLabel(); }
    QString localizedName() const;
    // A charge's price and how often it falls due: "$9.99 per month".
    QString localizedPrice(const QString& amount) const;
    CalendarStep calendarStep() const;
    Decimal monthlyFactor() const;  // per-charge amount x factor = monthly equivalent
    // Days before a charge that a reminder comes when the user chose no lead
    // time: 1 for weekly, 3 monthly, 7 quarterly, 14 yearly; a custom cycle
    // by its length (3 under 60 days, 7 under 180, else 14).
    int defaultLeadDays() const;

    static const Decimal& averageDaysPerMonth();  // 30.4375 = 365.25 / 12

    friend bool operator==(const BillingCycle&, const BillingCycle&) = default;

private:
    explicit BillingCycle(Kind kind, qint64 days = 0) : m_kind(kind), m_days(days) {}
    // The day count a custom cycle steps by: at least 1, at most the maximum.
    qint64 stepDays() const;
    int dayCount() const { return static_cast<int>(m_days); }  // for plural forms

    Kind m_kind;
    qint64 m_days;
};

inline size_t qHash(const BillingCycle& cycle, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<int>(cycle.kind()), cycle.customDays());
}

}  // namespace tabrino
