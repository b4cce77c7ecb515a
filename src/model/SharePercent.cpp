// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/SharePercent.h"

namespace tabrino {

Decimal wholeSharePercent(double share)
{
    const Decimal percent = Decimal::fromDouble(share) * Decimal(100);
    // Toward zero; Decimal itself only rounds half away from zero.
    Decimal whole = percent.rounded(0);
    if (whole.abs() > percent.abs())
        whole += percent.isNegative() ? Decimal(1) : Decimal(-1);
    return whole;
}

}  // namespace tabrino
