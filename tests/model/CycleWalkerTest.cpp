// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CycleWalker.h"
#include "support/TestDates.h"

#include <gtest/gtest.h>

#include <random>

using namespace tabrino;

namespace {

// The plain definition the walker must reproduce: one calendar step at a time.
CycleWalker::Walk referenceWalk(const BillingCycle& cycle, const Calendar& calendar, const QDateTime& start,
                                const QDateTime& bound, bool inclusive, qint64 limit)
{
    const CalendarStep step = cycle.calendarStep();
    CycleWalker::Walk walk;
    walk.cursor = start;
    while (walk.steps < limit) {
        const QDateTime next = calendar.adding(step.unit, step.count, walk.cursor).value_or(walk.cursor);
        if (next <= walk.cursor) {
            walk.stop = CycleWalker::Stop::NoProgress;
            return walk;
        }
        if (inclusive ? next > bound : next >= bound) {
            walk.next = next;
            walk.stop = CycleWalker::Stop::Bound;
            return walk;
        }
        walk.cursor = next;
        ++walk.steps;
    }
    walk.stop = CycleWalker::Stop::Limit;
    return walk;
}

}  // namespace

// Random starts (many at awkward wall times near daylight-saving changes),
// cycles and zones; every walk must end exactly where single steps end.
TEST(CycleWalker, matchesSingleSteppingEverywhere)
{
    const QStringList zones{u"UTC"_qs,
                            u"Europe/Berlin"_qs,
                            u"America/New_York"_qs,
                            u"America/Santiago"_qs,
                            u"America/Sao_Paulo"_qs,
                            u"Australia/Lord_Howe"_qs,
                            u"Asia/Beirut"_qs,
                            u"America/Havana"_qs,
                            u"Pacific/Apia"_qs};
    const std::vector<BillingCycle> cycles{BillingCycle::custom(1),  BillingCycle::custom(2), BillingCycle::weekly(),
                                           BillingCycle::custom(45), BillingCycle::monthly(), BillingCycle::quarterly(),
                                           BillingCycle::yearly()};
    std::mt19937_64 random(20261206);
    const qint64 from = test::utc(2005, 1, 1).toMSecsSinceEpoch();
    const qint64 span = qint64(15) * 365 * 86400000;
    // Wall times where zones change their offset: around midnight, 01:00-03:00, and arbitrary.
    const int awkwardMinutes[] = {0, 15, 30, 59, 60, 90, 120, 150, 179, 23 * 60 + 30};

    int compared = 0;
    for (const QString& zone : zones) {
        const Calendar calendar(zone);
        for (const BillingCycle& cycle : cycles) {
            const CycleWalker walker(cycle, calendar);
            for (int i = 0; i < 60; ++i) {
                QDateTime start = QDateTime::fromMSecsSinceEpoch(from + qint64(random() % span), Qt::UTC);
                if (i % 2 == 0) {
                    DateComponents parts = calendar.components(start);
                    const int minute = awkwardMinutes[random() % std::size(awkwardMinutes)];
                    parts.day = 1 + int(random() % 31);
                    parts.hour = minute / 60;
                    parts.minute = minute % 60;
                    start = calendar.date(parts).value_or(start);
                }
                const qint64 length = qint64(random() % (qint64(12) * 365 * 86400000));
                const QDateTime bound = QDateTime::fromMSecsSinceEpoch(start.toMSecsSinceEpoch() + length, Qt::UTC);
                const bool inclusive = random() % 2 == 0;
                const qint64 limit = i % 7 == 0 ? 1 + qint64(random() % 50) : CycleWalker::kStepLimit;

                const CycleWalker::Walk expected = referenceWalk(cycle, calendar, start, bound, inclusive, limit);
                const CycleWalker::Walk actual = walker.walk(start, bound, inclusive, limit);
                const std::string where = zone.toStdString() + " " + cycle.displayName().toStdString() + " from "
                    + start.toString(Qt::ISODateWithMs).toStdString() + " to "
                    + bound.toString(Qt::ISODateWithMs).toStdString();
                ASSERT_EQ(actual.steps, expected.steps) << where;
                ASSERT_EQ(actual.cursor, expected.cursor) << where;
                ASSERT_EQ(actual.stop, expected.stop) << where;
                ASSERT_EQ(actual.next, expected.next) << where;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 9 * 7 * 60);
}

// Samoa skipped Friday 30 December 2011 when it moved across the date line.
// Weekly charges stay on their weekday and time, and walks that jump over
// that day land where single steps do, for every day-based cycle.
TEST(CycleWalker, acrossTheSkippedDayInApia)
{
    const Calendar apia(u"Pacific/Apia"_qs);

    const CycleWalker weekly(BillingCycle::weekly(), apia);
    const QDateTime monday = test::local(apia, 2011, 12, 26, 12);
    const CycleWalker::Walk year = weekly.walk(monday, test::local(apia, 2012, 12, 26, 12), true);
    EXPECT_EQ(year.steps, 52);
    EXPECT_EQ(year.cursor, test::local(apia, 2012, 12, 24, 12));
    EXPECT_EQ(year.next, test::local(apia, 2012, 12, 31, 12));
    EXPECT_EQ(weekly.step(monday), test::local(apia, 2012, 1, 2, 12));
    EXPECT_EQ(apia.daysBetween(monday, weekly.step(monday)), 7);

    const std::vector<BillingCycle> cycles{BillingCycle::custom(1), BillingCycle::custom(2), BillingCycle::weekly(),
                                           BillingCycle::custom(45), BillingCycle::custom(400)};
    const int minutesOfDay[] = {0, 30, 12 * 60, 23 * 60 + 30};
    int compared = 0;
    for (const BillingCycle& cycle : cycles) {
        const CycleWalker walker(cycle, apia);
        // Starts from a year before the skipped day to a week after it,
        // bounds up to three years on.
        for (int day = -365; day <= 7; day += 4) {
            const QDate date = QDate(2011, 12, 29).addDays(day);
            const int minute = minutesOfDay[std::size_t(day + 365) / 4 % std::size(minutesOfDay)];
            const QDateTime start = test::local(apia, date.year(), date.month(), date.day(), minute / 60, minute % 60);
            for (const int years : {1, 3}) {
                const QDateTime bound = test::local(apia, date.year() + years, 1, 15, 9);
                const CycleWalker::Walk expected =
                    referenceWalk(cycle, apia, start, bound, false, CycleWalker::kStepLimit);
                const CycleWalker::Walk actual = walker.walk(start, bound, false);
                const std::string where =
                    cycle.displayName().toStdString() + " from " + start.toString(Qt::ISODateWithMs).toStdString();
                ASSERT_EQ(actual.steps, expected.steps) << where;
                ASSERT_EQ(actual.cursor, expected.cursor) << where;
                ASSERT_EQ(actual.next, expected.next) << where;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 5 * 94 * 2);
}
