// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreFixture.h"

#include <QSignalSpy>

using namespace tabrino;
using namespace tabrino::test;

namespace {

class FigureCoalescingTest : public StoreFixture {
protected:
    void SetUp() override
    {
        launch();
        store->refresh();
    }
};

}  // namespace

TEST_F(FigureCoalescingTest, ManyChangesInOneTurnSignalOnceAndReadAtOnce)
{
    QList<Subscription*> all;
    for (int i = 0; i < 50; ++i)
        all << add(u"S"_qs, "1", BillingCycle::monthly(), local(calendar, 2025, 3, 20, 9));
    store->save();
    drainQueuedCalls();
    ASSERT_EQ(store->monthlyTotal(), Decimal(50));
    QSignalSpy figures(store.get(), &SubscriptionStore::figuresChanged);

    for (Subscription* s : all)
        s->setPrice(Decimal(2));
    EXPECT_EQ(store->monthlyTotal(), Decimal(100));  // before any signal
    store->save();
    EXPECT_EQ(figures.count(), 0);
    drainQueuedCalls();
    EXPECT_EQ(figures.count(), 1);

    // A later turn's change is signalled again, and once only.
    all.first()->setPrice(Decimal(3));
    drainQueuedCalls();
    drainQueuedCalls();
    EXPECT_EQ(figures.count(), 2);
}

TEST_F(FigureCoalescingTest, FiguresAreKeptUntilAChangeOrANewDay)
{
    Subscription* a = add(u"A"_qs, "9.99", BillingCycle::monthly(), local(calendar, 2025, 3, 15, 9));
    Subscription* b = add(u"B"_qs, "5", BillingCycle::monthly(), local(calendar, 2025, 3, 25, 9));
    store->save();
    EXPECT_EQ(store->monthlyTotal(), dec("14.99"));
    EXPECT_EQ(store->monthlyTotal(), dec("14.99"));
    EXPECT_EQ(store->mostExpensive(), a);

    // An edit drops every kept figure, not only the one read last.
    b->setPrice(Decimal(20));
    EXPECT_EQ(store->mostExpensive(), b);
    b->setNextBillingDate(local(calendar, 2025, 3, 14, 9));
    EXPECT_EQ(store->upcoming(), (QList<Subscription*>{b, a}));
    EXPECT_EQ(store->monthlyTotal(), dec("29.99"));

    // Nothing changes but the date: two days on, B renews in two days.
    EXPECT_FALSE(store->hasImminentRenewal());
    setNow(local(calendar, 2025, 3, 12, 0, 5));
    EXPECT_TRUE(store->hasImminentRenewal());
}
