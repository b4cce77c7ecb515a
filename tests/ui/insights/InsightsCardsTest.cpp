// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsCardsPresenter.h"

#include "ui/insights/InsightsFixture.h"

#include "support/TestCatalogue.h"

using namespace tabrino;
using test::dec;

namespace {

class InsightsCardsTest : public test::InsightsFixture {
protected:
    InsightsCardsPresenter cards;
};

}  // namespace

TEST_F(InsightsCardsTest, ThreeCardsInOrderWithTheirSpokenLabels)
{
    addNamed("Netflix", "15.49", SubscriptionCategory::Streaming);
    addNamed("Disney+", "8.51", SubscriptionCategory::Streaming);
    addNamed("Gym", "20", SubscriptionCategory::Fitness);
    cards.setStore(store.get());
    const auto* rows = cards.rows();
    EXPECT_EQ(column(rows, &StatCardRow::label),
              (QStringList{u"Most Expensive"_qs, u"Top Category"_qs, u"Average"_qs}));
    EXPECT_EQ(column(rows, &StatCardRow::value), (QStringList{u"$20"_qs, u"$24"_qs, u"$14.67"_qs}));
    EXPECT_EQ(column(rows, &StatCardRow::detail), (QStringList{u"Gym"_qs, u"Streaming"_qs, u"per service"_qs}));
    EXPECT_EQ(column(rows, &StatCardRow::accessibilityText),
              (QStringList{u"Most Expensive: $20 per month, Gym"_qs, u"Top Category: $24 per month, Streaming"_qs,
                           u"Average: $14.67 per month, per service"_qs}));

    test::TestCatalogue german;
    german.add("Streaming", u"Video"_qs);
    EXPECT_EQ(InsightsCardsPresenter::cards(*store, u"USD"_qs).at(1).detail, u"Video");
}

TEST_F(InsightsCardsTest, ACardWithoutItsFigureIsLeftOut)
{
    cards.setStore(store.get());
    EXPECT_EQ(cards.rows()->count(), 0);  // nothing active: no figure at all

    // Everything free: no category has spend, the other two cards remain.
    Subscription* free = addNamed("Free Tier", "0", SubscriptionCategory::Cloud);
    addNamed("Open Source", "0", SubscriptionCategory::Software);
    settle();
    EXPECT_EQ(column(cards.rows(), &StatCardRow::label), (QStringList{u"Most Expensive"_qs, u"Average"_qs}));
    EXPECT_EQ(column(cards.rows(), &StatCardRow::value), (QStringList{u"$0"_qs, u"$0"_qs}));
    EXPECT_EQ(column(cards.rows(), &StatCardRow::detail).first(), u"Free Tier");  // the first of equals

    watch(cards.rows());
    free->setPrice(dec("12"));
    settle();
    EXPECT_EQ(column(cards.rows(), &StatCardRow::label),
              (QStringList{u"Most Expensive"_qs, u"Top Category"_qs, u"Average"_qs}));
    EXPECT_EQ(insertions->count(), 1);  // the new card alone; the other two stay
    EXPECT_EQ(removals->count() + resets->count(), 0);

    settings.setDefaultCurrencyCode(u"EUR"_qs);
    EXPECT_EQ(column(cards.rows(), &StatCardRow::value), (QStringList{u"€12"_qs, u"€12"_qs, u"€6"_qs}));
}
