// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tabrino {

// What ICU knows of an ISO 4217 currency code.
class IsoCurrency {
public:
    IsoCurrency() = delete;

    // Three capital letters naming a currency ICU knows ("USD", "KWD"; not
    // "usd", "US$" or "XYZ").
    static bool isKnown(const QString& code);
    // Digits after the separator in the currency's smallest unit: 2 for USD,
    // 0 for JPY and KRW, 3 for KWD and BHD; 2 for a code ICU does not know.
    static int minorUnits(const QString& code);
};

}  // namespace tabrino
