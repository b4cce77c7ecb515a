// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "rates/ExchangeRates.h"

#include <QString>

#include <optional>

namespace tabrino {

// Amounts from one currency into another at one day's euro rates, crossing
// through the euro: amount × (units of the target per euro) / (units of the
// source per euro), carried at the decimal's full precision.
//
// Sums of converted amounts add the exact conversions and round the sum
// once, to the target's minor units (`rounded`): rounding each amount first
// would let the cents lost on every line add up in the total.
class CurrencyConverter {
public:
    explicit CurrencyConverter(ExchangeRates rates) : m_rates(std::move(rates)) {}

    const ExchangeRates& rates() const { return m_rates; }

    // Whether `code` can be converted at all (it is the euro or has a rate).
    bool hasRate(const QString& code) const { return m_rates.perEuro(code).has_value(); }

    // `amount` in `from` as `to`, not rounded; the amount itself when the two
    // are the same, with or without a rate; absent when either other has none.
    std::optional<Decimal> convert(const Decimal& amount, const QString& from, const QString& to) const;

    // `amount` rounded once to `code`'s minor units, halves away from zero:
    // 0 places for JPY and KRW, 2 for USD, 3 for KWD and BHD.
    static Decimal rounded(const Decimal& amount, const QString& code);

private:
    ExchangeRates m_rates;
};

}  // namespace tabrino
