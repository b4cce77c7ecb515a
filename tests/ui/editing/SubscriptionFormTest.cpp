// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/SubscriptionFormModel.h"

#include "EditingFixture.h"

#include "foundation/Clock.h"
#include "store/ModelContext.h"

using namespace tabrino;
using namespace tabrino::test;

namespace {

class SubscriptionFormTest : public EditingFixture {
protected:
    SubscriptionFormModel& openNew(const Prefill& prefill = {})
    {
        form.setStore(store.get());
        form.setPrefill(prefill);
        form.start();
        return form;
    }

    SubscriptionFormModel& openEdit(Subscription* record)
    {
        form.setStore(store.get());
        form.setSubscription(record);
        form.start();
        return form;
    }

    // A stored record with every field the form does not show set.
    Subscription* stored()
    {
        Subscription* s = add(u"Gym"_qs, "30", BillingCycle::monthly(), local(calendar, 2025, 3, 20, 12),
                              SubscriptionCategory::Fitness);
        s->setServiceId(u"gym-co"_qs);
        s->setBrandColorHex(u"#112233"_qs);
        s->setSymbolName(u"dumbbell"_qs);
        s->setCancellationUrlString(u"https://gym.example/cancel"_qs);
        s->setStartDate(local(calendar, 2024, 1, 5));
        s->setDateAdded(local(calendar, 2024, 1, 6));
        s->setNotificationsEnabled(false);
        store->save();
        return s;
    }

    SubscriptionFormModel form;
};

}  // namespace

TEST_F(SubscriptionFormTest, NewFormStartsEmptyInTheDefaultCurrencyAMonthAhead)
{
    settings.setDefaultCurrencyCode(u"EUR"_qs);
    openNew();
    EXPECT_EQ(form.name(), u"");
    EXPECT_EQ(form.priceText(), u"");
    EXPECT_EQ(form.currencyCode(), u"EUR");
    EXPECT_EQ(form.currencySymbol(), u"€");
    EXPECT_EQ(form.cycleValue(), u"monthly");
    EXPECT_EQ(form.customDaysText(), u"30");
    EXPECT_EQ(form.nextBillingDate(), local(calendar, 2025, 4, 10, 12));
    EXPECT_EQ(form.categoryValue(), u"other");
    EXPECT_EQ(form.leadDaysChoice(), -1);
    EXPECT_EQ(form.leadIndex(), 0);
    EXPECT_EQ(form.leadChoices().first().toMap().value(u"label"_qs), u"Default (3 days before)"_qs);
    EXPECT_EQ(form.saveButtonText(), u"Add");
    EXPECT_FALSE(form.isEditMode());
    EXPECT_FALSE(form.isValid());
    form.setName(u"Gym"_qs);
    EXPECT_FALSE(form.isValid());
    form.setPriceText(u"0"_qs);
    EXPECT_TRUE(form.isValid());
}

TEST_F(SubscriptionFormTest, APrefillPriceShowsOnlyWhenAboveZero)
{
    Prefill seed = Prefill::fromService(icloud(), plan("2 TB", "15", "yearly"));
    openNew(seed);
    EXPECT_EQ(form.name(), u"iCloud+");
    EXPECT_EQ(form.priceText(), u"15");
    EXPECT_EQ(form.cycleValue(), u"yearly");
    EXPECT_EQ(form.categoryValue(), u"cloud");
    EXPECT_EQ(form.nextBillingDate(), local(calendar, 2026, 3, 10, 12));
    seed.price = Decimal(0);
    openNew(seed);
    EXPECT_EQ(form.priceText(), u"");
}

TEST_F(SubscriptionFormTest, AddWritesEveryShownFieldAndTheSeedsLooks)
{
    openNew(Prefill::fromService(netflix(), netflix().plans.first()));
    form.setName(u"  Netflix Family "_qs);
    form.setPriceText(u"4,99"_qs);
    form.setCustomDaysText(u"45"_qs);
    form.setCycleValue(u"custom"_qs);
    form.setCategoryValue(u"music"_qs);
    form.setIsTrial(true);
    form.setTrialEndDate(local(calendar, 2025, 3, 24, 12));
    form.setIsShared(true);
    form.setSharePercent(30);
    form.setPaymentMethod(u"  "_qs);
    form.setLeadDaysChoice(7);
    ASSERT_TRUE(form.save());

    ASSERT_EQ(store->active().size(), 1);
    const Subscription* s = store->active().first();
    EXPECT_EQ(s->name(), u"Netflix Family");
    EXPECT_EQ(s->price(), dec("4.99"));
    EXPECT_EQ(s->currencyCode(), u"USD");
    EXPECT_EQ(s->billingCycle(), BillingCycle::custom(45));
    EXPECT_EQ(s->category(), SubscriptionCategory::Music);
    EXPECT_EQ(s->trialEndDate(), local(calendar, 2025, 3, 24, 12));
    EXPECT_EQ(s->sharePercentage(), 0.3);
    EXPECT_EQ(s->paymentMethod(), u"  "_qs);
    EXPECT_FALSE(s->notes());
    EXPECT_EQ(s->notificationLeadDays(), 7);
    EXPECT_EQ(s->serviceId(), u"netflix"_qs);
    EXPECT_EQ(s->brandColorHex(), u"#E50914"_qs);
    EXPECT_EQ(s->symbolName(), u"play.tv"_qs);
    EXPECT_EQ(s->cancellationUrlString(), u"https://www.netflix.com/cancelplan"_qs);
    EXPECT_EQ(counting.notificationRequests, 1);
}

TEST_F(SubscriptionFormTest, AnInvalidPriceWritesNothing)
{
    Subscription* record = stored();
    openEdit(record);
    for (const QString& price : {u"-1"_qs, u"12abc"_qs, u"1,234.50"_qs}) {
        form.setPriceText(price);
        form.setName(u"Changed"_qs);
        EXPECT_FALSE(form.isValid());
        EXPECT_FALSE(form.save()) << price.toStdString();
    }
    EXPECT_EQ(record->name(), u"Gym");
    EXPECT_EQ(record->price(), Decimal(30));

    openNew();
    form.setName(u"New"_qs);
    form.setPriceText(u"abc"_qs);
    EXPECT_FALSE(form.save());
    EXPECT_EQ(store->active().size(), 1);
    EXPECT_EQ(counting.notificationRequests, 0);
}

TEST_F(SubscriptionFormTest, EditKeepsValuesTheFormDoesNotOfferAndFieldsItDoesNotShow)
{
    Subscription* record = stored();
    record->setCurrencyCode(u"BRL"_qs);
    record->setNotificationLeadDays(5);
    store->save();
    openEdit(record);
    EXPECT_EQ(form.saveButtonText(), u"Save");
    EXPECT_EQ(form.currencyIndex(), -1);
    EXPECT_EQ(form.leadIndex(), -1);
    EXPECT_EQ(form.priceText(), u"30");
    EXPECT_EQ(form.customDaysText(), u"1");
    EXPECT_EQ(form.trialEndDate(), record->nextBillingDate());
    EXPECT_EQ(form.sharePercent(), 50);

    form.setPriceText(u"32.50"_qs);
    ASSERT_TRUE(form.save());
    EXPECT_EQ(record->price(), dec("32.5"));
    EXPECT_EQ(record->currencyCode(), u"BRL");
    EXPECT_EQ(record->notificationLeadDays(), 5);
    EXPECT_EQ(record->serviceId(), u"gym-co"_qs);
    EXPECT_EQ(record->brandColorHex(), u"#112233"_qs);
    EXPECT_EQ(record->symbolName(), u"dumbbell"_qs);
    EXPECT_EQ(record->cancellationUrlString(), u"https://gym.example/cancel"_qs);
    EXPECT_EQ(record->startDate(), local(calendar, 2024, 1, 5));
    EXPECT_EQ(record->dateAdded(), local(calendar, 2024, 1, 6));
    EXPECT_FALSE(record->notificationsEnabled());
    EXPECT_TRUE(record->isActive());
    EXPECT_EQ(counting.notificationRequests, 0);
    EXPECT_EQ(store->active().size(), 1);
}

TEST_F(SubscriptionFormTest, SwitchesOffRemoveTrialAndShareAndASharedRecordRoundTrips)
{
    Subscription* record = stored();
    record->setIsTrial(true);
    record->setTrialEndDate(local(calendar, 2025, 3, 15));
    record->setIsShared(true);
    record->setSharePercentage(0.3);
    record->setNotes(u"family"_qs);
    store->save();

    openEdit(record);
    EXPECT_EQ(form.sharePercent(), 30);
    EXPECT_EQ(form.shareText(), u"30%");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(record->sharePercentage(), 0.3);
    EXPECT_EQ(record->trialEndDate(), local(calendar, 2025, 3, 15));

    openEdit(record);
    form.setIsTrial(false);
    form.setIsShared(false);
    form.setNotes(QString());
    ASSERT_TRUE(form.save());
    EXPECT_FALSE(record->isTrial());
    EXPECT_FALSE(record->trialEndDate());
    EXPECT_FALSE(record->isShared());
    EXPECT_FALSE(record->sharePercentage());
    EXPECT_FALSE(record->notes());
}

TEST_F(SubscriptionFormTest, TheDefaultReminderLabelFollowsTheCycleBeingEdited)
{
    openNew();
    form.setCycleValue(u"yearly"_qs);
    EXPECT_EQ(form.leadChoices().first().toMap().value(u"label"_qs), u"Default (14 days before)"_qs);
    form.setCustomDaysText(u"90"_qs);
    form.setCycleValue(u"custom"_qs);
    EXPECT_EQ(form.cycle(), BillingCycle::custom(90));
    EXPECT_EQ(form.leadChoices().first().toMap().value(u"label"_qs), u"Default (7 days before)"_qs);
    // Days typed after picking Custom count too: the label says what a save stores.
    form.setCustomDaysText(u"200"_qs);
    EXPECT_EQ(form.leadChoices().first().toMap().value(u"label"_qs), u"Default (14 days before)"_qs);
    EXPECT_EQ(form.cycleToSave(), BillingCycle::custom(200));
    // The unit after the field counts what a save stores.
    EXPECT_EQ(form.customDays(), 200);
    form.setCustomDaysText(u"0"_qs);
    EXPECT_EQ(form.customDays(), 1);
    form.setCustomDaysText(u"often"_qs);
    EXPECT_EQ(form.customDays(), 30);
}

TEST_F(SubscriptionFormTest, ArchiveActsAtOnce)
{
    Subscription* record = stored();
    openEdit(record);
    form.archive();
    EXPECT_FALSE(record->isActive());
    EXPECT_TRUE(store->active().isEmpty());
    EXPECT_EQ(store->archived().size(), 1);
}

TEST_F(SubscriptionFormTest, CurrencySymbolsComeFromTheMoneyFormatter)
{
    EXPECT_EQ(SubscriptionFormModel::currencySymbol(u"USD"_qs), u"$");
    EXPECT_EQ(SubscriptionFormModel::currencySymbol(u"GBP"_qs), u"£");
    EXPECT_EQ(SubscriptionFormModel::currencySymbol(u"CHF"_qs), u"CHF");
    // A code no formatter can write stands for itself.
    EXPECT_EQ(SubscriptionFormModel::currencySymbol(u"EURO"_qs), u"EURO");
}
