// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/PanelClock.h"
#include "foundation/Clock.h"
#include "support/TestDates.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;

// Day-dependent texts on an open panel turn over at local midnight, with no
// other event to wake them.
TEST(PanelClock, MovesOnAtLocalMidnight)
{
    // Midnight where the user is, whatever the zone the test runs in.
    const Calendar calendar = Calendar::current();
    QDateTime now = test::local(calendar, 2025, 6, 10, 23, 59).addSecs(59);
    Clock::setSource([&now] { return now; });
    PanelClock clock;
    EXPECT_EQ(clock.now(), now);
    QSignalSpy moved(&clock, &PanelClock::nowChanged);

    now = test::local(calendar, 2025, 6, 11).addSecs(1);
    ASSERT_TRUE(moved.wait(4000));
    EXPECT_EQ(clock.now(), now);
    Clock::setSource({});
}

TEST(PanelClock, RefreshTakesTheCurrentTimeAndSignalsOnlyAChange)
{
    QDateTime now = test::utc(2025, 6, 10, 12);
    Clock::setSource([&now] { return now; });
    PanelClock clock;
    QSignalSpy moved(&clock, &PanelClock::nowChanged);
    clock.refresh();
    EXPECT_EQ(moved.count(), 0);
    now = now.addSecs(3600);
    clock.refresh();
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(clock.now(), now);
    Clock::setSource({});
}
