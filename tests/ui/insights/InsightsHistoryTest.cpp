// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/HistoryBars.h"
#include "ui/insights/InsightsHistoryPresenter.h"

#include "ui/insights/InsightsFixture.h"

using namespace tabrino;
using test::dec;
using test::utc;

namespace {

MonthBar month(int m, const char* total, bool estimated = false)
{
    return MonthBar{utc(2025, m, 1), dec(total), estimated};
}

}  // namespace

TEST(HistoryBars, HeightsScaleToTheLargestMonthAboveAStub)
{
    const HistoryBars bars({month(1, "25"), month(2, "0"), month(3, "100"), month(4, "50.5")});
    EXPECT_EQ(bars.low(), dec("0"));
    EXPECT_DOUBLE_EQ(bars.top(), 100);
    EXPECT_DOUBLE_EQ(bars.height(0), 20 + 58 * 0.25);
    EXPECT_DOUBLE_EQ(bars.height(1), 20);
    EXPECT_DOUBLE_EQ(bars.height(2), 78);
    EXPECT_DOUBLE_EQ(bars.height(3), 20 + 58 * 0.505);
    EXPECT_EQ(bars.lastTotal(), dec("50.5"));

    // Below 1 the scale stays at 1, so small months stay small.
    const HistoryBars small({month(1, "0.5"), month(2, "0.25")});
    EXPECT_DOUBLE_EQ(small.top(), 1);
    EXPECT_DOUBLE_EQ(small.height(0), 20 + 58 * 0.5);
    EXPECT_EQ(small.low(), dec("0.25"));

    // A damaged negative snapshot is a stub, not a bar hanging below the axis.
    const HistoryBars damaged({month(1, "-30"), month(2, "10")});
    EXPECT_DOUBLE_EQ(damaged.height(0), 20);
    EXPECT_EQ(damaged.low(), dec("-30"));

    const HistoryBars none({});
    EXPECT_EQ(none.low(), dec("0"));
    EXPECT_DOUBLE_EQ(none.top(), 1);
    EXPECT_EQ(none.lastTotal(), dec("0"));
    EXPECT_FALSE(none.hasEstimated());
}

TEST(HistoryBars, EstimatedMonthsFadeButNeverTheCurrentOne)
{
    const HistoryBars bars({month(4, "10", true), month(5, "10"), month(6, "12", true)});
    EXPECT_TRUE(bars.hasEstimated());
    EXPECT_DOUBLE_EQ(bars.opacity(0), 0.55);
    EXPECT_DOUBLE_EQ(bars.opacity(1), 1);
    EXPECT_FALSE(bars.isCurrent(0));
    EXPECT_TRUE(bars.isCurrent(2));
    EXPECT_DOUBLE_EQ(bars.opacity(2), 1);

    const HistoryBars recorded({month(5, "10"), month(6, "12")});
    EXPECT_FALSE(recorded.hasEstimated());
}

namespace {

class InsightsHistoryTest : public test::InsightsFixture {
protected:
    InsightsHistoryPresenter history;
};

}  // namespace

TEST_F(InsightsHistoryTest, TwelveMonthsWithTheirTextsAndSpokenLabels)
{
    addNamed("Gym", "40", SubscriptionCategory::Fitness);  // records June 2025 at 40
    addMonth(2025, 4, "20");
    addMonth(2024, 8, "16.5");
    history.setStore(store.get());
    history.setNow(kNow);
    const QList<HistoryBarRow>& rows = history.rows()->rows();
    ASSERT_EQ(rows.size(), 12);
    EXPECT_EQ(history.firstMonthText(), u"Jul 24");
    EXPECT_EQ(history.lastMonthText(), u"Jun 25");
    EXPECT_EQ(history.lowText(), u"$17");  // compact
    EXPECT_EQ(history.lastText(), u"$40");
    EXPECT_TRUE(history.showsFootnote());

    EXPECT_EQ(rows.at(1).accessibilityText, u"August 2024, $16.50");
    EXPECT_EQ(rows.at(0).accessibilityText, u"July 2024, $40, estimated");
    EXPECT_EQ(rows.at(11).accessibilityText, u"June 2025, $40");
    EXPECT_DOUBLE_EQ(rows.at(9).barHeight, 20 + 58 * 0.5);  // April
    EXPECT_DOUBLE_EQ(rows.at(11).barHeight, 78);
    EXPECT_DOUBLE_EQ(rows.at(0).barOpacity, 0.55);
    EXPECT_DOUBLE_EQ(rows.at(9).barOpacity, 1);
    EXPECT_TRUE(rows.at(11).isCurrent);
    EXPECT_FALSE(rows.at(10).isCurrent);
}

TEST_F(InsightsHistoryTest, NothingRecordedIsTwelveStubsAtZero)
{
    history.setStore(store.get());
    ASSERT_EQ(history.rows()->count(), 12);
    for (int row = 0; row < 12; ++row)
        EXPECT_DOUBLE_EQ(history.rows()->rows().at(row).barHeight, 20) << row;
    EXPECT_EQ(history.lowText(), u"$0");
    EXPECT_EQ(history.lastText(), u"$0");
}

TEST_F(InsightsHistoryTest, AFullYearOfSnapshotsHasNoNoteAndChangesInPlace)
{
    Subscription* gym = addNamed("Gym", "40", SubscriptionCategory::Fitness);
    for (int m = 7; m <= 12; ++m)
        addMonth(2024, m, "30");
    for (int m = 1; m <= 5; ++m)
        addMonth(2025, m, "30");
    history.setStore(store.get());
    watch(history.rows());
    EXPECT_FALSE(history.showsFootnote());
    EXPECT_EQ(history.lowText(), u"$30");

    gym->setPrice(dec("60"));
    store->save();  // records June at 60
    settle();
    EXPECT_EQ(history.lastText(), u"$60");
    EXPECT_DOUBLE_EQ(history.rows()->rows().at(0).barHeight, 20 + 58 * 0.5);
    EXPECT_EQ(resets->count() + removals->count() + insertions->count(), 0);
    EXPECT_GT(changes->count(), 0);
}

TEST_F(InsightsHistoryTest, MidnightIntoANewMonthShiftsTheBars)
{
    addNamed("Gym", "40", SubscriptionCategory::Fitness);
    history.setStore(store.get());
    watch(history.rows());
    const QDateTime july = utc(2025, 7, 1, 0, 0);
    Clock::setSource([july] { return july; });
    history.setNow(july);
    EXPECT_EQ(history.firstMonthText(), u"Aug 24");
    EXPECT_EQ(history.lastMonthText(), u"Jul 25");
    EXPECT_EQ(removals->count(), 1);    // July 2024 went
    EXPECT_EQ(insertions->count(), 1);  // July 2025 came
    EXPECT_EQ(resets->count(), 0);
}

TEST(InsightsMonthTexts, InTheUsersLocale)
{
    const Calendar berlin(u"Europe/Berlin"_qs);
    // 31 January 23:30 UTC is already February in Berlin.
    const QDateTime date = utc(2026, 1, 31, 23, 30);
    using Style = InsightsPresenter::MonthStyle;
    EXPECT_EQ(InsightsPresenter::month(date, Style::Short, berlin, u"en"_qs), u"Feb 26");
    EXPECT_EQ(InsightsPresenter::month(date, Style::Medium, berlin, u"en"_qs), u"Feb 2026");
    EXPECT_EQ(InsightsPresenter::month(date, Style::Full, berlin, u"en"_qs), u"February 2026");
    EXPECT_EQ(InsightsPresenter::month(date, Style::Full, berlin, u"de_DE"_qs), u"Februar 2026");
    EXPECT_EQ(InsightsPresenter::month(date, Style::Short, Calendar(u"UTC"_qs), u"en"_qs), u"Jan 26");
}
