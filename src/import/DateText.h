// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"

#include <QDateTime>
#include <QStringList>
#include <QStringView>

namespace tabrino {

// Which part of a slashed date is the day where the numbers alone cannot
// tell (03/04/2025).
enum class DateOrder { DayFirst, MonthFirst };

// A date or an instant as files write them: ISO 8601 ("2025-03-15",
// "2025-03-15T09:00:00Z", with an offset or none), "15.03.2025", and
// "15/03/2025" or "03/15/2025" (two-digit years are this century's).
class DateText {
public:
    enum class Problem { None, Empty, NotADate, NoSuchDate, OutOfRange };

    struct Result {
        QDateTime instant;  // UTC
        Problem problem = Problem::None;
    };

    DateText() = delete;

    // A date alone is the start of that day in `calendar`; a time without a
    // zone is wall-clock time there. Seconds' fractions are dropped. Dates
    // that do not exist (30 February) and years outside 1900...2999 are
    // refused.
    static Result read(QStringView text, DateOrder order, const Calendar& calendar);

    // The order a column of slashed dates uses: a first number above 12
    // means day first, a second above 12 month first; `fallback` (the
    // locale's) where no date tells.
    static DateOrder orderOf(const QStringList& texts, DateOrder fallback);
};

}  // namespace tabrino
