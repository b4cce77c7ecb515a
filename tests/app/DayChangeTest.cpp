// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DayChangeTimer.h"
#include "store/StoreFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace tabrino;
using namespace tabrino::test;

using DayChangeTest = StoreFixture;

// The program stays up across midnight: the renewal that passed at midnight
// rolls forward without a restart, driven by one timer.
TEST_F(DayChangeTest, midnightMaintenanceRollsARenewalThatJustPassed)
{
    launch();
    store->refresh();
    const QDateTime beforeMidnight = local(calendar, 2025, 3, 10, 23, 59).addSecs(59).addMSecs(700);
    setNow(beforeMidnight);
    Subscription* s = add(u"Daily paper"_qs, "1", BillingCycle::monthly(), local(calendar, 2025, 3, 10, 6));
    store->save();

    DayChangeTimer timer([this] { return calendar; });
    QObject::connect(&timer, &DayChangeTimer::dayChanged, store.get(), &SubscriptionStore::performLaunchMaintenance);
    EXPECT_EQ(timer.nextMidnight(), local(calendar, 2025, 3, 11));
    QSignalSpy days(&timer, &DayChangeTimer::dayChanged);

    // Re-arming on the same day changes nothing.
    timer.rearm();
    EXPECT_EQ(days.count(), 0);
    EXPECT_EQ(timer.nextMidnight(), local(calendar, 2025, 3, 11));

    // The wall clock passes midnight while the timer runs.
    QElapsedTimer elapsed;
    elapsed.start();
    setNowFunction([&] { return beforeMidnight.addMSecs(elapsed.elapsed()); });
    ASSERT_TRUE(days.wait(3000));
    EXPECT_EQ(days.count(), 1);
    EXPECT_EQ(s->nextBillingDate(), local(calendar, 2025, 4, 10, 6));
    EXPECT_EQ(timer.nextMidnight(), local(calendar, 2025, 3, 12));
}
