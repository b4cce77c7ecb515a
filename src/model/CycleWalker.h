// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "model/BillingCycle.h"

#include <QDateTime>

namespace tabrino {

// Walks the series of charge dates that a billing cycle produces from a start
// date: every date is one calendar step after the previous one (so month ends
// drift: 31 Jan, 28 Feb, 28 Mar). Long walks jump over stretches where one
// calendar addition provably lands where the single steps it replaces would
// have, so a ten-year daily series costs a handful of calendar calls.
class CycleWalker {
public:
    static constexpr qint64 kStepLimit = 10000;

    enum class Stop { Bound, NoProgress, Limit };

    struct Walk {
        qint64 steps = 0;  // dates taken after the start
        QDateTime cursor;  // the last date taken (the start when none)
        QDateTime next;    // the date that was refused (valid when stop == Bound)
        Stop stop = Stop::Bound;
    };

    CycleWalker(const BillingCycle& cycle, const Calendar& calendar);

    // One cycle step; the date itself when the calendar cannot compute it.
    QDateTime step(const QDateTime& date) const;

    // Takes steps from `start` while the next date is before `bound` (or
    // equal to it when `inclusive`) and moves forward, at most `limit` steps.
    Walk walk(const QDateTime& start, const QDateTime& bound, bool inclusive, qint64 limit = kStepLimit) const;

private:
    // How many steps from `cursor` can be taken as one calendar addition.
    qint64 safeJump(const QDateTime& cursor, const QDateTime& bound, qint64 maxSteps) const;

    CalendarStep m_step;
    const Calendar& m_calendar;
};

}  // namespace tabrino
