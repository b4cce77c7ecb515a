// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

namespace tabrino {

class Calendar;

// Day counts and dates as the panel and reminders write them.
class RelativeDateText {
    Q_DECLARE_TR_FUNCTIONS(RelativeDateText)

public:
    RelativeDateText() = delete;

    // "Overdue" below 0, "Today", "Tomorrow", else "In N days": a day on its
    // own, not inside a sentence.
    static QString countdown(int days);

    // The variant of a text for a day `days` ahead: each variant is written
    // whole, so a translation can word each its own way.
    static QString byDistance(int days, const QString& past, const QString& today, const QString& tomorrow,
                              const QString& later);

    // A day as seen from Clock::now(), for a sentence that has one variant
    // for today, one for tomorrow, one naming a weekday and one naming a date.
    struct NamedDay {
        enum class Kind { Today, Tomorrow, Weekday, Date };
        Kind kind = Kind::Today;
        // The full weekday name ("Friday") or the abbreviated month and day
        // ("Mar 5"); empty for today and tomorrow.
        QString name;
    };

    // Today, tomorrow, the weekday for 2 to 6 days ahead and for any past
    // day, and the date from 7 days on; an invalid date is today. Names come
    // from the user's time locale (LC_TIME) or from `localeId`, and the date
    // is read in `calendar`'s time zone.
    static NamedDay namedDay(const QDateTime& date, const Calendar& calendar);
    static NamedDay namedDay(const QDateTime& date, const Calendar& calendar, const QString& localeId);

    // `date` written with an ICU date skeleton ("MMMy" gives "Mar 2026") in
    // `calendar`'s time zone, with names from `localeId`.
    static QString withSkeleton(const QDateTime& date, const char16_t* skeleton, const Calendar& calendar,
                                const QString& localeId);
};

}  // namespace tabrino
