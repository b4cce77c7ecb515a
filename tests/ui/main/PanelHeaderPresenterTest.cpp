// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/PanelHeaderPresenter.h"

#include "model/MonthlySnapshot.h"
#include "support/TestMoney.h"
#include "ui/LabelFixture.h"
#include "ui/design/Aurora.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace tabrino;
using test::dec;

namespace {

class PanelHeaderPresenterTest : public ::testing::Test, protected test::LabelFixture {
protected:
    void lastMonthsTotal(const char* total)
    {
        container->mainContext().insert(new MonthlySnapshot(test::utc(2025, 5, 1), dec(total), 1));
        store->save();
    }

    PanelHeaderPresenter header;
};

}  // namespace

TEST_F(PanelHeaderPresenterTest, TotalsFollowTheStoreAndTheDefaultCurrency)
{
    Subscription* service = add("12", 20);
    header.setStore(store.get());
    EXPECT_EQ(header.monthlyText(), u"$12");
    EXPECT_EQ(header.monthlyAccessibilityText(), u"Monthly total $12");
    EXPECT_EQ(header.yearlyText(), u"$144 per year");

    service->setPrice(dec("12.5"));
    QCoreApplication::processEvents();
    EXPECT_EQ(header.monthlyText(), u"$12.50");
    EXPECT_EQ(header.yearlyText(), u"$150 per year");

    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    EXPECT_EQ(header.monthlyText(), u"€12.50");
}

TEST_F(PanelHeaderPresenterTest, NoPillWithoutAKnownNonZeroChange)
{
    add("12", 20);
    header.setStore(store.get());
    EXPECT_FALSE(header.showsDelta());  // no earlier month

    lastMonthsTotal("12");
    QCoreApplication::processEvents();
    ASSERT_TRUE(store->monthOverMonthDelta().has_value());
    EXPECT_FALSE(header.showsDelta());  // exactly as last month
    EXPECT_TRUE(header.deltaText().isEmpty());
    EXPECT_TRUE(header.deltaAccessibilityText().isEmpty());
}

TEST_F(PanelHeaderPresenterTest, FallInEurosReadsAsLessWithTheMinusSign)
{
    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    add("10", 20);
    lastMonthsTotal("13.5");
    header.setStore(store.get());
    ASSERT_TRUE(header.showsDelta());
    EXPECT_EQ(header.deltaSymbol(), u"arrow.down");
    EXPECT_EQ(header.deltaArrowColor(), Aurora::rgb(0.63, 0.85, 0.66));
    EXPECT_EQ(header.deltaText(), u"\u2212€3.50 vs last month");
    EXPECT_EQ(header.deltaAccessibilityText(), u"Spending €3.50 less than last month");
}

TEST_F(PanelHeaderPresenterTest, RiseReadsAsMoreWithThePlusSign)
{
    add("14", 20);
    lastMonthsTotal("12");
    header.setStore(store.get());
    ASSERT_TRUE(header.showsDelta());
    EXPECT_EQ(header.deltaSymbol(), u"arrow.up");
    EXPECT_EQ(header.deltaArrowColor(), Aurora::deltaArrow());
    EXPECT_EQ(header.deltaText(), u"+$2 vs last month");
    EXPECT_EQ(header.deltaAccessibilityText(), u"Spending $2 more than last month");
}
