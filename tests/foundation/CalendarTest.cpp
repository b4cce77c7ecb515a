// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Calendar.h"
#include "support/EnvironmentGuard.h"

#include <QDateTime>
#include <QTimeZone>

#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

using tabrino::Calendar;
using tabrino::CalendarUnit;
using tabrino::DateComponents;

namespace {

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

// ISO text in UTC, so that failures print readably and a wrong time spec shows.
std::string iso(const std::optional<QDateTime>& instant)
{
    if (!instant)
        return "absent";
    if (!instant->isValid())
        return "invalid";
    const QString text = instant->toString(Qt::ISODateWithMs);
    return (instant->timeSpec() == Qt::UTC ? text : text + QStringLiteral(" (not UTC)")).toStdString();
}

std::string iso(const QDateTime& instant)
{
    return iso(std::optional<QDateTime>(instant));
}

// The local date and time of `instant` in `calendar`'s zone.
std::string wallClock(const Calendar& calendar, const QDateTime& instant)
{
    const DateComponents parts = calendar.components(instant);
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(parts.year, 4, 10, QLatin1Char('0'))
        .arg(parts.month, 2, 10, QLatin1Char('0'))
        .arg(parts.day, 2, 10, QLatin1Char('0'))
        .arg(parts.hour, 2, 10, QLatin1Char('0'))
        .arg(parts.minute, 2, 10, QLatin1Char('0'))
        .toStdString();
}

Calendar berlin()
{
    return Calendar(QStringLiteral("Europe/Berlin"), 2);
}

Calendar newYork()
{
    return Calendar(QStringLiteral("America/New_York"), 1);
}

}  // namespace

TEST(Calendar, MonthsClampToMonthEndAndFollowLeapYears)
{
    const Calendar calendar = berlin();
    // 09:00 in Berlin throughout.
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Month, 1, utc(2025, 1, 31, 8))), "2025-02-28T08:00:00.000Z");
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Month, 1, utc(2024, 1, 31, 8))), "2024-02-29T08:00:00.000Z");
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Month, 3, utc(2024, 11, 30, 8))), "2025-02-28T08:00:00.000Z");
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Month, -1, utc(2024, 3, 31, 7))), "2024-02-29T08:00:00.000Z");

    // Stepping from the previous result drifts to the 28th and stays there;
    // the last step crosses into summer time and keeps 09:00.
    QDateTime cursor = utc(2025, 1, 31, 8);
    std::vector<std::string> steps;
    for (int i = 0; i < 3; ++i) {
        cursor = calendar.adding(CalendarUnit::Month, 1, cursor).value_or(QDateTime());
        steps.push_back(iso(cursor));
    }
    EXPECT_EQ(
        steps,
        (std::vector<std::string>{"2025-02-28T08:00:00.000Z", "2025-03-28T08:00:00.000Z", "2025-04-28T07:00:00.000Z"}));

    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Year, 1, utc(2024, 2, 29, 8))), "2025-02-28T08:00:00.000Z");
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Year, 4, utc(2024, 2, 29, 8))), "2028-02-29T08:00:00.000Z");
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Day, 7, utc(2024, 12, 28, 8))), "2025-01-04T08:00:00.000Z");

    // Any time spec in, UTC out, milliseconds kept.
    const QDateTime withOffset(QDate(2025, 1, 31), QTime(9, 0, 0, 250), Qt::OffsetFromUTC, 3600);
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Month, 1, withOffset)), "2025-02-28T08:00:00.250Z");
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Day, 0, withOffset)), "2025-01-31T08:00:00.250Z");
}

TEST(Calendar, AddingKeepsWallClockAcrossDaylightSavingChanges)
{
    const Calendar berlinCalendar = berlin();
    const Calendar newYorkCalendar = newYork();

    // 09:00 the day before each change, 09:00 the day after.
    EXPECT_EQ(iso(berlinCalendar.adding(CalendarUnit::Day, 1, utc(2025, 3, 29, 8))), "2025-03-30T07:00:00.000Z");
    EXPECT_EQ(iso(berlinCalendar.adding(CalendarUnit::Day, 1, utc(2025, 10, 25, 7))), "2025-10-26T08:00:00.000Z");
    EXPECT_EQ(iso(newYorkCalendar.adding(CalendarUnit::Day, 1, utc(2025, 3, 8, 14))), "2025-03-09T13:00:00.000Z");
    EXPECT_EQ(iso(newYorkCalendar.adding(CalendarUnit::Day, 1, utc(2025, 11, 1, 13))), "2025-11-02T14:00:00.000Z");
    EXPECT_EQ(iso(newYorkCalendar.adding(CalendarUnit::Day, -1, utc(2025, 11, 2, 14))), "2025-11-01T13:00:00.000Z");
    EXPECT_EQ(iso(newYorkCalendar.adding(CalendarUnit::Month, 1, utc(2025, 2, 15, 14))), "2025-03-15T13:00:00.000Z");

    // A wall time that lands in the gap moves forward by the gap: 02:30 becomes 03:30.
    const auto intoBerlinGap = berlinCalendar.adding(CalendarUnit::Day, 1, utc(2025, 3, 29, 1, 30));
    EXPECT_EQ(iso(intoBerlinGap), "2025-03-30T01:30:00.000Z");
    EXPECT_EQ(wallClock(berlinCalendar, intoBerlinGap.value_or(QDateTime())), "2025-03-30 03:30");
    EXPECT_EQ(iso(newYorkCalendar.adding(CalendarUnit::Month, 1, utc(2025, 2, 9, 7, 30))), "2025-03-09T07:30:00.000Z");
    EXPECT_EQ(iso(berlinCalendar.date({2025, 3, 30, 2, 30})), "2025-03-30T01:30:00.000Z");
    EXPECT_EQ(iso(newYorkCalendar.date({2025, 3, 9, 2, 15})), "2025-03-09T07:15:00.000Z");
}

// Samoa moved across the date line at the end of 2011: Thursday 29 December
// (UTC-10) was followed by Saturday 31 December (UTC+14).
TEST(Calendar, AddingDaysMovesTheLocalDateAcrossASkippedDay)
{
    const Calendar apia(QStringLiteral("Pacific/Apia"));

    // Monday 26 December 12:00, a week on: Monday 2 January 12:00.
    const QDateTime monday = apia.date({2011, 12, 26, 12, 0}).value_or(QDateTime());
    EXPECT_EQ(iso(monday), "2011-12-26T22:00:00.000Z");
    const QDateTime nextWeek = apia.adding(CalendarUnit::Day, 7, monday).value_or(QDateTime());
    EXPECT_EQ(iso(nextWeek), "2012-01-01T22:00:00.000Z");
    EXPECT_EQ(wallClock(apia, nextWeek), "2012-01-02 12:00");
    EXPECT_EQ(apia.daysBetween(monday, nextWeek), 7);
    EXPECT_EQ(iso(apia.adding(CalendarUnit::Day, -7, nextWeek)), iso(monday));
    EXPECT_EQ(iso(apia.adding(CalendarUnit::Day, 14, monday)), "2012-01-08T22:00:00.000Z");

    // 30 December has no wall times at all: a step onto it moves forward by
    // the whole skipped day, to 31 December at the same time.
    const QDateTime thursday = apia.date({2011, 12, 29, 12, 0}).value_or(QDateTime());
    const QDateTime ontoSkippedDay = apia.adding(CalendarUnit::Day, 1, thursday).value_or(QDateTime());
    EXPECT_EQ(iso(ontoSkippedDay), "2011-12-30T22:00:00.000Z");
    EXPECT_EQ(wallClock(apia, ontoSkippedDay), "2011-12-31 12:00");

    // From UTC-11 (no summer time) to UTC+14 (summer time): a long step
    // keeps the time of day although the offset grew by 25 hours.
    const QDateTime september = apia.date({2011, 9, 1, 12, 0}).value_or(QDateTime());
    const QDateTime longStep = apia.adding(CalendarUnit::Day, 400, september).value_or(QDateTime());
    EXPECT_EQ(iso(longStep), "2012-10-04T22:00:00.000Z");
    EXPECT_EQ(wallClock(apia, longStep), "2012-10-05 12:00");
    EXPECT_EQ(apia.daysBetween(september, longStep), 400);
}

// Adding n days must equal building the date n days on, at the same wall
// time, from its components: in zones with daylight-saving gaps and repeats,
// at midnight and at half hours, and across days some zones skipped
// (Apia 2011, Kiritimati 1994, Kwajalein 1993).
TEST(Calendar, AddingDaysEqualsTheDateThatManyDaysOn)
{
    const char* const zones[] = {"Europe/Berlin",       "America/New_York", "America/Sao_Paulo",  "America/Havana",
                                 "Australia/Lord_Howe", "Pacific/Apia",     "Pacific/Kiritimati", "Pacific/Kwajalein"};
    const int counts[] = {1, -1, 7, -7, 45, 400, -400, 3653};
    const int minutesOfDay[] = {0, 30, 60, 90, 150, 12 * 60, 23 * 60 + 30};
    std::mt19937 random(20111230);
    for (const char* zone : zones) {
        const Calendar calendar(QString::fromLatin1(zone));
        int mismatches = 0;
        for (int i = 0; i < 400 && mismatches < 3; ++i) {
            // Days from 1990 to 2015, so that every skipped day above is crossed.
            const QDate day = QDate(1990, 1, 1).addDays(qint64(random() % (25 * 365)));
            const int minute = minutesOfDay[random() % std::size(minutesOfDay)];
            const auto start = calendar.date({day.year(), day.month(), day.day(), minute / 60, minute % 60});
            if (!start)
                continue;
            const DateComponents from = calendar.components(*start);
            for (const int count : counts) {
                const QDate target = QDate(from.year, from.month, from.day).addDays(count);
                const auto expected =
                    calendar.date({target.year(), target.month(), target.day(), from.hour, from.minute});
                const auto actual = calendar.adding(CalendarUnit::Day, count, *start);
                if (iso(actual) != iso(expected)) {
                    ++mismatches;
                    ADD_FAILURE() << zone << " " << iso(*start) << " + " << count << " days: " << iso(actual)
                                  << ", expected " << iso(expected);
                }
            }
        }
    }
}

TEST(Calendar, StartOfDayIsTheFirstInstantOfTheLocalDay)
{
    const Calendar berlinCalendar = berlin();
    EXPECT_EQ(iso(berlinCalendar.startOfDay(utc(2025, 6, 15, 14))), "2025-06-14T22:00:00.000Z");
    EXPECT_EQ(iso(berlinCalendar.startOfDay(utc(2025, 3, 30, 12))), "2025-03-29T23:00:00.000Z");

    // São Paulo skipped midnight on 4 Nov 2018: the day began at 01:00.
    const Calendar saoPaulo(QStringLiteral("America/Sao_Paulo"));
    const QDateTime gapDayStart = saoPaulo.startOfDay(utc(2018, 11, 4, 12));
    EXPECT_EQ(iso(gapDayStart), "2018-11-04T03:00:00.000Z");
    EXPECT_EQ(saoPaulo.components(gapDayStart).day, 4);
    EXPECT_EQ(saoPaulo.components(gapDayStart).hour, 1);
    EXPECT_EQ(iso(saoPaulo.startOfDay(gapDayStart)), "2018-11-04T03:00:00.000Z");
    EXPECT_EQ(iso(saoPaulo.startOfDay(utc(2018, 11, 3, 12))), "2018-11-03T03:00:00.000Z");
    // A date at midnight of that day moves forward to 01:00 as well.
    EXPECT_EQ(iso(saoPaulo.date({2018, 11, 4, 0, 0})), "2018-11-04T03:00:00.000Z");

    // Santiago also moves its clocks at midnight.
    const Calendar santiago(QStringLiteral("America/Santiago"));
    EXPECT_EQ(iso(santiago.startOfDay(utc(2022, 9, 11, 12))), "2022-09-11T04:00:00.000Z");

    // Havana turns 01:00 back to 00:00, so the first hour repeats; the day
    // began at the first 00:00, also when asked during the second pass.
    const Calendar havana(QStringLiteral("America/Havana"));
    EXPECT_EQ(iso(havana.startOfDay(utc(2023, 11, 5, 4, 30))), "2023-11-05T04:00:00.000Z");
    EXPECT_EQ(iso(havana.startOfDay(utc(2023, 11, 5, 5, 30))), "2023-11-05T04:00:00.000Z");

    EXPECT_FALSE(berlinCalendar.startOfDay(QDateTime()).isValid());
}

TEST(Calendar, DaysBetweenCountsLocalDays)
{
    const Calendar berlinCalendar = berlin();
    // 23-hour and 25-hour days count as one day each.
    EXPECT_EQ(berlinCalendar.daysBetween(utc(2025, 3, 29, 11), utc(2025, 3, 30, 10)), 1);
    EXPECT_EQ(berlinCalendar.daysBetween(utc(2025, 10, 25, 10), utc(2025, 10, 26, 11)), 1);
    EXPECT_EQ(berlinCalendar.daysBetween(utc(2025, 10, 26, 11), utc(2025, 10, 25, 10)), -1);
    EXPECT_EQ(newYork().daysBetween(utc(2025, 3, 9, 4, 30), utc(2025, 3, 10, 3, 30)), 1);

    // 23:00 to 01:00 the next day (both on 10 June in UTC) is one day;
    // to earlier the same day, none.
    EXPECT_EQ(berlinCalendar.daysBetween(utc(2025, 6, 10, 21), utc(2025, 6, 10, 23)), 1);
    EXPECT_EQ(berlinCalendar.daysBetween(utc(2025, 6, 10, 21), utc(2025, 6, 10, 6)), 0);
    EXPECT_EQ(berlinCalendar.daysBetween(utc(2025, 6, 10, 23), utc(2025, 6, 10, 21)), -1);

    // From a day that began at 01:00 to the next one, which begins at 00:00.
    const Calendar saoPaulo(QStringLiteral("America/Sao_Paulo"));
    EXPECT_EQ(saoPaulo.daysBetween(utc(2018, 11, 4, 3), utc(2018, 11, 5, 2)), 1);
    EXPECT_EQ(saoPaulo.daysBetween(utc(2018, 11, 3, 15), utc(2018, 11, 4, 14)), 1);

    EXPECT_EQ(Calendar(QStringLiteral("UTC")).daysBetween(utc(2024, 1, 1, 12), utc(2025, 1, 1, 12)), 366);
    EXPECT_EQ(berlinCalendar.daysBetween(QDateTime(), utc(2025, 1, 1)), 0);
}

TEST(Calendar, DateValidatesComponentsAndComponentsRoundTrip)
{
    const Calendar calendar = berlin();
    EXPECT_EQ(iso(calendar.date({2025, 7, 1, 9, 0})), "2025-07-01T07:00:00.000Z");
    EXPECT_EQ(iso(calendar.date({2024, 2, 29, 0, 0})), "2024-02-28T23:00:00.000Z");

    EXPECT_FALSE(calendar.date({2025, 2, 29, 9, 0}));
    EXPECT_FALSE(calendar.date({2025, 13, 1, 9, 0}));
    EXPECT_FALSE(calendar.date({2025, 0, 1, 9, 0}));
    EXPECT_FALSE(calendar.date({2025, 1, 32, 9, 0}));
    EXPECT_FALSE(calendar.date({2025, 4, 31, 9, 0}));
    EXPECT_FALSE(calendar.date({2025, 1, 1, 24, 0}));
    EXPECT_FALSE(calendar.date({2025, 1, 1, 9, 60}));
    EXPECT_FALSE(calendar.date({2'000'000'000, 1, 1, 9, 0}));

    const DateComponents parts = calendar.components(utc(2025, 10, 26, 0, 45));
    EXPECT_EQ(parts.year, 2025);
    EXPECT_EQ(parts.month, 10);
    EXPECT_EQ(parts.day, 26);
    EXPECT_EQ(parts.hour, 2);
    EXPECT_EQ(parts.minute, 45);
    EXPECT_EQ(calendar.components(QDateTime()).year, 0);
}

TEST(Calendar, NextOffsetChange)
{
    const Calendar calendar = berlin();
    // Last Sunday of March and of October, 01:00 UTC.
    const auto changes = calendar.offsetChanges(utc(2025, 1, 1), utc(2025, 12, 31));
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(iso(changes[0].at), "2025-03-30T01:00:00.000Z");
    EXPECT_EQ(changes[0].offsetBeforeMs, 3600000);
    EXPECT_EQ(changes[0].offsetAfterMs, 7200000);
    EXPECT_EQ(iso(changes[1].at), "2025-10-26T01:00:00.000Z");
    // Strictly after `from`, up to and including `to`.
    EXPECT_EQ(calendar.offsetChanges(utc(2025, 3, 30, 1), utc(2025, 10, 26, 1)).size(), 1);
    EXPECT_EQ(calendar.offsetChanges(utc(2025, 3, 30, 1).addMSecs(-1), utc(2025, 10, 26, 1).addMSecs(-1)).size(), 1);
    EXPECT_EQ(iso(newYork().offsetChanges(utc(2025, 6, 1), utc(2026, 1, 1)).value(0).at), "2025-11-02T06:00:00.000Z");
    EXPECT_EQ(calendar.utcOffsetMs(utc(2025, 7, 1)), 7200000);
    EXPECT_EQ(newYork().utcOffsetMs(utc(2025, 1, 1)), -5 * 3600000);

    // In October 1968 British Summer Time became British Standard Time: a
    // new rule with the same offset, which is no change at all.
    const auto london = Calendar(QStringLiteral("Europe/London")).offsetChanges(utc(1968, 6, 1), utc(1972, 1, 1));
    EXPECT_EQ(iso(london.value(0).at), "1971-10-31T02:00:00.000Z");

    EXPECT_TRUE(Calendar(QStringLiteral("UTC")).offsetChanges(utc(2025, 1, 1), utc(2030, 1, 1)).isEmpty());
    EXPECT_TRUE(Calendar(QStringLiteral("Asia/Tokyo")).offsetChanges(utc(2025, 1, 1), utc(2030, 1, 1)).isEmpty());
    EXPECT_TRUE(calendar.offsetChanges(QDateTime(), utc(2030, 1, 1)).isEmpty());
}

TEST(Calendar, ZoneAndWeekdayIdentity)
{
    const Calendar calendar = berlin();
    EXPECT_EQ(calendar.timeZoneId(), QStringLiteral("Europe/Berlin"));
    EXPECT_EQ(calendar.firstWeekday(), 2);
    EXPECT_EQ(Calendar(QStringLiteral("Europe/Berlin"), 9).firstWeekday(), 1);

    // Unknown ids fall back to UTC.
    const Calendar unknown(QStringLiteral("Mars/Olympus_Mons"), 2);
    EXPECT_EQ(unknown.timeZoneId(), QStringLiteral("UTC"));
    EXPECT_EQ(unknown.firstWeekday(), 2);
    EXPECT_EQ(iso(unknown.startOfDay(utc(2025, 6, 15, 23, 30))), "2025-06-15T00:00:00.000Z");
}

TEST(Calendar, AddingRefusesWhatCannotBeComputed)
{
    const Calendar calendar = berlin();
    const QDateTime start = utc(2025, 1, 31, 8);
    constexpr qint64 maxInt32 = std::numeric_limits<int32_t>::max();
    EXPECT_FALSE(calendar.adding(CalendarUnit::Day, maxInt32 + 1, start));
    EXPECT_FALSE(calendar.adding(CalendarUnit::Month, -maxInt32 - 2, start));
    // In int32 range, but far beyond any representable date: absent, not pinned.
    EXPECT_FALSE(calendar.adding(CalendarUnit::Day, maxInt32, start));
    EXPECT_FALSE(calendar.adding(CalendarUnit::Year, 2'000'000'000, start));
    EXPECT_FALSE(calendar.adding(CalendarUnit::Month, -maxInt32, start));
    EXPECT_FALSE(calendar.adding(CalendarUnit::Month, 1, QDateTime()));
    EXPECT_EQ(iso(calendar.adding(CalendarUnit::Year, 1000, start)), "3025-01-31T08:00:00.000Z");
}

// Months are added through the calendar fields instead of icu::Calendar::add;
// the results must be identical, in zones with gaps and repeats at different
// hours, including a 30-minute shift (Lord Howe).
TEST(Calendar, MonthArithmeticMatchesIcu)
{
    const char* const zones[] = {"Europe/Berlin",  "America/New_York", "America/Sao_Paulo",
                                 "America/Havana", "Asia/Beirut",      "Australia/Lord_Howe"};
    const int counts[] = {1, -1, 3, 12, -25};
    const qint64 begin = utc(2016, 1, 1).toMSecsSinceEpoch();
    const qint64 end = utc(2026, 1, 1).toMSecsSinceEpoch();
    const qint64 step = (19 * 60 + 7) * 60 * 1000 + 321;
    for (const char* zone : zones) {
        const Calendar calendar(QString::fromLatin1(zone));
        UErrorCode status = U_ZERO_ERROR;
        icu::GregorianCalendar reference(icu::TimeZone::createTimeZone(zone), icu::Locale::getRoot(), status);
        ASSERT_TRUE(U_SUCCESS(status));
        int mismatches = 0;
        for (qint64 millis = begin; millis < end && mismatches < 3; millis += step) {
            for (const int count : counts) {
                reference.setTime(static_cast<UDate>(millis), status);
                reference.add(UCAL_MONTH, count, status);
                const auto expected = static_cast<qint64>(reference.getTime(status));
                const auto actual =
                    calendar.adding(CalendarUnit::Month, count, QDateTime::fromMSecsSinceEpoch(millis, Qt::UTC));
                if (!actual || actual->toMSecsSinceEpoch() != expected) {
                    ++mismatches;
                    ADD_FAILURE() << zone << " " << iso(QDateTime::fromMSecsSinceEpoch(millis, Qt::UTC)) << " + "
                                  << count << " months: " << iso(actual) << ", ICU "
                                  << iso(QDateTime::fromMSecsSinceEpoch(expected, Qt::UTC));
                }
            }
        }
        ASSERT_TRUE(U_SUCCESS(status));
    }
}

TEST(Calendar, SharedAcrossThreads)
{
    const Calendar calendar = newYork();
    std::vector<QDateTime> starts;
    std::vector<std::optional<QDateTime>> expected;
    for (int i = 0; i < 400; ++i) {
        starts.push_back(utc(2024, 1, 31, 14).addSecs(qint64(i) * 7 * 3600 + 60));
        expected.push_back(calendar.adding(CalendarUnit::Month, 1 + i % 5, starts.back()));
    }
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 60; ++round) {
                for (std::size_t i = 0; i < starts.size(); ++i) {
                    if (calendar.adding(CalendarUnit::Month, 1 + int(i % 5), starts[i]) != expected[i])
                        ++wrong[t];
                }
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

TEST(Calendar, CurrentReadsSystemZoneAndLocale)
{
    const tabrino::test::EnvironmentGuard guard{"TZ", "LC_ALL", "LC_TIME", "LANG"};

    qputenv("TZ", "America/New_York");
    qputenv("LC_ALL", "de_DE.UTF-8");
    Calendar current = Calendar::current();
    EXPECT_EQ(current.timeZoneId(), QStringLiteral("America/New_York"));
    EXPECT_EQ(current.firstWeekday(), 2);

    qputenv("TZ", ":Asia/Tokyo");
    qputenv("LC_ALL", "en_US.UTF-8");
    current = Calendar::current();
    EXPECT_EQ(current.timeZoneId(), QStringLiteral("Asia/Tokyo"));
    EXPECT_EQ(current.firstWeekday(), 1);

    qputenv("TZ", "/usr/share/zoneinfo/Europe/Berlin");
    qunsetenv("LC_ALL");
    qputenv("LC_TIME", "ar_EG.UTF-8");
    current = Calendar::current();
    EXPECT_EQ(current.timeZoneId(), QStringLiteral("Europe/Berlin"));
    EXPECT_EQ(current.firstWeekday(), 7);
}
