#include "store/StoreFixture.h"

#include <climits>

using namespace tabrino;
using namespace tabrino::test;

// Rows a hand edit or another program left in the file: the store shows
// sound figures and its arithmetic stays defined.
using DamagedRowsTest = StoreFixture;

TEST_F(DamagedRowsTest, aNegativeLeadTimeSnoozesToZero)
{
    launch();
    store->refresh();
    add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    store->save();
    auto side = SqliteDatabase::open(dir.path() + u"/Tabrino.sqlite"_qs, nullptr);
    ASSERT_TRUE(side->execute(u"UPDATE Subscription SET notificationLeadDays = "_qs + QString::number(INT_MIN)));

    launch();
    store->refresh();
    ASSERT_EQ(store->active().size(), 1);
    Subscription* s = store->active()[0];
    EXPECT_EQ(s->leadDaysForNotification(), 0);
    reminders.snooze(s->id());
    EXPECT_EQ(s->notificationLeadDays(), 0);
}

TEST_F(DamagedRowsTest, anIdStoredTwiceCountsOnce)
{
    launch();
    store->refresh();
    add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    store->save();
    auto side = SqliteDatabase::open(dir.path() + u"/Tabrino.sqlite"_qs, nullptr);
    ASSERT_TRUE(side->execute(u"CREATE TEMP TABLE copy AS SELECT * FROM Subscription;"
                              u"UPDATE copy SET id = lower(id);"
                              u"INSERT INTO Subscription SELECT * FROM copy;"_qs));

    launch();
    store->refresh();
    EXPECT_EQ(store->active().size(), 1);
    EXPECT_EQ(store->monthlyTotal(), Decimal(10));
    EXPECT_EQ(side->queryText(u"SELECT count(*) FROM Subscription"_qs), u"2");
}
