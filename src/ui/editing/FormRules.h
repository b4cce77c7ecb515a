// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "foundation/Decimal.h"
#include "model/BillingCycle.h"

#include <QDateTime>
#include <QString>
#include <QVariantList>

#include <optional>

namespace tabrino {

// The rules the editing screens apply to what the user typed and picked.
class FormRules {
public:
    FormRules() = delete;

    // Without leading and trailing spaces and tabs; line breaks stay.
    static QString trimmed(const QString& text);

    // The typed price: every "," read as ".", surrounding spaces and tabs
    // dropped, and then the whole text must be one decimal number. Absent
    // otherwise: "1,234.50" and "12abc" are no price rather than 1.234 or 12.
    static std::optional<Decimal> price(const QString& text);

    // A name that is not blank and a price that is a number of at least 0.
    static bool isValid(const QString& name, const QString& priceText);

    // A base-10 whole number with an optional leading sign and nothing else
    // (no spaces); absent when it does not fit.
    static std::optional<qint64> wholeNumber(const QString& text);

    // The day count typed for a custom cycle, or 30 when it is no number.
    static qint64 customDays(const QString& text);

    // The cycle a picked segment value stands for, a custom one taking the
    // typed day count (at least 1); an unknown value reads as monthly.
    static BillingCycle cycle(const QString& name, const QString& customDaysText);

    // One period of `cycle` after `from` (7 days, 1, 3 or 12 months, or the
    // custom day count, at least 1), without wrapping; `from` itself when
    // the calendar cannot add.
    static QDateTime onePeriodAfter(const QDateTime& from, const BillingCycle& cycle, const Calendar& calendar);

    // The reminder choices: { value, label } for the default (-1), off (0),
    // and 1, 3, 7 and 14 days before. The default's label names the lead
    // time the cycle gives: "Default (3 days before)".
    static QVariantList leadChoices(const BillingCycle& cycle);
    static QString defaultLeadLabel(const BillingCycle& cycle);

    // Share of a charge (0.3) and the percent the form shows (30), converted
    // through decimal text so that 0.29 shows as 29, not 28.999…
    static double percentFromShare(double share);
    static double shareFromPercent(double percent);
};

}  // namespace tabrino
