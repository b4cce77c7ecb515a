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
    const QStringList zones{u"UTC"_qs,          u"Europe/Berlin"_qs,    u"America/New_York"_qs,
                            u"America/Santiago"_qs, u"America/Sao_Paulo"_qs, u"Australia/Lord_Howe"_qs,
                            u"Asia/Beirut"_qs,   u"America/Havana"_qs,   u"Pacific/Apia"_qs};
    const std::vector<BillingCycle> cycles{BillingCycle::custom(1), BillingCycle::custom(2),  BillingCycle::weekly(),
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
