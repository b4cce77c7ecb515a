// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Values as files write them: amounts read digit for digit, currencies from
// their symbols, dates that may not exist, periods Tabrino has no cycle for.
#include "ImportFixture.h"
#include "import/AmountText.h"
#include "import/CategoryText.h"
#include "import/CurrencySymbols.h"
#include "import/CycleText.h"
#include "import/DateText.h"

#include "support/TestCatalogue.h"

using namespace tabrino;
using namespace tabrino::test;
using namespace Qt::StringLiterals;

TEST(AmountText, readsEveryWayOfWritingAPriceExactly)
{
    struct Case {
        const char16_t* text;
        DecimalMark mark;
        const char* value;
        const char16_t* currency;
    };
    const Case cases[] = {
        {u"15.99", DecimalMark::Point, "15.99", u""},
        {u"$15.99", DecimalMark::Comma, "15.99", u"$"},  // two decimals: a point whatever the locale
        {u"15,99 €", DecimalMark::Point, "15.99", u"€"},
        {u"€ 1.299,00", DecimalMark::Point, "1299", u"€"},
        {u"1,299.5", DecimalMark::Comma, "1299.5", u""},
        {u"1 299,00 kr", DecimalMark::Point, "1299", u"kr"},
        {u"1\u202F299,00", DecimalMark::Point, "1299", u""},
        {u"CHF 1'299.95", DecimalMark::Point, "1299.95", u"CHF"},
        {u"USD 12", DecimalMark::Point, "12", u"USD"},
        {u"1,299", DecimalMark::Point, "1299", u""},
        {u"1,299", DecimalMark::Comma, "1.299", u""},
        {u"123,456.8", DecimalMark::Point, "123456.8", u""},
        {u"0.1000000000000000055511151231257827", DecimalMark::Point, "0.1000000000000000055511151231257827", u""},
        {u"+5", DecimalMark::Point, "5", u""},
        {u"-0", DecimalMark::Point, "0", u""},
    };
    for (const Case& c : cases) {
        const AmountText::Result result = AmountText::read(QStringView(c.text), c.mark);
        EXPECT_EQ(result.problem, AmountText::Problem::None) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(result.value, dec(c.value)) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(result.currency, QStringView(c.currency)) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(AmountText, namesWhatIsWrongWithAPrice)
{
    using Problem = AmountText::Problem;
    const std::pair<const char16_t*, Problem> cases[] = {
        {u"", Problem::Empty},
        {u"  ", Problem::Empty},
        {u"abc", Problem::NotANumber},
        {u"12abc34", Problem::NotANumber},
        {u"1e5", Problem::NotANumber},
        {u"1.2.3", Problem::NotANumber},
        {u"12,34,5", Problem::NotANumber},
        {u"$ 5 €", Problem::NotANumber},
        {u"about 5", Problem::NotANumber},
        {u"5.", Problem::NotANumber},
        {u"=1+2", Problem::Formula},
        {u"@SUM(A1)", Problem::Formula},
        {u"-A1", Problem::Formula},
        {u"+B2", Problem::Formula},
        {u"-5", Problem::Negative},
        {u"−5 €", Problem::Negative},
        {u"1000000.01", Problem::TooLarge},
        {u"9"
         "99999999999999999999999999999999999999999",
         Problem::TooLarge},
    };
    for (const auto& [text, problem] : cases)
        EXPECT_EQ(AmountText::read(QStringView(text), DecimalMark::Point).problem, problem)
            << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(AmountText::read(u"1000000", DecimalMark::Point).problem, Problem::None);
}

TEST(CurrencySymbols, aSharedSymbolIsTheUsersCurrencyOrAQuestion)
{
    EXPECT_EQ(CurrencySymbols::resolve(u"$", u"USD"_s).code, u"USD");
    EXPECT_EQ(CurrencySymbols::resolve(u"$", u"CAD"_s).code, u"CAD");
    EXPECT_EQ(CurrencySymbols::resolve(u"kr", u"SEK"_s).code, u"SEK");
    EXPECT_EQ(CurrencySymbols::resolve(u"kr.", u"DKK"_s).code, u"DKK");
    EXPECT_EQ(CurrencySymbols::resolve(u"¥", u"JPY"_s).code, u"JPY");
    EXPECT_EQ(CurrencySymbols::resolve(u"￥", u"JPY"_s).code, u"JPY");  // the full-width sign
    EXPECT_EQ(CurrencySymbols::resolve(u"¥", u"CNY"_s).code, u"CNY");

    const ImportedCurrency kronor = CurrencySymbols::resolve(u"kr", u"EUR"_s);
    EXPECT_FALSE(kronor.isResolved());
    for (const char* code : {"SEK", "NOK", "DKK", "ISK"})
        EXPECT_TRUE(kronor.candidates.contains(QString::fromLatin1(code))) << code;
    const ImportedCurrency yen = CurrencySymbols::resolve(u"¥", u"USD"_s);
    EXPECT_FALSE(yen.isResolved());
    EXPECT_TRUE(yen.candidates.contains(u"JPY"_s) && yen.candidates.contains(u"CNY"_s));

    // Symbols one currency owns, and codes, need no question.
    EXPECT_EQ(CurrencySymbols::resolve(u"€", u"USD"_s).code, u"EUR");
    EXPECT_EQ(CurrencySymbols::resolve(u"CA$", u"USD"_s).code, u"CAD");
    EXPECT_EQ(CurrencySymbols::resolve(u"₹", u"USD"_s).code, u"INR");
    EXPECT_EQ(CurrencySymbols::resolve(u"chf", u"USD"_s).code, u"CHF");
    EXPECT_EQ(CurrencySymbols::resolve(u"", u"NZD"_s).code, u"NZD");
    const ImportedCurrency unknown = CurrencySymbols::resolve(u"Fr.", u"USD"_s);
    EXPECT_FALSE(unknown.isResolved());
    EXPECT_TRUE(unknown.candidates.isEmpty());
}

TEST(DateText, readsDatesThatExistOnly)
{
    const Calendar berlin(u"Europe/Berlin"_s);
    const auto read = [&](const char16_t* text, DateOrder order = DateOrder::MonthFirst) {
        return DateText::read(QStringView(text), order, berlin);
    };
    EXPECT_EQ(read(u"2025-03-15").instant, local(berlin, 2025, 3, 15));
    EXPECT_EQ(read(u"2025-03-30 02:30").instant, local(berlin, 2025, 3, 30, 3, 30));  // a skipped hour moves on
    EXPECT_EQ(read(u"2025-03-01T09:00:00Z").instant, utc(2025, 3, 1, 9));
    EXPECT_EQ(read(u"2025-03-01T09:00:00.678+05:45").instant, utc(2025, 3, 1, 3, 15));
    EXPECT_EQ(read(u"15.03.2025").instant, local(berlin, 2025, 3, 15));
    EXPECT_EQ(read(u"04/03/2025", DateOrder::DayFirst).instant, local(berlin, 2025, 3, 4));
    EXPECT_EQ(read(u"04/03/25").instant, local(berlin, 2025, 4, 3));
    EXPECT_EQ(read(u"2024-02-29").problem, DateText::Problem::None);

    EXPECT_EQ(read(u"2025-02-30").problem, DateText::Problem::NoSuchDate);
    EXPECT_EQ(read(u"2025-02-29").problem, DateText::Problem::NoSuchDate);
    EXPECT_EQ(read(u"31.04.2025").problem, DateText::Problem::NoSuchDate);
    EXPECT_EQ(read(u"2025-13-01").problem, DateText::Problem::NoSuchDate);
    EXPECT_EQ(read(u"2025-03-01T24:00:00Z").problem, DateText::Problem::NoSuchDate);
    EXPECT_EQ(read(u"0001-01-01").problem, DateText::Problem::OutOfRange);
    EXPECT_EQ(read(u"next tuesday").problem, DateText::Problem::NotADate);
    EXPECT_EQ(read(u"").problem, DateText::Problem::Empty);

    EXPECT_EQ(DateText::orderOf({u"01/02/2025"_s, u"13/02/2025"_s}, DateOrder::MonthFirst), DateOrder::DayFirst);
    EXPECT_EQ(DateText::orderOf({u"01/02/2025"_s, u"02/13/2025"_s}, DateOrder::DayFirst), DateOrder::MonthFirst);
    EXPECT_EQ(DateText::orderOf({u"01/02/2025"_s}, DateOrder::DayFirst), DateOrder::DayFirst);
}

TEST(CycleText, periodsWithoutACycleBecomeTheNearestCustomOne)
{
    const auto read = [](const char16_t* text) { return CycleText::read(QStringView(text)); };
    EXPECT_EQ(read(u"Monthly")->cycle, BillingCycle::monthly());
    EXPECT_EQ(read(u"Every 3 Months")->cycle, BillingCycle::quarterly());
    EXPECT_EQ(read(u"every 12 months")->cycle, BillingCycle::yearly());
    EXPECT_EQ(read(u"Every 1 Week")->cycle, BillingCycle::weekly());
    EXPECT_EQ(read(u"Every 10 days")->cycle, BillingCycle::custom(10));  // Tabrino's own name
    EXPECT_EQ(read(u"bi-weekly")->cycle, BillingCycle::custom(14));
    EXPECT_FALSE(read(u"bi-weekly")->approximate);
    EXPECT_EQ(read(u"Daily")->cycle, BillingCycle::custom(1));

    EXPECT_EQ(read(u"Every 2 Months")->cycle, BillingCycle::custom(61));  // 60.875 days
    EXPECT_TRUE(read(u"Every 2 Months")->approximate);
    EXPECT_EQ(read(u"Semi-annually")->cycle, BillingCycle::custom(183));
    EXPECT_EQ(read(u"Every 2 Years")->cycle, BillingCycle::custom(731));  // 730.5, halves up
    EXPECT_EQ(read(u"every 2 quarters")->cycle, BillingCycle::custom(183));

    EXPECT_FALSE(read(u"sometimes"));
    EXPECT_FALSE(read(u"Every 0 Months"));
    EXPECT_FALSE(read(u"every 200 years"));
    EXPECT_FALSE(read(u""));
}

TEST(CategoryText, namesGoToTheNearestCategory)
{
    EXPECT_EQ(CategoryText::read(u"streaming").category, SubscriptionCategory::Streaming);
    EXPECT_FALSE(CategoryText::read(u"streaming").approximate);
    EXPECT_FALSE(CategoryText::read(u"No category").approximate);
    EXPECT_EQ(CategoryText::read(u"Sports & Fitness").category, SubscriptionCategory::Fitness);
    EXPECT_TRUE(CategoryText::read(u"Sports & Fitness").approximate);
    EXPECT_EQ(CategoryText::read(u"Cloud Services").category, SubscriptionCategory::Cloud);
    EXPECT_EQ(CategoryText::read(u"Utilities").category, SubscriptionCategory::Other);
    EXPECT_TRUE(CategoryText::read(u"Utilities").approximate);
}

TEST(CategoryText, theNamesTheScreensShowAreExactToo)
{
    TestCatalogue german;
    german.add("Music", u"Musik"_s);
    EXPECT_EQ(CategoryText::read(u"musik").category, SubscriptionCategory::Music);
    EXPECT_FALSE(CategoryText::read(u"musik").approximate);
    EXPECT_FALSE(CategoryText::read(u"Music").approximate);  // files stay English
}
