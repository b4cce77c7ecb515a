// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/HistoryBars.h"
#include "ui/insights/InsightsHistoryPresenter.h"

#include "ui/insights/InsightsFixture.h"

using namespace tabrino;
using test::dec;
using test::utc;

// A month recorded unconverted while totals are converted (or the other way
// round, or in another currency) shows what was recorded, faded and named so.
TEST(HistoryBars, MonthsRecordedDifferentlyFadeAndSaySo)
{
    const MonthBar april{utc(2025, 4, 1), dec("130.47"), false, true};
    const MonthBar may{utc(2025, 5, 1), dec("29.24")};
    const MonthBar june{utc(2025, 6, 1), dec("29.24"), false, true};
    const HistoryBars bars({april, may, june});
    EXPECT_TRUE(bars.hasRecordedDifferently());
    EXPECT_FALSE(bars.hasEstimated());
    EXPECT_DOUBLE_EQ(bars.opacity(0), HistoryBars::kEstimatedOpacity);
    EXPECT_DOUBLE_EQ(bars.opacity(1), 1);
    EXPECT_DOUBLE_EQ(bars.opacity(2), 1) << "the current month never fades";
    EXPECT_FALSE(HistoryBars({may}).hasRecordedDifferently());

    const Calendar calendar(QStringLiteral("UTC"));
    EXPECT_EQ(InsightsHistoryPresenter::barAccessibilityText(april, calendar, QStringLiteral("USD")),
              u"April 2025, $130.47, recorded unconverted or in another currency");
}
