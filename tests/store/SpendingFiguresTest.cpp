// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreFixture.h"

#include <QCoreApplication>
#include <QSignalSpy>

using namespace tabrino;
using namespace tabrino::test;

namespace {

class SpendingFiguresTest : public StoreFixture {
protected:
    void SetUp() override
    {
        launch();
        store->refresh();
    }

    void snapshot(int year, int month, const char* total)
    {
        store->context().insert(new MonthlySnapshot(local(calendar, year, month, 1), dec(total), 1));
    }
};

}  // namespace

TEST_F(SpendingFiguresTest, emptyStore)
{
    EXPECT_EQ(store->monthlyTotal(), Decimal(0));
    EXPECT_FALSE(store->monthOverMonthDelta());
    EXPECT_FALSE(store->hasImminentRenewal());
    EXPECT_TRUE(store->upcoming().isEmpty() && store->spendByCategory().isEmpty() && store->lifetimeSpend().isEmpty());
    EXPECT_TRUE(store->chargesNextSevenDays(local(calendar, 2025, 3, 10, 12), calendar).isEmpty());
    EXPECT_FALSE(store->mostExpensive());
    EXPECT_FALSE(store->averageMonthlyCost());
    snapshot(2024, 12, "4");
    store->save();
    const QList<MonthBar> bars = store->twelveMonthHistory(calendar);
    ASSERT_EQ(bars.size(), 12);
    EXPECT_EQ(bars.first().monthStart, local(calendar, 2024, 4, 1));
    EXPECT_EQ(bars.last().monthStart, local(calendar, 2025, 3, 1));
    int estimated = 0;
    for (const MonthBar& bar : bars)
        estimated += bar.isEstimated ? 1 : 0;
    EXPECT_EQ(estimated, 10);  // December and the March snapshot the save recorded are real
    EXPECT_EQ(bars[8].total, Decimal(4));
    EXPECT_FALSE(bars[8].isEstimated);
}

TEST_F(SpendingFiguresTest, totalsAddCurrenciesAsPlainNumbers)
{
    Subscription* euro = add(u"E"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    euro->setCurrencyCode(u"EUR"_qs);
    add(u"U"_qs, "5", BillingCycle::monthly(), local(calendar, 2025, 3, 25), SubscriptionCategory::Music);
    store->save();
    EXPECT_EQ(store->monthlyTotal(), Decimal(15));
    EXPECT_EQ(*store->averageMonthlyCost(), dec("7.5"));
}

TEST_F(SpendingFiguresTest, deltaComparesWithTheLatestEarlierSnapshot)
{
    snapshot(2025, 1, "30");
    snapshot(2024, 11, "99");
    store->save();
    EXPECT_EQ(*store->monthOverMonthDelta(), Decimal(-30));  // January, this month 0
    add(u"A"_qs, "20", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    store->save();
    EXPECT_EQ(*store->monthOverMonthDelta(), Decimal(-10));

    // A zero month compared with a zero total has no delta; with a total it has.
    snapshot(2025, 2, "0");
    store->save();
    EXPECT_EQ(*store->monthOverMonthDelta(), Decimal(20));
    store->active()[0]->setPrice(Decimal(0));
    EXPECT_FALSE(store->monthOverMonthDelta());
}

TEST_F(SpendingFiguresTest, imminentRenewalAndTheWeekAhead)
{
    setNow(local(calendar, 2025, 3, 10, 22));
    Subscription* tomorrow = add(u"Tomorrow"_qs, "1", BillingCycle::monthly(), local(calendar, 2025, 3, 11, 8));
    store->save();
    EXPECT_TRUE(store->hasImminentRenewal());
    tomorrow->setNextBillingDate(local(calendar, 2025, 3, 14, 8));
    EXPECT_FALSE(store->hasImminentRenewal());
    tomorrow->setNextBillingDate(local(calendar, 2025, 3, 9, 8));  // passed days do not count
    EXPECT_FALSE(store->hasImminentRenewal());
    tomorrow->setNextBillingDate(local(calendar, 2025, 3, 20, 8));
    tomorrow->setIsTrial(true);
    EXPECT_FALSE(store->hasImminentRenewal());  // trial without an end date never counts
    tomorrow->setTrialEndDate(local(calendar, 2025, 3, 10, 9));
    EXPECT_TRUE(store->hasImminentRenewal());

    // The week: today (even earlier today) up to six days ahead; each record once, on its next date.
    tomorrow->setTrialEndDate(local(calendar, 2025, 3, 13, 9));
    tomorrow->setNextBillingDate(local(calendar, 2025, 3, 11, 9));
    Subscription* edgeIn = add(u"In"_qs, "1", BillingCycle::weekly(), local(calendar, 2025, 3, 16, 23, 59));
    add(u"Out"_qs, "1", BillingCycle::weekly(), local(calendar, 2025, 3, 17, 0, 0));
    Subscription* earlierToday = add(u"Today"_qs, "1", BillingCycle::custom(2), local(calendar, 2025, 3, 10, 1));
    add(u"Yesterday"_qs, "1", BillingCycle::monthly(), local(calendar, 2025, 3, 9, 23));
    store->save();
    const QList<UpcomingCharge> week = store->chargesNextSevenDays(local(calendar, 2025, 3, 10, 22), calendar);
    ASSERT_EQ(week.size(), 3);
    EXPECT_EQ(week[0].subscription, earlierToday);
    EXPECT_EQ(week[1].subscription, tomorrow);
    EXPECT_EQ(week[1].date, local(calendar, 2025, 3, 13, 9));
    EXPECT_EQ(week[2].subscription, edgeIn);
}

TEST_F(SpendingFiguresTest, categoriesLifetimeAndMostExpensive)
{
    setNow(local(calendar, 2025, 1, 10, 12));
    Subscription* a = add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 2, 10, 12));
    Subscription* b =
        add(u"B"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 1, 20, 12), SubscriptionCategory::Music);
    Subscription* freeShare =
        add(u"C"_qs, "30", BillingCycle::monthly(), local(calendar, 2025, 1, 25), SubscriptionCategory::News);
    freeShare->setIsShared(true);
    freeShare->setSharePercentage(0.0);
    Subscription* future =
        add(u"F"_qs, "3", BillingCycle::monthly(), local(calendar, 2025, 3, 1), SubscriptionCategory::Cloud);
    future->setStartDate(local(calendar, 2025, 6, 1));
    store->save();

    EXPECT_EQ(store->mostExpensive(), b);  // equal cost: the one renewing first
    const QList<CategorySlice> slices = store->spendByCategory();
    ASSERT_EQ(slices.size(), 3);  // news (share 0) is absent
    EXPECT_EQ(slices[2].category, SubscriptionCategory::Cloud);

    // Archived after two charges (10 Jan, 10 Feb), asked much later: two charges' worth.
    setNow(local(calendar, 2025, 2, 15, 12));
    store->archive(a);
    setNow(local(calendar, 2025, 9, 1, 12));
    const QList<LifetimeEntry> lifetime = store->lifetimeSpend();
    QHash<Subscription*, Decimal> totals;
    for (const LifetimeEntry& entry : lifetime)
        totals.insert(entry.subscription, entry.total);
    EXPECT_EQ(totals.value(a), Decimal(20));
    EXPECT_EQ(totals.value(b), Decimal(80));  // 10 Jan ... 10 Aug
    EXPECT_FALSE(totals.contains(freeShare));
    EXPECT_EQ(totals.value(future), Decimal(12));  // 1 Jun ... 1 Sep
    EXPECT_EQ(lifetime.first().subscription, b);
}

TEST_F(SpendingFiguresTest, figuresAreRenotifiedWhenAnInputChanges)
{
    Subscription* a = add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    QSignalSpy figures(store.get(), &SubscriptionStore::figuresChanged);
    store->save();
    QCoreApplication::processEvents();
    EXPECT_GE(figures.count(), 1);
    figures.clear();
    a->setPrice(Decimal(12));  // an edit not yet saved already moves the total
    EXPECT_EQ(store->monthlyTotal(), Decimal(12));
    QCoreApplication::processEvents();
    EXPECT_EQ(figures.count(), 1);
}
