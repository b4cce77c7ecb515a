// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"

namespace tabrino {

// A stored share (0.5) as the whole percentage people read (50), truncated
// toward zero. Worked through the share's shortest decimal text, so a stored
// 0.29 reads 29 and not the 28 that 0.29 × 100 gives in binary floating point.
Decimal wholeSharePercent(double share);

}  // namespace tabrino
