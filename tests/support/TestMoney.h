// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "support/Printers.h"

namespace tabrino::test {

// A decimal from text the test knows to be valid.
inline Decimal dec(const char* text)
{
    return *Decimal::fromString(text);
}

}  // namespace tabrino::test
