// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreFixture.h"

#include <climits>

using namespace tabrino;
using namespace tabrino::test;

// Rows a hand edit or another program left in the file: the store shows
// sound figures and its arithmetic stays defined.
class DamagedRowsTest : public StoreFixture {
protected:
    // One subscription of 10 a month saved, `edit` run on the file by another
    // connection, and the store started again over it.
    void restartAfter(const QString& edit)
    {
        launch();
        store->refresh();
        add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
        store->save();
        side = SqliteDatabase::open(dir.path() + u"/Tabrino.sqlite"_qs, nullptr);
        ASSERT_TRUE(side && side->execute(edit)) << edit.toStdString();
        launch();
        store->refresh();
    }

    std::unique_ptr<SqliteDatabase> side;
};

TEST_F(DamagedRowsTest, aNegativeLeadTimeSnoozesToZero)
{
    restartAfter(u"UPDATE Subscription SET notificationLeadDays = "_qs + QString::number(INT_MIN));
    ASSERT_EQ(store->active().size(), 1);
    Subscription* s = store->active()[0];
    EXPECT_EQ(s->leadDaysForNotification(), 0);
    reminders.snooze(s->id());
    EXPECT_EQ(s->notificationLeadDays(), 0);
}

TEST_F(DamagedRowsTest, anIdStoredTwiceCountsOnce)
{
    restartAfter(u"CREATE TEMP TABLE copy AS SELECT * FROM Subscription;"
                 u"UPDATE copy SET id = lower(id);"
                 u"INSERT INTO Subscription SELECT * FROM copy;"_qs);
    EXPECT_EQ(store->active().size(), 1);
    EXPECT_EQ(store->monthlyTotal(), Decimal(10));
    EXPECT_EQ(side->queryText(u"SELECT count(*) FROM Subscription"_qs), u"2");
}
