// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportReading.h"
#include "import/ReadingContext.h"
#include "import/RecordTable.h"

#include <QCoreApplication>

namespace tabrino {

// SubTrackr's CSV (ID, Name, Category, Cost, Currency, Schedule, Schedule
// Interval, Status, Payment Method, Start Date, Renewal Date, URL, Notes)
// and its JSON ({"subscriptions": [...], "exported_at", "total_count"},
// the same values under snake_case keys). A schedule repeats every
// interval units ("Monthly" every 3 is quarterly); a paused or cancelled
// subscription is archived, one on trial is tracked as a trial.
class SubTrackrFormat {
    Q_DECLARE_TR_FUNCTIONS(SubTrackrFormat)

public:
    SubTrackrFormat() = delete;

    static bool recognises(const RecordTable& table);
    static ImportReading read(const RecordTable& table, const ReadingContext& context);
};

}  // namespace tabrino
