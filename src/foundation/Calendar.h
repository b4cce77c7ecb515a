// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <unicode/uversion.h>

#include <memory>
#include <optional>

// ICU's namespace is a versioned one behind the `icu` alias, so a forward
// declaration has to go through its own macros.
U_NAMESPACE_BEGIN
class Calendar;
U_NAMESPACE_END

namespace tabrino {

enum class CalendarUnit { Day, Month, Year };

struct DateComponents {
    int year = 0;
    int month = 0;  // 1...12
    int day = 0;    // 1...31
    int hour = 0;
    int minute = 0;
};

// A Gregorian calendar in one time zone with one first weekday, over ICU.
// A value type: copies share an immutable prototype. Instants are QDateTime
// (any time spec in, UTC out).
class Calendar {
public:
    // `timeZoneId` is an IANA id such as "Europe/Berlin"; an unknown id gives
    // UTC. `firstWeekday` is 1 for Sunday ... 7 for Saturday.
    explicit Calendar(const QString& timeZoneId, int firstWeekday = 1);

    // The user's calendar: the system time zone and the locale's first weekday.
    static Calendar current();

    QString timeZoneId() const;
    int firstWeekday() const;

    // First moment of the day holding `instant` (not always 00:00 where a
    // daylight-saving change skips midnight).
    QDateTime startOfDay(const QDateTime& instant) const;

    // `instant` plus `count` units: the local date moves by that many days,
    // months or years and the wall-clock time stays, clamped to the month's
    // end instead of wrapping (31 Jan + 1 month = 28/29 Feb). A wall time the
    // zone skips moves forward by the gap; one it repeats is its later
    // occurrence. Absent when the result cannot be computed.
    std::optional<QDateTime> adding(CalendarUnit unit, qint64 count, const QDateTime& instant) const;

    // Whole days from the start of `from`'s day to the start of `to`'s day;
    // negative when `to` lies on an earlier day.
    int daysBetween(const QDateTime& from, const QDateTime& to) const;

    // The instant with these wall-clock components in this calendar's zone;
    // absent when the components are out of range.
    std::optional<QDateTime> date(const DateComponents& components) const;

    // Wall-clock components of `instant` in this calendar's zone.
    DateComponents components(const QDateTime& instant) const;

    // The zone's offset from UTC at `instant`, in milliseconds (0 when the
    // instant is invalid).
    qint64 utcOffsetMs(const QDateTime& instant) const;

    struct OffsetChange {
        QDateTime at;  // first instant with the new offset
        qint64 offsetBeforeMs;
        qint64 offsetAfterMs;
    };
    // The instants after `from`, up to and including `to`, at which the
    // zone's UTC offset changes, in order (changes of name alone are skipped).
    QList<OffsetChange> offsetChanges(const QDateTime& from, const QDateTime& to) const;

private:
    std::shared_ptr<const icu::Calendar> m_prototype;
};

}  // namespace tabrino
