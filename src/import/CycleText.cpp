// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/CycleText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// Days per unit for the periods without a cycle of their own: the
// calendar's averages, as the monthly factor uses.
std::optional<CycleText::Reading> approximately(qint64 count, const Decimal& daysPerUnit)
{
    const Decimal days = (Decimal(count) * daysPerUnit).rounded(0);
    const qint64 whole = days.toString().toLongLong();
    if (whole < 1 || whole > BillingCycle::kMaxCustomDays)
        return std::nullopt;
    return CycleText::Reading{BillingCycle::custom(whole), true};
}

// Weeks and quarters in the units a cycle steps by.
std::pair<CalendarUnit, qint64> unitOf(QStringView word, qint64 count)
{
    if (word == u"week")
        return {CalendarUnit::Day, count * 7};
    if (word == u"quarter")
        return {CalendarUnit::Month, count * 3};
    if (word == u"day")
        return {CalendarUnit::Day, count};
    if (word == u"month")
        return {CalendarUnit::Month, count};
    return {CalendarUnit::Year, count};
}

}  // namespace

std::optional<CycleText::Reading> CycleText::fromUnits(CalendarUnit unit, qint64 count)
{
    if (count < 1 || count > 100 * 366)
        return std::nullopt;
    switch (unit) {
    case CalendarUnit::Day:
        if (count == 7)
            return Reading{BillingCycle::weekly(), false};
        if (count > BillingCycle::kMaxCustomDays)
            return std::nullopt;
        return Reading{BillingCycle::custom(count), false};
    case CalendarUnit::Month:
        if (count == 1)
            return Reading{BillingCycle::monthly(), false};
        if (count == 3)
            return Reading{BillingCycle::quarterly(), false};
        if (count == 12)
            return Reading{BillingCycle::yearly(), false};
        return approximately(count, BillingCycle::averageDaysPerMonth());
    case CalendarUnit::Year:
        if (count == 1)
            return Reading{BillingCycle::yearly(), false};
        return approximately(count, Decimal(12) * BillingCycle::averageDaysPerMonth());
    }
    return std::nullopt;
}

std::optional<CycleText::Reading> CycleText::read(QStringView text)
{
    const std::optional<Period> found = period(text);
    return found ? fromUnits(found->unit, found->count) : std::nullopt;
}

std::optional<CycleText::Period> CycleText::period(QStringView text)
{
    const QString word = text.trimmed().toString().toLower().remove(u'-').remove(u'_');
    struct Named {
        const char16_t* word;
        CalendarUnit unit;
        qint64 count;
    };
    static constexpr Named kNamed[] = {
        {u"daily", CalendarUnit::Day, 1},        {u"weekly", CalendarUnit::Day, 7},
        {u"biweekly", CalendarUnit::Day, 14},    {u"fortnightly", CalendarUnit::Day, 14},
        {u"monthly", CalendarUnit::Month, 1},    {u"bimonthly", CalendarUnit::Month, 2},
        {u"quarterly", CalendarUnit::Month, 3},  {u"semiannually", CalendarUnit::Month, 6},
        {u"semiannual", CalendarUnit::Month, 6}, {u"halfyearly", CalendarUnit::Month, 6},
        {u"yearly", CalendarUnit::Year, 1},      {u"annually", CalendarUnit::Year, 1},
        {u"annual", CalendarUnit::Year, 1},
    };
    for (const Named& named : kNamed) {
        if (word == QStringView(named.word))
            return Period{named.unit, named.count};
    }
    // "every 3 months", "3 months", "every month", "every 10 days".
    static const QRegularExpression every(u"^(?:every\\s*)?(\\d{1,6})?\\s*(day|week|month|quarter|year)s?$"_s);
    const QRegularExpressionMatch match = every.match(word);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 count = match.capturedView(1).isEmpty() ? 1 : match.capturedView(1).toLongLong();
    const auto [unit, units] = unitOf(match.capturedView(2), count);
    return Period{unit, units};
}

}  // namespace tabrino
