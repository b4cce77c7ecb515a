// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tabrino {

// Which character separates the fraction where a text alone cannot tell
// ("1,299" is 1.299 with a decimal comma and 1299 without).
enum class DecimalMark { Point, Comma };

// A price as people and programs write it: "15.99", "$15.99", "15,99 €",
// "1.299,00", "1 299,00 kr", "USD 12". Read exactly, digit by digit, into a
// Decimal; the currency is kept as written for the caller to resolve.
class AmountText {
public:
    enum class Problem { None, Empty, NotANumber, Formula, Negative, TooLarge };

    struct Result {
        Decimal value;
        QString currency;  // symbol or code as written beside the number; empty when none
        Problem problem = Problem::None;
    };

    AmountText() = delete;

    // A text starting with =, +, - or @ that is no amount is a spreadsheet
    // formula; it is reported as such and never evaluated. Amounts below
    // zero or above ImportLimits::kMaxPrice are refused.
    static Result read(QStringView text, DecimalMark mark);

    // The mark a column of amounts uses: the first amount whose last
    // separator is followed by one or two digits ("9,99", "1,299.5")
    // decides; `fallback` (the locale's) where none does.
    static DecimalMark markOf(const QStringList& texts, DecimalMark fallback);
};

}  // namespace tabrino
