// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Subscription.h"
#include "foundation/Clock.h"
#include "model/MonthlySnapshot.h"
#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;
using test::dec;
using test::local;

namespace {

class SubscriptionTest : public ::testing::Test {
protected:
    void TearDown() override { Clock::setSource({}); }

    // A record added at `added` and first billed at `next`.
    std::unique_ptr<Subscription> make(const BillingCycle& cycle, const QDateTime& added, const QDateTime& next,
                                       const char* price = "10")
    {
        Clock::setSource([added] { return added; });
        auto s = std::make_unique<Subscription>(u"Netflix"_qs, dec(price), u"USD"_qs, cycle, next,
                                                SubscriptionCategory::Streaming);
        Clock::setSource({});
        return s;
    }

    Calendar berlin{u"Europe/Berlin"_qs, 2};
};

}  // namespace

TEST_F(SubscriptionTest, newRecordTakesDefaults)
{
    const QDateTime now = local(berlin, 2025, 3, 1, 12);
    Clock::setSource([now] { return now; });
    Subscription s(u"X"_qs, Decimal(5), u"EUR"_qs, BillingCycle::custom(14), now, SubscriptionCategory::Music);
    EXPECT_FALSE(s.id().isNull());
    EXPECT_EQ(s.dateAdded(), now);
    EXPECT_EQ(s.billingCycleRaw(), u"custom");
    EXPECT_EQ(s.customCycleDays(), 14);
    EXPECT_EQ(s.categoryRaw(), u"music");
    EXPECT_TRUE(s.isActive());
    EXPECT_TRUE(s.notificationsEnabled());
    EXPECT_FALSE(s.isTrial() || s.isShared());
    EXPECT_FALSE(s.notes() || s.sharePercentage() || s.notificationLeadDays() || s.serviceId());
    EXPECT_NE(
        Subscription(u"Y"_qs, Decimal(1), u"EUR"_qs, BillingCycle::monthly(), now, SubscriptionCategory::Other).id(),
        s.id());
}

TEST_F(SubscriptionTest, attributeWritesNotifyOnlyOnChange)
{
    auto s = make(BillingCycle::monthly(), local(berlin, 2025, 1, 1), local(berlin, 2025, 2, 1));
    QSignalSpy price(s.get(), &Subscription::priceChanged);
    QSignalSpy any(s.get(), &Subscription::changed);
    s->setPrice(dec("10.00"));  // numerically equal
    EXPECT_EQ(price.count(), 0);
    EXPECT_FALSE(s->hasUnsavedChanges());
    s->setPrice(dec("11"));
    s->setNotes(u""_qs);  // empty differs from absent
    EXPECT_EQ(price.count(), 1);
    EXPECT_EQ(any.count(), 2);
    EXPECT_TRUE(s->hasUnsavedChanges());
    EXPECT_EQ(s->property("notes").toString(), u"");
    EXPECT_FALSE(s->property("notes").isNull());
    s->setProperty("notes", QVariant());
    EXPECT_FALSE(s->notes());
}

TEST_F(SubscriptionTest, storedTextsReadLeniently)
{
    auto s = make(BillingCycle::monthly(), local(berlin, 2025, 1, 1), local(berlin, 2025, 2, 1));
    s->setCategoryRaw(u"cars"_qs);
    s->setBillingCycleRaw(u"sometimes"_qs);
    EXPECT_EQ(s->category(), SubscriptionCategory::Other);
    EXPECT_EQ(s->billingCycle(), BillingCycle::monthly());
    s->setCancellationUrlString(u""_qs);
    EXPECT_FALSE(s->cancellationUrl());
    s->setCancellationUrlString(u"https://example.com/cancel"_qs);
    EXPECT_EQ(s->cancellationUrl()->host(), u"example.com");
}

TEST_F(SubscriptionTest, shareAndMonthlyCost)
{
    auto s = make(BillingCycle::monthly(), local(berlin, 2025, 1, 1), local(berlin, 2025, 2, 1), "9.99");
    s->setSharePercentage(0.5);
    EXPECT_EQ(s->effectiveShare(), Decimal(1));  // not marked shared
    s->setIsShared(true);
    EXPECT_EQ(s->monthlyCost(), dec("4.995"));
    s->setSharePercentage(1.7);
    EXPECT_EQ(s->effectiveShare(), Decimal(1));
    s->setSharePercentage(-0.2);
    EXPECT_EQ(s->monthlyCost(), Decimal(0));
    s->setSharePercentage(0.3);
    EXPECT_EQ(s->effectiveShare(), dec("0.3"));
    s->setSharePercentage(std::nullopt);
    EXPECT_EQ(s->effectiveShare(), Decimal(1));

    s->setBillingCycle(BillingCycle::yearly());
    s->setPrice(dec("12.00"));
    EXPECT_EQ(s->monthlyCost(), Decimal(1));
}

TEST_F(SubscriptionTest, chargesAndLifetimeSpendCountFromBillingStart)
{
    // Billing starts 31 Jan: charges fall on 28 Feb and 28 Mar (the day drifts).
    auto s = make(BillingCycle::monthly(), local(berlin, 2025, 1, 31, 10), local(berlin, 2025, 2, 28, 10));
    EXPECT_EQ(s->chargesElapsed(local(berlin, 2025, 3, 31, 10), berlin), 2);
    EXPECT_EQ(s->lifetimeSpend(local(berlin, 2025, 3, 31, 10), berlin), Decimal(30));
    EXPECT_EQ(s->chargesElapsed(local(berlin, 2025, 3, 28, 10), berlin), 2);  // a charge exactly at asOf counts
    EXPECT_EQ(s->chargesElapsed(local(berlin, 2025, 3, 28, 9), berlin), 1);
    EXPECT_EQ(s->chargesElapsed(s->dateAdded(), berlin), 0);
    EXPECT_EQ(s->lifetimeSpend(s->dateAdded(), berlin), Decimal(10));
    EXPECT_EQ(s->lifetimeSpend(local(berlin, 2025, 1, 30), berlin), Decimal(0));  // before billing began

    // Added 10 Jan, first billed 25 Jan: the charge at the start date already counts on 12 Jan.
    auto t = make(BillingCycle::monthly(), local(berlin, 2025, 1, 10), local(berlin, 2025, 1, 25));
    EXPECT_EQ(t->lifetimeSpend(local(berlin, 2025, 1, 12), berlin), Decimal(10));

    // An explicit start date wins over the date added.
    t->setStartDate(local(berlin, 2024, 1, 10));
    EXPECT_EQ(t->chargesElapsed(local(berlin, 2025, 1, 12), berlin), 12);

    // Archived records stop accruing at their archive date.
    t->setArchivedDate(local(berlin, 2024, 3, 15));
    EXPECT_EQ(t->lifetimeSpend(local(berlin, 2030, 1, 1), berlin), Decimal(30));

    // A stored custom cycle of 0 days steps by one day.
    auto daily = make(BillingCycle::custom(1), local(berlin, 2025, 1, 1), local(berlin, 2025, 1, 2));
    daily->setCustomCycleDays(0);
    EXPECT_EQ(daily->chargesElapsed(local(berlin, 2025, 1, 11), berlin), 10);
}

TEST_F(SubscriptionTest, aDamagedCycleLengthStillComputes)
{
    auto s = make(BillingCycle::monthly(), local(berlin, 2020, 1, 1), local(berlin, 2020, 2, 1));
    s->setBillingCycleRaw(u"custom"_qs);
    s->setCustomCycleDays(qint64(1) << 54);
    EXPECT_EQ(s->chargesElapsed(local(berlin, 2025, 1, 1), berlin), 0);
    EXPECT_EQ(s->lifetimeSpend(local(berlin, 2025, 1, 1), berlin), Decimal(10));
}

TEST_F(SubscriptionTest, chargesStopAtTenThousand)
{
    auto s = make(BillingCycle::custom(1), local(berlin, 1990, 1, 1), local(berlin, 1990, 1, 2), "1");
    EXPECT_EQ(s->chargesElapsed(local(berlin, 2030, 1, 1), berlin), 10000);
    EXPECT_EQ(s->lifetimeSpend(local(berlin, 2030, 1, 1), berlin), Decimal(10001));
}

TEST_F(SubscriptionTest, dayCountsUseStartsOfDays)
{
    auto s = make(BillingCycle::monthly(), local(berlin, 2025, 1, 1), local(berlin, 2025, 3, 6, 1));
    EXPECT_EQ(s->daysUntilRenewal(local(berlin, 2025, 3, 5, 23), berlin), 1);
    s->setNextBillingDate(local(berlin, 2025, 3, 5, 8));
    EXPECT_EQ(s->daysUntilRenewal(local(berlin, 2025, 3, 5, 23), berlin), 0);
    s->setNextBillingDate(local(berlin, 2025, 3, 1, 8));
    EXPECT_EQ(s->daysUntilRenewal(local(berlin, 2025, 3, 5, 23), berlin), -4);

    EXPECT_FALSE(s->daysUntilTrialEnd(local(berlin, 2025, 3, 5), berlin));
    s->setIsTrial(true);
    EXPECT_FALSE(s->daysUntilTrialEnd(local(berlin, 2025, 3, 5), berlin));  // no end date
    s->setTrialEndDate(local(berlin, 2025, 3, 10, 18));
    EXPECT_EQ(s->daysUntilTrialEnd(local(berlin, 2025, 3, 5, 20), berlin), 5);
    EXPECT_EQ(s->effectiveNextDate(), local(berlin, 2025, 3, 10, 18));
    s->setIsTrial(false);
    EXPECT_EQ(s->effectiveNextDate(), s->nextBillingDate());
}

TEST_F(SubscriptionTest, urgencyThresholdsPreferTrialEnd)
{
    const QDateTime now = local(berlin, 2025, 6, 10, 12);
    auto s = make(BillingCycle::monthly(), local(berlin, 2025, 1, 1), now);
    const auto urgencyIn = [&](int days) {
        s->setNextBillingDate(berlin.adding(CalendarUnit::Day, days, now).value());
        return s->urgency(now, berlin);
    };
    EXPECT_EQ(urgencyIn(-3), Subscription::Urgency::Urgent);
    EXPECT_EQ(urgencyIn(0), Subscription::Urgency::Urgent);
    EXPECT_EQ(urgencyIn(2), Subscription::Urgency::Urgent);
    EXPECT_EQ(urgencyIn(3), Subscription::Urgency::Soon);
    EXPECT_EQ(urgencyIn(7), Subscription::Urgency::Soon);
    EXPECT_EQ(urgencyIn(8), Subscription::Urgency::Calm);

    s->setNextBillingDate(berlin.adding(CalendarUnit::Day, 1, now).value());
    s->setIsTrial(true);
    s->setTrialEndDate(berlin.adding(CalendarUnit::Day, 5, now).value());
    EXPECT_EQ(s->urgency(now, berlin), Subscription::Urgency::Soon);
}

TEST_F(SubscriptionTest, leadDaysByCycle)
{
    auto s = make(BillingCycle::weekly(), local(berlin, 2025, 1, 1), local(berlin, 2025, 1, 8));
    EXPECT_EQ(s->leadDaysForNotification(), 1);
    s->setBillingCycle(BillingCycle::monthly());
    EXPECT_EQ(s->leadDaysForNotification(), 3);
    s->setBillingCycle(BillingCycle::quarterly());
    EXPECT_EQ(s->leadDaysForNotification(), 7);
    s->setBillingCycle(BillingCycle::yearly());
    EXPECT_EQ(s->leadDaysForNotification(), 14);
    const std::pair<int, int> custom[] = {{59, 3}, {60, 7}, {179, 7}, {180, 14}, {1, 3}};
    for (auto [days, lead] : custom) {
        s->setBillingCycle(BillingCycle::custom(days));
        EXPECT_EQ(s->leadDaysForNotification(), lead) << days;
    }
    s->setNotificationLeadDays(0);
    EXPECT_EQ(s->leadDaysForNotification(), 0);
}

TEST_F(SubscriptionTest, rollForwardLandsOnFirstDateNotBeforeToday)
{
    const QDateTime now = local(berlin, 2025, 3, 10, 15);
    auto s = make(BillingCycle::monthly(), local(berlin, 2025, 1, 1), local(berlin, 2025, 3, 9, 9));
    EXPECT_TRUE(s->rollForwardIfNeeded(now, berlin));
    EXPECT_EQ(s->nextBillingDate(), local(berlin, 2025, 4, 9, 9));

    s->setNextBillingDate(local(berlin, 2025, 3, 10, 23, 59));
    QSignalSpy spy(s.get(), &Subscription::nextBillingDateChanged);
    EXPECT_FALSE(s->rollForwardIfNeeded(now, berlin));
    s->setNextBillingDate(local(berlin, 2025, 3, 10, 0, 0));  // earlier today still counts as today
    EXPECT_FALSE(s->rollForwardIfNeeded(now, berlin));
    EXPECT_EQ(spy.count(), 1);

    // Weekly, 30 days overdue: the first weekly date on or after today, never a week later.
    s->setBillingCycle(BillingCycle::weekly());
    s->setNextBillingDate(local(berlin, 2025, 2, 8, 9));
    EXPECT_TRUE(s->rollForwardIfNeeded(now, berlin));
    EXPECT_EQ(s->nextBillingDate(), local(berlin, 2025, 3, 15, 9));
    s->setNextBillingDate(local(berlin, 2025, 2, 3, 20));  // 35 days: lands exactly on today
    EXPECT_TRUE(s->rollForwardIfNeeded(now, berlin));
    EXPECT_EQ(s->nextBillingDate(), local(berlin, 2025, 3, 10, 20));

    // Month ends drift through single steps: 31 Jan -> 28 Feb -> 28 Mar.
    s->setBillingCycle(BillingCycle::monthly());
    s->setNextBillingDate(local(berlin, 2025, 1, 31, 9));
    EXPECT_TRUE(s->rollForwardIfNeeded(now, berlin));
    EXPECT_EQ(s->nextBillingDate(), local(berlin, 2025, 3, 28, 9));

    s->setIsActive(false);
    s->setNextBillingDate(local(berlin, 2024, 1, 1));
    EXPECT_FALSE(s->rollForwardIfNeeded(now, berlin));
}

TEST(MonthlySnapshot, startOfMonthIsMidnightOfDayOneInTheZone)
{
    const Calendar tokyo(u"Asia/Tokyo"_qs);
    // 31 Mar 20:00 UTC is already 1 Apr in Tokyo.
    EXPECT_EQ(MonthlySnapshot::startOfMonth(test::utc(2025, 3, 31, 20), tokyo), test::utc(2025, 3, 31, 15));
    const Calendar newYork(u"America/New_York"_qs);
    EXPECT_EQ(MonthlySnapshot::startOfMonth(test::utc(2025, 3, 1, 3), newYork), test::utc(2025, 2, 1, 5));
}
