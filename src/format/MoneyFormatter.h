// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"

#include <QString>

namespace tabrino {

class FormatterCache;

// Amounts as currency text in the user's monetary locale. The decimal's own
// text is handed to ICU, so no amount ever passes through a double. Where
// no formatter can write the code, the plain decimal text stands instead.
// The cache argument lets a caller pin the locale; by default every call
// shares one process-wide cache.
class MoneyFormatter {
public:
    MoneyFormatter() = delete;

    // The shared cache, created on first use and never emptied.
    static FormatterCache& cache();

    // Whole units, halves away from zero: 9.99 → "$10", 2.5 → "$3".
    static QString compact(const Decimal& amount, const QString& code, FormatterCache& cache = MoneyFormatter::cache());

    // Whole units when the amount has no cents ("$15"), else two decimals ("$15.49").
    static QString plain(const Decimal& amount, const QString& code, FormatterCache& cache = MoneyFormatter::cache());

    // Always two decimals, rounded by ICU's own rule (half to even).
    static QString twoDecimals(const Decimal& amount, const QString& code,
                               FormatterCache& cache = MoneyFormatter::cache());

    // A converted amount, so it never reads as exact: "≈ $107".
    static QString approximately(const QString& amount);

    // A change: "+" or "−" (U+2212) in front of the plain magnitude, no space;
    // zero gets "+".
    static QString signedAmount(const Decimal& amount, const QString& code,
                                FormatterCache& cache = MoneyFormatter::cache());
};

}  // namespace tabrino
