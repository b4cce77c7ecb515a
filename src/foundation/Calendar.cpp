// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Calendar.h"

#include "foundation/SystemLocale.h"

#include <QTimeZone>

#include <unicode/basictz.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tztrans.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <mutex>
#include <utility>

namespace tabrino {

namespace {

using WorkingCalendar = std::unique_ptr<icu::Calendar>;

// ICU's own range is wider, but its day arithmetic runs on 32-bit julian day
// numbers; staying within about 190 000 years of 1970 keeps every step clear
// of overflow and day counts within `int`.
constexpr double kMaxMillis = 6.0e15;
constexpr qint64 kMaxYear = 190000;
constexpr qint64 kEpochJulianDay = 2440588;  // 1 January 1970
constexpr qint64 kMaxDaysFromEpoch = static_cast<qint64>(kMaxMillis / 86400000) + 1;

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

icu::UnicodeString toUnicode(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const char16_t*>(text.constData()), static_cast<int32_t>(text.size()));
}

QString fromUnicode(const icu::UnicodeString& text)
{
    return QString::fromUtf16(text.getBuffer(), text.length());
}

std::optional<UDate> toUDate(const QDateTime& instant)
{
    if (!instant.isValid())
        return std::nullopt;
    const auto millis = static_cast<double>(instant.toMSecsSinceEpoch());
    if (std::fabs(millis) > kMaxMillis)
        return std::nullopt;
    return millis;
}

std::optional<QDateTime> toInstant(UDate millis)
{
    if (!std::isfinite(millis) || std::fabs(millis) > kMaxMillis)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(millis), Qt::UTC);
}

bool isKnownZone(const QString& id)
{
    if (id.isEmpty())
        return false;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString canonical;
    UBool isSystemId = false;
    icu::TimeZone::getCanonicalID(toUnicode(id), canonical, isSystemId, status);
    return U_SUCCESS(status) && isSystemId;
}

std::shared_ptr<const icu::Calendar> makePrototype(const QString& zoneId, int firstWeekday)
{
    std::unique_ptr<icu::TimeZone> zone(
        icu::TimeZone::createTimeZone(toUnicode(isKnownZone(zoneId) ? zoneId : QStringLiteral("UTC"))));
    if (!zone)
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    // The root locale only supplies week rules, which are set explicitly.
    auto calendar = std::make_shared<icu::GregorianCalendar>(zone.release(), icu::Locale::getRoot(), status);
    if (U_FAILURE(status))
        return nullptr;
    calendar->setFirstDayOfWeek(static_cast<UCalendarDaysOfWeek>(firstWeekday));
    // Lenient fields, and a wall time inside a daylight-saving gap is read
    // with the offset before the gap, which moves it forward by the gap.
    calendar->setLenient(true);
    calendar->setSkippedWallTimeOption(UCAL_WALLTIME_LAST);
    calendar->setRepeatedWallTimeOption(UCAL_WALLTIME_LAST);
    return calendar;
}

// Creating an ICU calendar loads zone data and costs tens of microseconds;
// `Calendar::current()` is built whenever a figure is computed, so prototypes
// are shared per zone and first weekday. Prototypes are never modified after
// creation; every operation works on a clone.
std::shared_ptr<const icu::Calendar> prototypeFor(const QString& zoneId, int firstWeekday)
{
    static std::mutex mutex;
    static std::map<std::pair<QString, int>, std::shared_ptr<const icu::Calendar>> cache;

    const std::lock_guard lock(mutex);
    auto key = std::make_pair(zoneId, firstWeekday);
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;
    auto prototype = makePrototype(zoneId, firstWeekday);
    if (!prototype)
        return nullptr;
    // Zone ids come from callers; keep the cache bounded whatever they pass.
    if (cache.size() >= 256)
        cache.clear();
    cache.emplace(std::move(key), prototype);
    return prototype;
}

WorkingCalendar working(const std::shared_ptr<const icu::Calendar>& prototype)
{
    return WorkingCalendar(prototype ? prototype->clone() : nullptr);
}

int monthLength(const icu::Calendar& calendar, int32_t extendedYear, int32_t month0)
{
    // Same rule as ICU's own month length, including the Julian leap years
    // before the Gregorian cutover.
    const bool leap = static_cast<const icu::GregorianCalendar&>(calendar).isLeapYear(extendedYear);
    return kMonthLengths[month0] + (month0 == 1 && leap ? 1 : 0);
}

void setWallTime(icu::Calendar& calendar, int32_t extendedYear, int32_t month0, int32_t day, int32_t hour,
                 int32_t minute, int32_t second, int32_t millisecond)
{
    calendar.clear();
    calendar.set(UCAL_EXTENDED_YEAR, extendedYear);
    calendar.set(UCAL_MONTH, month0);
    calendar.set(UCAL_DATE, day);
    calendar.set(UCAL_HOUR_OF_DAY, hour);
    calendar.set(UCAL_MINUTE, minute);
    calendar.set(UCAL_SECOND, second);
    calendar.set(UCAL_MILLISECOND, millisecond);
}

// Months are added through the fields rather than icu::Calendar::add: the
// result is the same (month arithmetic, day pinned to the month's end, wall
// time kept), but ICU's pinning clones the calendar and recomputes it once
// more, which doubles the cost of every monthly step.
std::optional<QDateTime> addMonths(icu::Calendar& calendar, UDate start, qint64 months)
{
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(start, status);
    const int32_t year = calendar.get(UCAL_EXTENDED_YEAR, status);
    const int32_t month0 = calendar.get(UCAL_MONTH, status);
    const int32_t day = calendar.get(UCAL_DATE, status);
    const int32_t hour = calendar.get(UCAL_HOUR_OF_DAY, status);
    const int32_t minute = calendar.get(UCAL_MINUTE, status);
    const int32_t second = calendar.get(UCAL_SECOND, status);
    const int32_t millisecond = calendar.get(UCAL_MILLISECOND, status);
    if (U_FAILURE(status))
        return std::nullopt;

    const qint64 target = qint64(year) * 12 + month0 + months;
    const qint64 targetYear = target >= 0 ? target / 12 : -((-target + 11) / 12);
    if (targetYear > kMaxYear || targetYear < -kMaxYear)
        return std::nullopt;
    const auto targetMonth0 = static_cast<int32_t>(target - targetYear * 12);
    const auto year32 = static_cast<int32_t>(targetYear);
    const int32_t targetDay = std::min(day, monthLength(calendar, year32, targetMonth0));

    setWallTime(calendar, year32, targetMonth0, targetDay, hour, minute, second, millisecond);
    const UDate result = calendar.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return toInstant(result);
}

// Days are added to the local date, keeping the wall-clock time, rather than
// through icu::Calendar::add: that adds elapsed time and corrects the UTC
// offset only modulo a day, so across a day the zone skipped (Pacific/Apia,
// 30 December 2011) it lands a day late, and a long step there moves the time
// of day as well.
std::optional<QDateTime> addDays(icu::Calendar& calendar, UDate start, qint64 days)
{
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(start, status);
    const qint64 julianDay = qint64(calendar.get(UCAL_JULIAN_DAY, status)) + days;
    const int32_t wallTime = calendar.get(UCAL_MILLISECONDS_IN_DAY, status);
    if (U_FAILURE(status) || std::abs(julianDay - kEpochJulianDay) > kMaxDaysFromEpoch)
        return std::nullopt;
    calendar.clear();
    calendar.set(UCAL_JULIAN_DAY, static_cast<int32_t>(julianDay));
    calendar.set(UCAL_MILLISECONDS_IN_DAY, wallTime);
    const UDate result = calendar.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return toInstant(result);
}

QString systemTimeZoneId()
{
    QString id = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    if (id.startsWith(u':'))
        id.remove(0, 1);
    // TZ may name a file such as /usr/share/zoneinfo/Europe/Berlin.
    const QString zoneinfo = QStringLiteral("zoneinfo/");
    if (const auto at = id.lastIndexOf(zoneinfo); at >= 0)
        id = id.mid(at + zoneinfo.size());
    if (isKnownZone(id))
        return id;
    // Let ICU try its own detection (it also reads /etc/localtime).
    std::unique_ptr<icu::TimeZone> host(icu::TimeZone::detectHostTimeZone());
    if (host) {
        icu::UnicodeString hostId;
        host->getID(hostId);
        id = fromUnicode(hostId);
        if (isKnownZone(id))
            return id;
    }
    return QStringLiteral("UTC");
}

int firstWeekdayOfLocale(const QString& localeId)
{
    static std::mutex mutex;
    static QString cachedLocale;
    static int cachedWeekday = 0;

    const std::lock_guard lock(mutex);
    if (cachedWeekday != 0 && cachedLocale == localeId)
        return cachedWeekday;
    UErrorCode status = U_ZERO_ERROR;
    const icu::GregorianCalendar calendar(icu::Locale(localeId.toLatin1().constData()), status);
    int weekday = U_SUCCESS(status) ? static_cast<int>(calendar.getFirstDayOfWeek(status)) : 1;
    if (U_FAILURE(status) || weekday < 1 || weekday > 7)
        weekday = 1;
    cachedLocale = localeId;
    cachedWeekday = weekday;
    return weekday;
}

}  // namespace

Calendar::Calendar(const QString& timeZoneId, int firstWeekday)
    : m_prototype(prototypeFor(timeZoneId, firstWeekday >= 1 && firstWeekday <= 7 ? firstWeekday : 1))
{
}

Calendar Calendar::current()
{
    return Calendar(systemTimeZoneId(), firstWeekdayOfLocale(SystemLocale::timeLocaleId()));
}

QString Calendar::timeZoneId() const
{
    if (!m_prototype)
        return QStringLiteral("UTC");
    icu::UnicodeString id;
    m_prototype->getTimeZone().getID(id);
    return fromUnicode(id);
}

int Calendar::firstWeekday() const
{
    if (!m_prototype)
        return 1;
    UErrorCode status = U_ZERO_ERROR;
    return static_cast<int>(m_prototype->getFirstDayOfWeek(status));
}

QDateTime Calendar::startOfDay(const QDateTime& instant) const
{
    const auto start = toUDate(instant);
    auto calendar = working(m_prototype);
    if (!start || !calendar)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(*start, status);
    const int32_t year = calendar->get(UCAL_EXTENDED_YEAR, status);
    const int32_t month0 = calendar->get(UCAL_MONTH, status);
    const int32_t day = calendar->get(UCAL_DATE, status);
    if (U_FAILURE(status))
        return {};
    // Where midnight is skipped the day begins when the gap ends; where the
    // first hour repeats it begins at its first occurrence.
    calendar->setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
    calendar->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    setWallTime(*calendar, year, month0, day, 0, 0, 0, 0);
    const UDate result = calendar->getTime(status);
    if (U_FAILURE(status))
        return {};
    return toInstant(result).value_or(QDateTime());
}

std::optional<QDateTime> Calendar::adding(CalendarUnit unit, qint64 count, const QDateTime& instant) const
{
    if (count < std::numeric_limits<int32_t>::min() || count > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    const auto start = toUDate(instant);
    auto calendar = working(m_prototype);
    if (!start || !calendar)
        return std::nullopt;
    if (count == 0)
        return toInstant(*start);
    switch (unit) {
    case CalendarUnit::Day: return addDays(*calendar, *start, count);
    case CalendarUnit::Month: return addMonths(*calendar, *start, count);
    case CalendarUnit::Year: return addMonths(*calendar, *start, count * 12);
    }
    return std::nullopt;
}

int Calendar::daysBetween(const QDateTime& from, const QDateTime& to) const
{
    // The difference of the local days' julian day numbers. Counting whole
    // days with icu::Calendar::fieldDifference from start of day to start of
    // day undercounts when the first day starts after 00:00 (a midnight
    // daylight-saving gap): adding one day then overshoots the next midnight.
    const auto fromMillis = toUDate(from);
    const auto toMillis = toUDate(to);
    auto calendar = working(m_prototype);
    if (!fromMillis || !toMillis || !calendar)
        return 0;
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(*fromMillis, status);
    const int32_t fromDay = calendar->get(UCAL_JULIAN_DAY, status);
    calendar->setTime(*toMillis, status);
    const int32_t toDay = calendar->get(UCAL_JULIAN_DAY, status);
    if (U_FAILURE(status))
        return 0;
    return toDay - fromDay;
}

std::optional<QDateTime> Calendar::date(const DateComponents& components) const
{
    auto calendar = working(m_prototype);
    if (!calendar)
        return std::nullopt;
    // Validated here rather than by a non-lenient ICU calendar, which would
    // also reject a valid date whose wall time falls into a gap.
    if (components.year > kMaxYear || components.year < -kMaxYear || components.month < 1 || components.month > 12
        || components.hour < 0 || components.hour > 23 || components.minute < 0 || components.minute > 59
        || components.day < 1 || components.day > monthLength(*calendar, components.year, components.month - 1)) {
        return std::nullopt;
    }
    setWallTime(*calendar, components.year, components.month - 1, components.day, components.hour, components.minute, 0,
                0);
    UErrorCode status = U_ZERO_ERROR;
    const UDate result = calendar->getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return toInstant(result);
}

DateComponents Calendar::components(const QDateTime& instant) const
{
    const auto millis = toUDate(instant);
    auto calendar = working(m_prototype);
    if (!millis || !calendar)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(*millis, status);
    DateComponents result;
    result.year = calendar->get(UCAL_EXTENDED_YEAR, status);
    result.month = calendar->get(UCAL_MONTH, status) + 1;
    result.day = calendar->get(UCAL_DATE, status);
    result.hour = calendar->get(UCAL_HOUR_OF_DAY, status);
    result.minute = calendar->get(UCAL_MINUTE, status);
    return U_SUCCESS(status) ? result : DateComponents{};
}

qint64 Calendar::utcOffsetMs(const QDateTime& instant) const
{
    const auto millis = toUDate(instant);
    if (!millis)
        return 0;
    UErrorCode status = U_ZERO_ERROR;
    int32_t raw = 0;
    int32_t dst = 0;
    m_prototype->getTimeZone().getOffset(*millis, false, raw, dst, status);
    return U_SUCCESS(status) ? qint64(raw) + dst : 0;
}

QList<Calendar::OffsetChange> Calendar::offsetChanges(const QDateTime& from, const QDateTime& to) const
{
    QList<OffsetChange> changes;
    auto millis = toUDate(from);
    const auto end = toUDate(to);
    const auto* zone = dynamic_cast<const icu::BasicTimeZone*>(&m_prototype->getTimeZone());
    if (!millis || !end || !zone)
        return changes;
    // The bound only guards against looping on damaged zone data.
    for (int i = 0; i < 100000; ++i) {
        icu::TimeZoneTransition transition;
        if (!zone->getNextTransition(*millis, false, transition) || transition.getTime() > *end)
            break;
        *millis = transition.getTime();
        const icu::TimeZoneRule* before = transition.getFrom();
        const icu::TimeZoneRule* after = transition.getTo();
        if (!before || !after)
            break;
        const qint64 offsetBefore = qint64(before->getRawOffset()) + before->getDSTSavings();
        const qint64 offsetAfter = qint64(after->getRawOffset()) + after->getDSTSavings();
        if (offsetBefore != offsetAfter)  // some transitions only rename the zone
            changes << OffsetChange{*toInstant(*millis), offsetBefore, offsetAfter};
    }
    return changes;
}

}  // namespace tabrino
