// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/BillingCycle.h"
#include "model/SubscriptionCategory.h"
#include "support/SpokenLanguage.h"
#include "support/TestMoney.h"

#include <gtest/gtest.h>

using namespace tabrino;
using test::dec;

TEST(BillingCycle, readsStoredFormsLeniently)
{
    EXPECT_EQ(BillingCycle::fromStored(u"custom"_qs, 0), BillingCycle::custom(1));
    EXPECT_EQ(BillingCycle::fromStored(u"custom"_qs, -5), BillingCycle::custom(1));
    EXPECT_EQ(BillingCycle::fromStored(u"custom"_qs, 45), BillingCycle::custom(45));
    // A damaged day count cannot overflow the date arithmetic.
    EXPECT_EQ(BillingCycle::fromStored(u"custom"_qs, qint64(1) << 54),
              BillingCycle::custom(BillingCycle::kMaxCustomDays));
    EXPECT_EQ(BillingCycle::custom(qint64(1) << 54).calendarStep().count, BillingCycle::kMaxCustomDays);
    EXPECT_EQ(BillingCycle::fromStored(u"Monthly"_qs, 0), BillingCycle::monthly());
    EXPECT_EQ(BillingCycle::fromStored(u"fortnightly"_qs, 14), BillingCycle::monthly());
    EXPECT_EQ(BillingCycle::fromStored(u""_qs, 0), BillingCycle::monthly());
    EXPECT_EQ(BillingCycle::fromStored(u"weekly"_qs, 30), BillingCycle::weekly());
    EXPECT_NE(BillingCycle::custom(7), BillingCycle::weekly());
    EXPECT_EQ(qHash(BillingCycle::custom(7)), qHash(BillingCycle::custom(7)));
}

TEST(BillingCycle, textsAndSteps)
{
    EXPECT_EQ(BillingCycle::custom(1).shortLabel(), u"1d");
    EXPECT_EQ(BillingCycle::custom(10).shortLabel(), u"10d");
    EXPECT_EQ(BillingCycle::quarterly().shortLabel(), u"qtr");
    EXPECT_EQ(BillingCycle::yearly().displayName(), u"Yearly");
    EXPECT_EQ(BillingCycle::custom(0).calendarStep().count, 1);
    EXPECT_EQ(BillingCycle::quarterly().calendarStep().unit, CalendarUnit::Month);
    EXPECT_EQ(BillingCycle::quarterly().calendarStep().count, 3);
    EXPECT_EQ(BillingCycle::weekly().calendarStep().count, 7);
    EXPECT_EQ(BillingCycle::yearly().calendarStep().unit, CalendarUnit::Year);
}

// What the screens show is in the user's language, counted days in its
// plural forms; what files keep stays English.
TEST(BillingCycle, screensNameCyclesInTheUsersLanguage)
{
    const auto named = [] {
        QStringList texts;
        for (qint64 days : {1, 2, 5, 21})
            texts << BillingCycle::custom(days).localizedName();
        return texts;
    };
    const auto priced = [] {
        QStringList texts;
        for (qint64 days : {1, 2, 21})
            texts << BillingCycle::custom(days).localizedPrice(u"5 €"_qs);
        return texts << BillingCycle::monthly().localizedPrice(u"5 €"_qs);
    };
    EXPECT_EQ(named(), (QStringList{u"Every day"_qs, u"Every 2 days"_qs, u"Every 5 days"_qs, u"Every 21 days"_qs}));
    EXPECT_EQ(priced(),
              (QStringList{u"5 € every day"_qs, u"5 € every 2 days"_qs, u"5 € every 21 days"_qs, u"5 € per month"_qs}));
    {
        const test::SpokenLanguage german(u"de"_qs);
        EXPECT_EQ(named(), (QStringList{u"Täglich"_qs, u"Alle 2 Tage"_qs, u"Alle 5 Tage"_qs, u"Alle 21 Tage"_qs}));
        EXPECT_EQ(priced(),
                  (QStringList{u"5 € pro Tag"_qs, u"5 € alle 2 Tage"_qs, u"5 € alle 21 Tage"_qs, u"5 € pro Monat"_qs}));
        EXPECT_EQ(BillingCycle::yearly().displayName(), u"Yearly");
        EXPECT_EQ(BillingCycle::custom(21).shortLabel(), u"21d");
    }
    {
        const test::SpokenLanguage spanish(u"es"_qs);
        EXPECT_EQ(named(), (QStringList{u"Cada día"_qs, u"Cada 2 días"_qs, u"Cada 5 días"_qs, u"Cada 21 días"_qs}));
        EXPECT_EQ(priced(),
                  (QStringList{u"5 € al día"_qs, u"5 € cada 2 días"_qs, u"5 € cada 21 días"_qs, u"5 € al mes"_qs}));
    }
}

TEST(BillingCycle, monthlyFactorsAreExactDecimals)
{
    EXPECT_EQ(BillingCycle::monthly().monthlyFactor(), Decimal(1));
    EXPECT_EQ(dec("9.99") * BillingCycle::monthly().monthlyFactor(), dec("9.99"));
    EXPECT_EQ(Decimal(120) * BillingCycle::yearly().monthlyFactor(), Decimal(10));
    EXPECT_EQ(Decimal(30) * BillingCycle::quarterly().monthlyFactor(), dec("9.9999999999999999999999999999999999999"));
    EXPECT_EQ((Decimal(30) * BillingCycle::quarterly().monthlyFactor()).rounded(2), Decimal(10));
    EXPECT_EQ(Decimal(10) * BillingCycle::weekly().monthlyFactor(), dec("43.482142857142857142857142857142857143"));
    EXPECT_EQ(BillingCycle::custom(1).monthlyFactor(), dec("30.4375"));
}

TEST(SubscriptionCategory, stringsAreExactAndOrdered)
{
    EXPECT_FALSE(SubscriptionCategory::fromString(u"Streaming"));
    ASSERT_TRUE(SubscriptionCategory::fromString(u"finance"));
    EXPECT_EQ(SubscriptionCategory::fromString(u"finance")->symbolName(), u"chart.line.uptrend.xyaxis");
    QStringList raw;
    for (SubscriptionCategory category : SubscriptionCategory::values())
        raw << category.toString();
    EXPECT_EQ(raw.join(u','), u"streaming,software,music,cloud,fitness,news,gaming,finance,food,other");
    EXPECT_EQ(SubscriptionCategory(SubscriptionCategory::Food).displayName(), u"Food");
}
