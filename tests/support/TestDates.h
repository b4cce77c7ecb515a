// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "support/Printers.h"

#include <QDateTime>

namespace tabrino::test {

// An instant given as wall-clock time in `calendar`'s zone.
inline QDateTime local(const Calendar& calendar, int year, int month, int day, int hour = 0, int minute = 0)
{
    return calendar.date({year, month, day, hour, minute}).value();
}

inline QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

}  // namespace tabrino::test
