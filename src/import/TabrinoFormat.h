// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportReading.h"
#include "import/ReadingContext.h"
#include "import/RecordTable.h"

namespace tabrino {

// Tabrino's own CSV and JSON exports, read back as a restore: every value
// they carry, exactly (names keep their spaces, prices their digits, dates
// their seconds), archived subscriptions archived. The monthly cost is
// derived, so it is not read.
class TabrinoFormat {
public:
    TabrinoFormat() = delete;

    static bool recognises(const RecordTable& table);
    static ImportReading read(const RecordTable& table, const ReadingContext& context);
};

}  // namespace tabrino
