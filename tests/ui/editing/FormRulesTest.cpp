// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/FormRules.h"

#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <QVariantMap>

#include <gtest/gtest.h>

using namespace tabrino;
using tabrino::test::dec;
using tabrino::test::utc;

TEST(FormRules, PriceReadsCommasAndSurroundingSpacesButOnlyWholeNumbers)
{
    EXPECT_EQ(FormRules::price(u"12,50"_qs), dec("12.5"));
    EXPECT_EQ(FormRules::price(u" 12.50 "_qs), dec("12.5"));
    EXPECT_EQ(FormRules::price(u"\t4,99\t"_qs), dec("4.99"));
    EXPECT_EQ(FormRules::price(u"0"_qs), dec("0"));
    // Text with more than one number in it is no price at all, rather than
    // the number at its start.
    EXPECT_FALSE(FormRules::price(u"1,234.50"_qs));
    EXPECT_FALSE(FormRules::price(u"12abc"_qs));
    EXPECT_FALSE(FormRules::price(u""_qs));
    // Only spaces and tabs are trimmed.
    EXPECT_FALSE(FormRules::price(u"12\n"_qs));
}

TEST(FormRules, ValidNeedsANameAndAPriceOfAtLeastZero)
{
    EXPECT_TRUE(FormRules::isValid(u"Gym"_qs, u"0"_qs));
    EXPECT_TRUE(FormRules::isValid(u" Gym "_qs, u"4,99"_qs));
    EXPECT_FALSE(FormRules::isValid(u" \t "_qs, u"4.99"_qs));
    EXPECT_FALSE(FormRules::isValid(u"Gym"_qs, u"-1"_qs));
    EXPECT_FALSE(FormRules::isValid(u"Gym"_qs, u"abc"_qs));
    EXPECT_FALSE(FormRules::isValid(u"Gym"_qs, u""_qs));
    EXPECT_EQ(FormRules::trimmed(u"\t a b \t"_qs), u"a b");
    EXPECT_EQ(FormRules::trimmed(u" line\n"_qs), u"line\n");
}

TEST(FormRules, CustomDaysAreASignedWholeNumberOrThirty)
{
    EXPECT_EQ(FormRules::wholeNumber(u"45"_qs), 45);
    EXPECT_EQ(FormRules::wholeNumber(u"+7"_qs), 7);
    EXPECT_EQ(FormRules::wholeNumber(u"-3"_qs), -3);
    for (const QString& text : {u" 5"_qs, u"5 "_qs, u""_qs, u"+"_qs, u"5x"_qs, u"1.5"_qs, u"99999999999999999999"_qs})
        EXPECT_FALSE(FormRules::wholeNumber(text)) << text.toStdString();
    EXPECT_EQ(FormRules::customDays(u"abc"_qs), 30);
    EXPECT_EQ(FormRules::customDays(u""_qs), 30);
}

TEST(FormRules, PickedSegmentBecomesACycleWithTheTypedDays)
{
    EXPECT_EQ(FormRules::cycle(u"custom"_qs, u"letters"_qs), BillingCycle::custom(30));
    EXPECT_EQ(FormRules::cycle(u"custom"_qs, u""_qs), BillingCycle::custom(30));
    EXPECT_EQ(FormRules::cycle(u"custom"_qs, u"0"_qs), BillingCycle::custom(1));
    EXPECT_EQ(FormRules::cycle(u"custom"_qs, u"-5"_qs), BillingCycle::custom(1));
    EXPECT_EQ(FormRules::cycle(u"custom"_qs, u"45"_qs), BillingCycle::custom(45));
    EXPECT_EQ(FormRules::cycle(u"custom"_qs, u"9999999"_qs), BillingCycle::custom(BillingCycle::kMaxCustomDays));
    EXPECT_EQ(FormRules::cycle(u"yearly"_qs, u"45"_qs), BillingCycle::yearly());
    EXPECT_EQ(FormRules::cycle(u"fortnightly"_qs, u"45"_qs), BillingCycle::monthly());
}

TEST(FormRules, OnePeriodPerCycleWithoutWrapping)
{
    const Calendar calendar(u"Europe/Berlin"_qs);
    const QDateTime jan31 = tabrino::test::local(calendar, 2025, 1, 31, 12);
    const auto after = [&](const BillingCycle& cycle) { return FormRules::onePeriodAfter(jan31, cycle, calendar); };
    EXPECT_EQ(after(BillingCycle::weekly()), tabrino::test::local(calendar, 2025, 2, 7, 12));
    EXPECT_EQ(after(BillingCycle::monthly()), tabrino::test::local(calendar, 2025, 2, 28, 12));
    EXPECT_EQ(after(BillingCycle::quarterly()), tabrino::test::local(calendar, 2025, 4, 30, 12));
    EXPECT_EQ(after(BillingCycle::yearly()), tabrino::test::local(calendar, 2026, 1, 31, 12));
    EXPECT_EQ(after(BillingCycle::custom(10)), tabrino::test::local(calendar, 2025, 2, 10, 12));
    EXPECT_EQ(after(BillingCycle::custom(0)), tabrino::test::local(calendar, 2025, 2, 1, 12));
    // Across the spring change the wall-clock time stays.
    EXPECT_EQ(
        FormRules::onePeriodAfter(tabrino::test::local(calendar, 2025, 3, 29, 9), BillingCycle::weekly(), calendar),
        tabrino::test::local(calendar, 2025, 4, 5, 9));
}

TEST(FormRules, ReminderChoicesNameTheCyclesDefault)
{
    const auto labels = [](const BillingCycle& cycle) {
        QStringList texts;
        for (const QVariant& choice : FormRules::leadChoices(cycle))
            texts << choice.toMap().value(u"label"_qs).toString();
        return texts;
    };
    EXPECT_EQ(labels(BillingCycle::monthly()),
              (QStringList{u"Default (3 days before)"_qs, u"Off"_qs, u"1 day before"_qs, u"3 days before"_qs,
                           u"7 days before"_qs, u"14 days before"_qs}));
    QList<int> values;
    for (const QVariant& choice : FormRules::leadChoices(BillingCycle::monthly()))
        values << choice.toMap().value(u"value"_qs).toInt();
    EXPECT_EQ(values, (QList<int>{-1, 0, 1, 3, 7, 14}));

    EXPECT_EQ(FormRules::defaultLeadLabel(BillingCycle::weekly()), u"Default (1 day before)");
    EXPECT_EQ(FormRules::defaultLeadLabel(BillingCycle::quarterly()), u"Default (7 days before)");
    EXPECT_EQ(FormRules::defaultLeadLabel(BillingCycle::yearly()), u"Default (14 days before)");
    EXPECT_EQ(FormRules::defaultLeadLabel(BillingCycle::custom(59)), u"Default (3 days before)");
    EXPECT_EQ(FormRules::defaultLeadLabel(BillingCycle::custom(60)), u"Default (7 days before)");
    EXPECT_EQ(FormRules::defaultLeadLabel(BillingCycle::custom(180)), u"Default (14 days before)");
}

TEST(FormRules, SharePercentRoundTripsThroughDecimalText)
{
    // 0.29 × 100 is 28.999… in binary; the form shows and keeps 29.
    EXPECT_EQ(FormRules::percentFromShare(0.29), 29.0);
    EXPECT_EQ(FormRules::shareFromPercent(29.0), 0.29);
    EXPECT_EQ(FormRules::shareFromPercent(FormRules::percentFromShare(0.3)), 0.3);
    EXPECT_EQ(FormRules::shareFromPercent(55.0), 0.55);
}
