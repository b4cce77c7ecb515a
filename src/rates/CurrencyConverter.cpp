// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/CurrencyConverter.h"

#include "rates/IsoCurrency.h"

namespace tabrino {

std::optional<Decimal> CurrencyConverter::convert(const Decimal& amount, const QString& from, const QString& to) const
{
    if (from == to)
        return amount;
    const std::optional<Decimal> source = m_rates.perEuro(from);
    const std::optional<Decimal> target = m_rates.perEuro(to);
    if (!source || !target)
        return std::nullopt;
    // One division, last: a cross rate rounded on its own would put its
    // rounding error into every amount.
    return amount * *target / *source;
}

Decimal CurrencyConverter::rounded(const Decimal& amount, const QString& code)
{
    return amount.rounded(IsoCurrency::minorUnits(code));
}

}  // namespace tabrino
