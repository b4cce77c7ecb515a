// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

namespace tabrino {

class Calendar;

// Day counts and dates as the short words the panel and reminders use.
class RelativeDateText {
public:
    RelativeDateText() = delete;

    // "Overdue" below 0, "Today", "Tomorrow", else "In N days". Not localised.
    static QString countdown(int days);

    // For use inside a sentence, relative to Clock::now(): "today",
    // "tomorrow", the full weekday name for 2 to 6 days ahead and for any past
    // day, and abbreviated month and day ("Mar 5") from 7 days on. Names come
    // from the user's time locale (LC_TIME) or from `localeId`, and the date
    // is read in `calendar`'s time zone.
    static QString weekdayOrDate(const QDateTime& date, const Calendar& calendar);
    static QString weekdayOrDate(const QDateTime& date, const Calendar& calendar, const QString& localeId);

    // `date` written with an ICU date skeleton ("MMMy" gives "Mar 2026") in
    // `calendar`'s time zone, with names from `localeId`.
    static QString withSkeleton(const QDateTime& date, const char16_t* skeleton, const Calendar& calendar,
                                const QString& localeId);
};

}  // namespace tabrino
