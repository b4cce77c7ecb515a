// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace tabrino {

// What one import takes at most. A person's subscriptions fit in a few
// kilobytes; the caps keep a wrong file (a log, a database dump) from
// costing memory and time before it is refused.
struct ImportLimits {
    static constexpr qint64 kMaxFileBytes = 5 * 1024 * 1024;
    static constexpr int kMaxRows = 10'000;
    // Whole units; a price above it is a typing or reading error.
    static constexpr int kMaxPrice = 1'000'000;
};

}  // namespace tabrino
