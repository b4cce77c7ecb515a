// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/AddFlow.h"
#include "ui/editing/CatalogResultsModel.h"
#include "ui/editing/PlanPickerModel.h"
#include "ui/editing/SubscriptionFormModel.h"

#include "EditingFixture.h"

#include "support/TestCatalogue.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

using namespace tabrino;
using namespace tabrino::test;

namespace {

class AddFlowTest : public EditingFixture {
protected:
    AddFlowTest() { flow.setStore(store.get()); }

    QStringList resultNames() const
    {
        QStringList names;
        for (const CatalogService& service : flow.results()->services())
            names << service.name;
        return names;
    }

    AddFlow flow;
};

}  // namespace

TEST_F(AddFlowTest, ReturnOpensTheFirstResultsPlansAndBackKeepsTheQuery)
{
    EXPECT_EQ(flow.title(), u"Add Subscription");
    flow.setQuery(u"netf"_qs);
    ASSERT_TRUE(flow.selectFirstResult());
    EXPECT_EQ(flow.stage(), AddFlow::Stage::Plan);
    EXPECT_EQ(flow.service().id, u"netflix");
    EXPECT_EQ(flow.title(), u"Netflix");

    QSignalSpy done(&flow, &AddFlow::done);
    flow.back();
    EXPECT_EQ(flow.stage(), AddFlow::Stage::Search);
    EXPECT_EQ(flow.query(), u"netf");
    EXPECT_EQ(resultNames(), QStringList{u"Netflix"_qs});
    EXPECT_EQ(done.count(), 0);
    flow.back();
    EXPECT_EQ(done.count(), 1);
}

TEST_F(AddFlowTest, WithoutResultsReturnDoesNothingAndTheCustomRowTakesTheText)
{
    flow.setQuery(u"zzqx"_qs);
    EXPECT_EQ(flow.results()->count(), 0);
    EXPECT_FALSE(flow.selectFirstResult());
    EXPECT_EQ(flow.stage(), AddFlow::Stage::Search);
    EXPECT_EQ(flow.customRowLabel(), u"Can't find it? Add \"zzqx\"");

    // Two spaces are shown as typed, and give an empty name.
    flow.setQuery(u"  "_qs);
    EXPECT_EQ(flow.customRowLabel(), u"Can't find it? Add \"  \"");
    flow.chooseCustom();
    EXPECT_EQ(flow.stage(), AddFlow::Stage::Custom);
    EXPECT_EQ(flow.title(), u"New Subscription");
    EXPECT_EQ(flow.prefill().name, u"");

    flow.back();
    flow.setQuery(QString());
    EXPECT_EQ(flow.customRowLabel(), u"Add a custom subscription");
}

TEST_F(AddFlowTest, CustomRowSeedsOnlyTheTrimmedName)
{
    flow.setQuery(u"\t My Gym "_qs);
    flow.chooseCustom();
    Prefill expected;
    expected.name = u"My Gym"_qs;
    EXPECT_EQ(flow.prefill(), expected);
    EXPECT_EQ(expected.price, Decimal(0));
    EXPECT_EQ(expected.cycle, BillingCycle::monthly());
    EXPECT_EQ(expected.category, SubscriptionCategory::Other);
    EXPECT_FALSE(expected.serviceId || expected.brandColorHex || expected.symbolName || expected.cancellationUrl);
}

TEST_F(AddFlowTest, ResultsFollowTheSearchRowByRowNeverByAReset)
{
    QAbstractItemModelTester tester(flow.results(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(flow.results(), &QAbstractItemModel::modelReset);
    // A blank text lists the popular services this catalog holds.
    EXPECT_EQ(resultNames(), QStringList{u"Netflix"_qs});
    for (const char* text : {"i", "ic", "e", "", "n", "ne", "zz", "  ", "t"}) {
        flow.setQuery(QString::fromLatin1(text));
        const QList<CatalogService> expected = catalog.search(flow.query(), 8);
        ASSERT_EQ(flow.results()->services(), expected) << text;
        ASSERT_EQ(flow.results()->rowCount(), expected.size());
    }
    EXPECT_EQ(resets.count(), 0);

    const QModelIndex first = flow.results()->index(0);
    EXPECT_EQ(first.data(CatalogResultsModel::NameRole), flow.results()->services().first().name);
}

TEST_F(AddFlowTest, ResultRowsSayTheCheapestPlanInDollarsAndTheCategory)
{
    // iCloud+'s cheapest plan per month is 0.99 monthly, before 99.99 yearly.
    EXPECT_EQ(CatalogResultsModel::subtitle(icloud()), u"from $0.99/mo · Cloud");
    CatalogService yearly = icloud();
    yearly.plans = {plan("Pro", "120", "yearly"), plan("Monthly", "12", "monthly")};
    EXPECT_EQ(CatalogResultsModel::subtitle(yearly), u"from $120/yr · Cloud");
    EXPECT_EQ(CatalogResultsModel::subtitle(single()), u"from $6.25/wk · News");
    // No plan, no subtitle; a category the app does not know reads as Other.
    EXPECT_EQ(CatalogResultsModel::subtitle(planless()), u"");
    EXPECT_EQ(CatalogResultsModel::accessibilityText(planless()), u"Bare, Other");
    EXPECT_EQ(CatalogResultsModel::accessibilityText(netflix()), u"Netflix, Streaming");
}

TEST_F(AddFlowTest, ResultsPlansAndTheFormNameCyclesAndCategoriesInTheUsersLanguage)
{
    TestCatalogue german;
    german.add("mo", u"Mon."_qs)
        .add("%1 per month", u"%1 im Monat"_qs)
        .add("Cloud", u"Online-Speicher"_qs)
        .add("Streaming", u"Video"_qs)
        .add("Music", u"Musik"_qs);
    EXPECT_EQ(CatalogResultsModel::subtitle(icloud()), u"from $0.99/Mon. · Online-Speicher");
    EXPECT_EQ(CatalogResultsModel::accessibilityText(netflix()), u"Netflix, Video");
    const CatalogPlan basic = plan("Basic", "7.99", "monthly");
    EXPECT_EQ(PlanPickerModel::priceText(basic), u"$7.99/Mon.");
    EXPECT_EQ(PlanPickerModel::accessibilityText(basic), u"Basic, $7.99 im Monat");
    // The form shows the name and keeps the stored value.
    const QVariantMap music = SubscriptionFormModel::categoryChoices().at(2).toMap();
    EXPECT_EQ(music.value(u"label"_qs), u"Musik"_qs);
    EXPECT_EQ(music.value(u"value"_qs), u"music"_qs);
}
