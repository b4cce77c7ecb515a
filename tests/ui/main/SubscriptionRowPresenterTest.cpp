// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/SubscriptionRowPresenter.h"

#include "support/TestCatalogue.h"
#include "support/TestMoney.h"
#include "ui/LabelFixture.h"
#include "ui/design/Aurora.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;
using test::dec;

namespace {

class SubscriptionRowPresenterTest : public ::testing::Test, protected test::LabelFixture {
protected:
    // The row of a monthly streaming subscription renewing `daysAhead` days from now.
    Subscription* show(const char* name, const char* price, int daysAhead)
    {
        Subscription* subscription = add(price, daysAhead);
        subscription->setName(QString::fromUtf8(name));
        store->save();
        row.setSubscription(subscription);
        row.setStore(store.get());
        row.setNow(kNow);
        return subscription;
    }

    SubscriptionRowPresenter row;
};

}  // namespace

TEST_F(SubscriptionRowPresenterTest, TextsOfAPlainRenewal)
{
    Subscription* backup = show("Photo Backup", "15.49", 4);
    backup->setCategoryRaw(QStringLiteral("cloud"));
    EXPECT_EQ(row.accessibilityText(), u"Photo Backup, $15.49 per month, Cloud. Renews in 4 days.");
    EXPECT_EQ(row.subtitle(), u"Cloud");
    EXPECT_EQ(row.cycleText(), u"/mo");
    EXPECT_EQ(row.trialActionText(), u"Mark as Trial");
    EXPECT_FALSE(row.offersCancellationPage());
    backup->setBillingCycle(BillingCycle::custom(10));
    EXPECT_EQ(row.cycleText(), u"/10d");
    backup->setCancellationUrlString(QStringLiteral("https://example.com/cancel"));
    EXPECT_TRUE(row.offersCancellationPage());
}

TEST_F(SubscriptionRowPresenterTest, SharedPriceAndSubtitleInTheRecordsCurrency)
{
    Subscription* tv = show("TV", "20.00", 12);
    tv->setCurrencyCode(QStringLiteral("EUR"));
    tv->setIsShared(true);
    tv->setSharePercentage(0.5);
    EXPECT_EQ(row.priceText(), u"€10");
    EXPECT_EQ(row.subtitle(), u"Streaming · shared 50%");

    tv->setSharePercentage(std::nullopt);  // shared, but no share stored: all of it
    EXPECT_EQ(row.priceText(), u"€20");
    EXPECT_EQ(row.subtitle(), u"Streaming · shared 100%");
    // Truncated, from the share's decimal text (0.29 × 100 is 28.999… in binary).
    tv->setSharePercentage(0.333);
    EXPECT_EQ(row.subtitle(), u"Streaming · shared 33%");
    tv->setSharePercentage(0.29);
    EXPECT_EQ(row.subtitle(), u"Streaming · shared 29%");

    tv->setPrice(dec("9.99"));
    tv->setSharePercentage(0.5);  // 4.995 is not whole: two decimals
    EXPECT_EQ(row.priceText(), u"€5.00");
}

TEST_F(SubscriptionRowPresenterTest, DueTextAndColourByUrgency)
{
    Subscription* s = show("Video", "10", 8);
    const QColor calm = Aurora::white(0.38);
    const struct {
        int days;
        const char16_t* text;
        QColor color;
    } table[] = {{-1, u"Overdue", Aurora::redDeep()},  {0, u"Today", Aurora::redDeep()},
                 {2, u"In 2 days", Aurora::redDeep()}, {3, u"In 3 days", Aurora::amber()},
                 {7, u"In 7 days", Aurora::amber()},   {8, u"In 8 days", calm}};
    for (const auto& entry : table) {
        s->setNextBillingDate(kNow.addDays(entry.days));
        EXPECT_EQ(row.dueText(), QString::fromUtf16(entry.text)) << entry.days;
        EXPECT_EQ(row.dueColor(), entry.color) << entry.days;
    }
    // Spoken, each day is a sentence of its own.
    s->setNextBillingDate(kNow.addDays(-1));
    EXPECT_TRUE(row.accessibilityText().endsWith(u"Streaming. Renewal overdue."));
    s->setNextBillingDate(kNow);
    EXPECT_TRUE(row.accessibilityText().endsWith(u"Streaming. Renews today."));
    s->setNextBillingDate(kNow.addDays(1));
    EXPECT_TRUE(row.accessibilityText().endsWith(u"Streaming. Renews tomorrow."));
}

TEST_F(SubscriptionRowPresenterTest, TrialCountsDownToItsConversion)
{
    Subscription* s = show("Video", "9.99", 20);
    const auto trialEndingIn = [&](int days) {
        s->setIsTrial(true);
        s->setTrialEndDate(kNow.addDays(days));
    };
    trialEndingIn(0);
    EXPECT_TRUE(row.showsTrialBadge());
    EXPECT_EQ(row.trialActionText(), u"End Trial — Keep Subscription");
    EXPECT_EQ(row.dueText(), u"Converts today");
    EXPECT_EQ(row.dueColor(), Aurora::redDeep());  // the trial's day, not the renewal's
    EXPECT_EQ(row.accessibilityText(), u"Video, $9.99 per month, Streaming. Trial converts today.");
    trialEndingIn(1);
    EXPECT_EQ(row.dueText(), u"Converts tomorrow");
    EXPECT_EQ(row.accessibilityText(), u"Video, $9.99 per month, Streaming. Trial converts tomorrow.");
    trialEndingIn(4);
    EXPECT_EQ(row.dueText(), u"Converts in 4 days");
    EXPECT_EQ(row.accessibilityText(), u"Video, $9.99 per month, Streaming. Trial converts in 4 days.");

    trialEndingIn(-2);  // passed, and maintenance has not ended it yet
    EXPECT_EQ(row.dueText(), u"Converted");
    EXPECT_EQ(row.accessibilityText(), u"Video, $9.99 per month, Streaming. Trial converted.");

    s->setTrialEndDate(std::nullopt);  // no end date: the renewal counts
    EXPECT_TRUE(row.showsTrialBadge());
    EXPECT_EQ(row.dueText(), u"In 20 days");
    EXPECT_EQ(row.accessibilityText(), u"Video, $9.99 per month, Streaming. Renews in 20 days.");
}

TEST_F(SubscriptionRowPresenterTest, ToggledTrialIsSavedAndKeepsTheDateAndTheOrder)
{
    show("Early", "5", 3);
    Subscription* s = show("Video", "10", 10);
    show("Late", "5", 12);
    row.setSubscription(s);
    const QList<Subscription*> order = store->upcoming();
    QSignalSpy texts(&row, &SubscriptionRowPresenter::textsChanged);

    row.toggleTrial();
    EXPECT_TRUE(s->isTrial());
    EXPECT_EQ(s->trialEndDate(), kNow.addDays(10));
    EXPECT_EQ(s->nextBillingDate(), kNow.addDays(10));
    EXPECT_FALSE(s->hasUnsavedChanges());
    EXPECT_GE(texts.count(), 1);
    EXPECT_EQ(row.dueText(), u"Converts in 10 days");
    EXPECT_EQ(store->upcoming(), order);

    row.toggleTrial();
    EXPECT_FALSE(s->isTrial());
    EXPECT_FALSE(s->trialEndDate().has_value());
    EXPECT_EQ(s->nextBillingDate(), kNow.addDays(10));
    EXPECT_FALSE(s->hasUnsavedChanges());
    EXPECT_TRUE(store->active().contains(s));
}
