// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportReading.h"
#include "import/ReadingContext.h"
#include "import/RecordTable.h"

namespace tabrino {

// Wallos's exports: the JSON its web page downloads (a bare list), the one
// its API answers (the list under "subscriptions") and its CSV, all with
// the same names: Name, Payment Cycle ("Monthly", "Every 3 Months"), Next
// Payment (YYYY-MM-DD), Category, Price as currency and number ("$15.99"),
// Payment Method, Notes, URL, and State ("Enabled") or Active ("Yes").
// Its CSV quotes nothing, so a comma inside a value splits it; such a line
// has more values than the header and is reported, not guessed at.
class WallosFormat {
public:
    WallosFormat() = delete;

    static bool recognises(const RecordTable& table);
    static ImportReading read(const RecordTable& table, const ReadingContext& context);
};

}  // namespace tabrino
