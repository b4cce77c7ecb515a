// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/PlanPickerModel.h"
#include "ui/editing/Prefill.h"

#include "EditingFixture.h"

#include "foundation/Clock.h"

using namespace tabrino;
using namespace tabrino::test;

namespace {

class PlanPickerTest : public EditingFixture {
protected:
    PlanPickerModel& open(const CatalogService& service)
    {
        picker.setStore(store.get());
        picker.setService(service);
        picker.start();
        return picker;
    }

    QDateTime now() const { return Clock::now(); }

    PlanPickerModel picker;
};

}  // namespace

TEST_F(PlanPickerTest, AnOnlyPlanIsSelectedAtOnceAndBillsOnePeriodAhead)
{
    open(single());
    EXPECT_EQ(picker.selectedIndex(), 0);
    EXPECT_EQ(picker.nextBillingDate(), now().addDays(7));
    EXPECT_EQ(picker.addButtonText(), u"Add The New York Times");
}

TEST_F(PlanPickerTest, SelectingAPlanReplacesThePickedDateWithOnePeriodAhead)
{
    open(icloud());
    EXPECT_FALSE(picker.hasSelection());
    EXPECT_EQ(picker.nextBillingDate(), local(calendar, 2025, 4, 10, 12));
    picker.select(1);
    EXPECT_EQ(picker.nextBillingDate(), local(calendar, 2026, 3, 10, 12));
    picker.setNextBillingDate(local(calendar, 2025, 12, 24, 9));
    picker.select(0);
    EXPECT_EQ(picker.nextBillingDate(), local(calendar, 2025, 4, 10, 12));
}

TEST_F(PlanPickerTest, AnInitialPlanStartsSelectedWithItsOwnPeriod)
{
    picker.setInitialPlan(plan("2 TB", "99.99", "yearly"));
    open(icloud());
    EXPECT_EQ(picker.selectedIndex(), 1);
    EXPECT_EQ(picker.nextBillingDate(), local(calendar, 2026, 3, 10, 12));

    // A plan the service does not offer, the empty plan among them, is none:
    // nothing selected, and a month ahead.
    for (const CatalogPlan& stranger : {plan("3 TB", "9.99", "weekly"), CatalogPlan{}}) {
        picker.setInitialPlan(stranger);
        picker.start();
        EXPECT_FALSE(picker.hasSelection()) << stranger.name.toStdString();
        EXPECT_EQ(picker.nextBillingDate(), local(calendar, 2025, 4, 10, 12)) << stranger.name.toStdString();
    }
}

TEST_F(PlanPickerTest, PillsShowDollarsWithCentsPerCycle)
{
    open(netflix());
    const QVariantMap first = picker.plans().first().toMap();
    EXPECT_EQ(first.value(u"name"_qs), u"Standard with ads"_qs);
    EXPECT_EQ(first.value(u"priceText"_qs), u"$7.99/mo"_qs);
    EXPECT_EQ(first.value(u"accessibilityText"_qs), u"Standard with ads, $7.99 per month"_qs);
    EXPECT_EQ(PlanPickerModel::priceText(plan("Annual", "120", "yearly")), u"$120.00/yr");
}

TEST_F(PlanPickerTest, CustomizeSeedsTheFormWithTheSelectedOrCheapestPlan)
{
    open(icloud());
    Prefill seed = picker.customizedPrefill();
    EXPECT_EQ(seed.name, u"iCloud+");
    EXPECT_EQ(seed.serviceId, u"icloud"_qs);
    EXPECT_EQ(seed.price, dec("0.99"));
    EXPECT_EQ(seed.cycle, BillingCycle::monthly());
    EXPECT_EQ(seed.category, SubscriptionCategory::Cloud);
    EXPECT_EQ(seed.brandColorHex, u"3693F3"_qs);
    EXPECT_EQ(seed.symbolName, u"icloud"_qs);
    EXPECT_FALSE(seed.cancellationUrl);

    picker.select(1);
    seed = picker.customizedPrefill();
    EXPECT_EQ(seed.price, dec("99.99"));
    EXPECT_EQ(seed.cycle, BillingCycle::yearly());

    // Without plans: no price, monthly.
    PlanPickerModel bare;
    bare.setService(planless());
    bare.start();
    seed = bare.customizedPrefill();
    EXPECT_EQ(seed.price, Decimal(0));
    EXPECT_EQ(seed.cycle, BillingCycle::monthly());
    EXPECT_EQ(seed.category, SubscriptionCategory::Other);
}

TEST_F(PlanPickerTest, ConfirmAddsADollarRecordWithTheServicesLooksAndAsksToRemind)
{
    settings.setDefaultCurrencyCode(u"EUR"_qs);
    open(netflix());
    EXPECT_FALSE(picker.confirm());
    EXPECT_TRUE(store->active().isEmpty());

    picker.select(1);
    picker.setNextBillingDate(local(calendar, 2025, 3, 20, 12));
    ASSERT_TRUE(picker.confirm());
    ASSERT_EQ(store->active().size(), 1);
    const Subscription* added = store->active().first();
    EXPECT_EQ(added->name(), u"Netflix");
    EXPECT_EQ(added->price(), dec("17.99"));
    EXPECT_EQ(added->currencyCode(), u"USD");
    EXPECT_EQ(added->billingCycle(), BillingCycle::monthly());
    EXPECT_EQ(added->nextBillingDate(), local(calendar, 2025, 3, 20, 12));
    EXPECT_EQ(added->category(), SubscriptionCategory::Streaming);
    EXPECT_EQ(added->serviceId(), u"netflix"_qs);
    EXPECT_EQ(added->brandColorHex(), u"#E50914"_qs);
    EXPECT_EQ(added->symbolName(), u"play.tv"_qs);
    EXPECT_EQ(added->cancellationUrlString(), u"https://www.netflix.com/cancelplan"_qs);
    EXPECT_FALSE(added->isTrial() || added->isShared() || added->notes() || added->notificationLeadDays());
    EXPECT_EQ(counting.notificationRequests, 1);

    // Saved: a fresh store over the same file reads it back.
    launch();
    store->refresh();
    ASSERT_EQ(store->active().size(), 1);
    EXPECT_EQ(store->active().first()->serviceId(), u"netflix"_qs);
}
