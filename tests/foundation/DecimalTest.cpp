// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Decimal.h"
#include "support/Printers.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <ostream>
#include <vector>

namespace {

using tabrino::Decimal;

Decimal dec(std::string_view text)
{
    const auto value = Decimal::fromString(text);
    if (!value)
        ADD_FAILURE() << "not parsed: " << text;
    return value.value_or(Decimal());
}

std::string text(const Decimal& value)
{
    return value.toStdString();
}

// Expected values below come from Python's decimal module with prec = 38 and
// ROUND_HALF_UP.

TEST(Decimal, MoneyExactness)
{
    const Decimal f = dec("30.4375");
    EXPECT_EQ(dec("9.99") * (f / f), dec("9.99"));
    EXPECT_EQ(Decimal(120) * (f / (Decimal(12) * f)), Decimal(10));
    EXPECT_EQ(Decimal(12) * (f / (Decimal(12) * f)), Decimal(1));
    EXPECT_EQ(text(Decimal(30) * (f / (Decimal(3) * f))), "9.9999999999999999999999999999999999999");
    EXPECT_EQ(text(f / (Decimal(3) * f)), "0.33333333333333333333333333333333333333");
    EXPECT_EQ(text(f / (Decimal(12) * f)), "0.083333333333333333333333333333333333333");
    EXPECT_EQ(text(Decimal(10) * (f / Decimal(7))), "43.482142857142857142857142857142857143");
    EXPECT_EQ(dec("9.99") * dec("0.5"), dec("4.995"));
    EXPECT_EQ(Decimal(120) / Decimal(12), Decimal(10));
    EXPECT_FALSE((Decimal(120) / Decimal(12)).hasFraction());
    EXPECT_EQ(text(dec("15.49") + dec("9.99") - dec("0.48")), "25");
}

TEST(Decimal, TrickyArithmetic)
{
    struct Case {
        const char* a;
        char op;
        const char* b;
        const char* expected;
    };
    const std::vector<Case> cases = {
        // carries into a 39th digit
        {"99999999999999999999999999999999999999", '+', "1", "100000000000000000000000000000000000000"},
        {"99999999999999999999999999999999999999", '+', "0.5", "100000000000000000000000000000000000000"},
        {"99999999999999999999999999999999999999", '+', "0.49999999999999999999999999999999999999",
         "99999999999999999999999999999999999999"},
        {"-99999999999999999999999999999999999999", '-', "0.5", "-100000000000000000000000000000000000000"},
        {"0.99999999999999999999999999999999999999", '+', "0.000000000000000000000000000000000000005", "1"},
        {"0.99999999999999999999999999999999999999", '+', "0.000000000000000000000000000000000000004",
         "0.99999999999999999999999999999999999999"},
        // exact halves at the 39th digit go away from zero
        {"10000000000000000000000000000000000000", '+', "0.5", "10000000000000000000000000000000000001"},
        {"-10000000000000000000000000000000000000", '+', "-0.5", "-10000000000000000000000000000000000001"},
        {"10000000000000000000000000000000000000", '-', "0.5", "9999999999999999999999999999999999999.5"},
        {"12345678901234567890123456789012345678", '+', "0.5", "12345678901234567890123456789012345679"},
        {"-12345678901234567890123456789012345678", '+', "-0.5", "-12345678901234567890123456789012345679"},
        {"12345678901234567890123456789012345675", '*', "0.1", "1234567890123456789012345678901234567.5"},
        {"-12345678901234567890123456789012345675", '*', "0.1", "-1234567890123456789012345678901234567.5"},
        {"12345678901234567890123456789012345674", '*', "0.1", "1234567890123456789012345678901234567.4"},
        // tiny against huge
        {"1e30", '+', "1e-30", "1000000000000000000000000000000"},
        {"1e30", '-', "1e-30", "1000000000000000000000000000000"},
        {"1e40", '+', "5e2", "10000000000000000000000000000000000001000"},
        {"1e40", '-', "1e-40", "10000000000000000000000000000000000000000"},
        {"1e38", '-', "1", "99999999999999999999999999999999999999"},
        {"1e38", '-', "0.5", "100000000000000000000000000000000000000"},
        {"1e38", '-', "0.50000000000000000000000000000000000001", "99999999999999999999999999999999999999"},
        {"1e38", '-', "1e-40", "100000000000000000000000000000000000000"},
        {"1e-30", '*', "1e30", "1"},
        {"0.000000000000000000000000000000000001", '*', "12345678901234567890123456789012345678",
         "12.345678901234567890123456789012345678"},
        {"99999999999999999999999999999999999999", '*', "99999999999999999999999999999999999999",
         "9999999999999999999999999999999999999800000000000000000000000000000000000000"},
        {"-99999999999999999999999999999999999999", '*', "0.99999999999999999999999999999999999999",
         "-99999999999999999999999999999999999998"},
        {"1.5", '*', "-1.5", "-2.25"},
        // division: repeating, exact, wide divisors
        {"1", '/', "3", "0.33333333333333333333333333333333333333"},
        {"2", '/', "3", "0.66666666666666666666666666666666666667"},
        {"-2", '/', "3", "-0.66666666666666666666666666666666666667"},
        {"1", '/', "7", "0.14285714285714285714285714285714285714"},
        {"22", '/', "7", "3.1428571428571428571428571428571428571"},
        {"1", '/', "99999999999999999999999999999999999999", "0.00000000000000000000000000000000000001"},
        {"99999999999999999999999999999999999999", '/', "0.00000000000000000000000000000000000003",
         "3333333333333333333333333333333333333300000000000000000000000000000000000000"},
        {"100", '/', "8", "12.5"},
        {"-1", '/', "-16", "0.0625"},
        {"1e-30", '/', "3e30",
         "0.00000000000000000000000000000000000000000000000000000000000033333333333333333333333333333333333333"},
        {"9.99", '/', "30.4375", "0.32821355236139630390143737166324435318"},
        {"12345678901234567890123456789012345678", '/', "98765432109876543210987654321098765432",
         "0.12499999886093750001423828124982202148"},
        {"0.5", '/', "100000000000000000000000000000000000000", "0.000000000000000000000000000000000000005"},
        {"98765432109876543210987654321098765433", '/', "2", "49382716054938271605493827160549382717"},
        {"-98765432109876543210987654321098765433", '/', "2", "-49382716054938271605493827160549382717"},
        {"98765432109876543210987654321098765433", '/', "-0.2", "-493827160549382716054938271605493827170"},
        {"18446744073709551615e-14", '/', "70141183460469231731687303715884105729e3",
         "0.000000000000000000000000000000000002629944800418990001983884076343746282"},
        {"99999999999999999999999999999999999997e8", '/', "85070591730234615865843651857942052863e25",
         "0.000000000000000011754943508222875079687365372222456778"},
        {"6e18", '/', "85070591730234615865843651857942052860e-1",
         "0.00000000000000000070529661049337250478124192233334740672"},
        // cancellation
        {"15.49", '-', "15.490", "0"},
        {"0.1", '-', "0.1", "0"},
        {"-99999999999999999999999999999999999999", '+', "99999999999999999999999999999999999999", "0"},
        {"1", '-', "0.99999999999999999999999999999999999999", "0.00000000000000000000000000000000000001"},
        {"30.4375", '-', "30.437499999999999999999999999999999999", "0.000000000000000000000000000000000001"},
    };
    for (const Case& c : cases) {
        const Decimal a = dec(c.a);
        const Decimal b = dec(c.b);
        Decimal result;
        switch (c.op) {
        case '+': result = a + b; break;
        case '-': result = a - b; break;
        case '*': result = a * b; break;
        default: result = a / b; break;
        }
        EXPECT_EQ(text(result), c.expected) << c.a << ' ' << c.op << ' ' << c.b;
        EXPECT_EQ(result, dec(c.expected)) << c.a << ' ' << c.op << ' ' << c.b;
    }
}

TEST(Decimal, DivisionByZeroAndZeroOperands)
{
    EXPECT_TRUE((Decimal(5) / Decimal(0)).isZero());
    EXPECT_TRUE((Decimal(0) / Decimal(5)).isZero());
    EXPECT_EQ(text(Decimal(0) * dec("-3.5")), "0");
    EXPECT_FALSE((Decimal(0) * dec("-3.5")).isNegative());
    EXPECT_EQ(dec("-2.5") + Decimal(0), dec("-2.5"));
    Decimal sum;
    sum += dec("1.25");
    sum -= dec("0.25");
    sum *= Decimal(3);
    sum /= Decimal(4);
    EXPECT_EQ(sum, dec("0.75"));
}

TEST(Decimal, PlainText)
{
    EXPECT_EQ(dec("15.49").toString(), QStringLiteral("15.49"));
    EXPECT_EQ(text(dec("99.00")), "99");
    EXPECT_EQ(text(dec("9.50")), "9.5");
    EXPECT_EQ(text(dec("0.005")), "0.005");
    EXPECT_EQ(text(Decimal(-3)), "-3");
    EXPECT_EQ(text(dec("-0.0")), "0");
    EXPECT_EQ(text(Decimal(1200)), "1200");
    EXPECT_EQ(text(dec("1E+40")), "1" + std::string(40, '0'));
    EXPECT_EQ(text(dec("1E-40")), "0." + std::string(39, '0') + "1");
    EXPECT_EQ(text(dec("-12345678901234567890.123456789012345678")), "-12345678901234567890.123456789012345678");
    EXPECT_EQ(text(Decimal(std::numeric_limits<long long>::min())), "-9223372036854775808");
    EXPECT_EQ(text(Decimal(std::numeric_limits<long long>::max())), "9223372036854775807");
    EXPECT_EQ(text(Decimal(INT_MIN)), "-2147483648");
}

TEST(Decimal, ParsesStrictDecimalText)
{
    EXPECT_EQ(text(dec("15.49")), "15.49");
    EXPECT_EQ(text(dec("1e3")), "1000");
    EXPECT_EQ(text(dec("-0.5E-2")), "-0.005");
    EXPECT_EQ(text(dec("+7")), "7");
    EXPECT_EQ(text(dec("5.")), "5");
    EXPECT_EQ(text(dec(".5")), "0.5");
    EXPECT_EQ(text(dec("-.5e+1")), "-5");
    EXPECT_EQ(text(dec("007.50")), "7.5");
    EXPECT_EQ(text(dec("0.000e5")), "0");
    EXPECT_EQ(text(dec("1e0000002")), "100");
    // beyond 38 significant digits: rounded, halves away from zero
    EXPECT_EQ(text(dec("1.00000000000000000000000000000000000005")), "1.0000000000000000000000000000000000001");
    EXPECT_EQ(text(dec("1.00000000000000000000000000000000000004999")), "1");
    EXPECT_EQ(text(dec("-0.0000123456789012345678901234567890123456785")),
              "-0.000012345678901234567890123456789012345679");
    EXPECT_EQ(text(dec("123456789012345678901234567890123456789")), "123456789012345678901234567890123456790");
    EXPECT_EQ(text(dec("99999999999999999999999999999999999999.5")), "1" + std::string(38, '0'));

    EXPECT_EQ(Decimal::fromString(QStringLiteral("-1.25")), dec("-1.25"));
    EXPECT_FALSE(Decimal::fromString(QStringLiteral("1\u0662")));  // Arabic-Indic digit
    EXPECT_FALSE(Decimal::fromString(QStringLiteral("\uff11")));   // full-width 1
    EXPECT_FALSE(Decimal::fromString(QString()));
}

TEST(Decimal, RejectsAnythingElse)
{
    const char* rejected[] = {
        "",
        " ",
        " 1",
        "1 ",
        "1,000",
        "1 000",
        "1_000",
        "1'000",
        "NaN",
        "nan",
        "inf",
        "-Infinity",
        "0x1A",
        "1.2.3",
        "..5",
        "+",
        "-",
        ".",
        "-.",
        "+-1",
        "--1",
        "e5",
        ".e5",
        "1e",
        "1e+",
        "1E-",
        "1e5.5",
        "1e 5",
        "1d5",
        "$5",
        "5%",
        "1e2147483648",
        "1e-2147483649",
        "1e99999999999999999999",
        "1e1000",
        "-9.9e999999",
        "1e-1001",
        "9e-1001",
    };
    for (const char* candidate : rejected)
        EXPECT_FALSE(Decimal::fromString(candidate)) << '"' << candidate << '"';
    EXPECT_FALSE(Decimal::fromString(std::string_view("1\0", 2)));
}

TEST(Decimal, FromDoubleUsesShortestText)
{
    EXPECT_EQ(text(Decimal::fromDouble(0.3)), "0.3");
    EXPECT_EQ(text(Decimal::fromDouble(0.1 + 0.2)), "0.30000000000000004");
    EXPECT_EQ(text(Decimal::fromDouble(0.5)), "0.5");
    EXPECT_EQ(text(Decimal::fromDouble(-2.25)), "-2.25");
    EXPECT_EQ(text(Decimal::fromDouble(1.0 / 3.0)), "0.3333333333333333");
    EXPECT_EQ(text(Decimal::fromDouble(1e22)), "10000000000000000000000");
    EXPECT_EQ(text(Decimal::fromDouble(-0.0)), "0");
    EXPECT_EQ(text(Decimal::fromDouble(5e-324)), "0." + std::string(323, '0') + "5");
    EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::quiet_NaN()).isZero());
    EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::infinity()).isZero());
    EXPECT_TRUE(Decimal::fromDouble(-std::numeric_limits<double>::infinity()).isZero());
}

TEST(Decimal, RoundedHalfAwayFromZero)
{
    EXPECT_EQ(text(dec("2.5").rounded(0)), "3");
    EXPECT_EQ(text(dec("-2.5").rounded(0)), "-3");
    EXPECT_EQ(text(dec("2.4999").rounded(0)), "2");
    EXPECT_EQ(text(dec("0.005").rounded(2)), "0.01");
    EXPECT_EQ(text(dec("8.3325").rounded(2)), "8.33");
    EXPECT_EQ(text(dec("4.995").rounded(2)), "5");
    EXPECT_EQ(text(dec("9.995").rounded(2)), "10");
    EXPECT_EQ(text(dec("0.5").rounded(0)), "1");
    EXPECT_EQ(text(dec("0.4").rounded(0)), "0");
    EXPECT_EQ(text(dec("0.0049").rounded(2)), "0");
    EXPECT_EQ(text(dec("-0.004").rounded(2)), "0");
    EXPECT_FALSE(dec("-0.004").rounded(2).isNegative());
    EXPECT_EQ(text(dec("1e-30").rounded(2)), "0");
    EXPECT_EQ(text(dec("15.49").rounded(5)), "15.49");
    EXPECT_EQ(text(dec("1234.5").rounded(0)), "1235");
    EXPECT_EQ(text(dec("43.482142857142857142857142857142857143").rounded(2)), "43.48");
    EXPECT_EQ(text(dec("0.99999999999999999999999999999999999999").rounded(37)), "1");
    EXPECT_EQ(text(dec("7.25").rounded(INT_MAX)), "7.25");
}

TEST(Decimal, ComparisonsAndPredicates)
{
    EXPECT_EQ(dec("1.50"), dec("1.5"));
    EXPECT_EQ(dec("100"), dec("1e2"));
    EXPECT_NE(dec("1.5"), dec("-1.5"));
    EXPECT_EQ(dec("-0"), Decimal());

    std::vector<Decimal> ordered = {dec("-1e40"),
                                    dec("-1"),
                                    dec("-0.5"),
                                    Decimal(),
                                    dec("0.001"),
                                    dec("0.01"),
                                    dec("0.0100000000000000000000000000000000001"),
                                    dec("1"),
                                    dec("9.99"),
                                    dec("10"),
                                    dec("1e40")};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_LT(ordered[i], ordered[i + 1]) << i;
        EXPECT_GT(ordered[i + 1], ordered[i]) << i;
        EXPECT_TRUE((ordered[i] <=> ordered[i]) == 0) << i;
    }
    std::vector<Decimal> shuffled = {ordered[4], ordered[10], ordered[0], ordered[7], ordered[2], ordered[9],
                                     ordered[1], ordered[5],  ordered[3], ordered[8], ordered[6]};
    std::sort(shuffled.begin(), shuffled.end());
    EXPECT_EQ(shuffled, ordered);

    EXPECT_TRUE(Decimal().isZero());
    EXPECT_FALSE(dec("0.0001").isZero());
    EXPECT_TRUE(dec("-0.0001").isNegative());
    EXPECT_FALSE(Decimal().isNegative());
    EXPECT_TRUE(dec("10.5").hasFraction());
    EXPECT_FALSE(dec("10.000").hasFraction());
    EXPECT_FALSE(dec("1e3").hasFraction());
    EXPECT_EQ(dec("-4.2").abs(), dec("4.2"));
    EXPECT_EQ(-dec("4.2"), dec("-4.2"));
    EXPECT_FALSE((-Decimal()).isNegative());

    const QVariant variant = QVariant::fromValue(dec("9.99"));
    EXPECT_EQ(variant.value<Decimal>(), dec("9.99"));
}

TEST(Decimal, StaysWithinItsRange)
{
    // The extremes parse and print without an exponent.
    const Decimal largest = dec("9.9999999999999999999999999999999999999e999");
    EXPECT_EQ(text(largest).size(), 1000u);
    EXPECT_EQ(text(dec("1e-1000")).size(), 1002u);
    // Beyond the top: saturates, keeping the sign.
    EXPECT_EQ(largest * Decimal(10), largest);
    EXPECT_EQ(dec("-1e999") * dec("1e999"), -largest);
    EXPECT_EQ(largest + largest, largest);
    // Beyond the bottom: rounds on the 10^-1000 grid.
    EXPECT_TRUE((dec("1e-1000") / Decimal(3)).isZero());
    EXPECT_EQ(dec("1e-1000") / Decimal(2), dec("1e-1000"));
    EXPECT_EQ(dec("1e-999") * dec("0.15"), dec("2e-1000"));
    EXPECT_EQ(dec("6e-501") * dec("1e-500"), dec("1e-1000"));
    EXPECT_TRUE((dec("5555555555555555555555555555555555555e-487") * dec("55e-552")).isZero());
    EXPECT_EQ(text(dec("1.23456e-996")), "0." + std::string(995, '0') + "12346");
}

// Text with more digits than the precision, near the bottom of the range, is
// rounded once on the 10^-1000 grid, never first to 38 digits and then again.
TEST(Decimal, TextNearTheBottomRoundsOnce)
{
    const std::string nines(37, '9');
    EXPECT_EQ(dec("1.4" + nines + "e-1000"), dec("1e-1000"));
    EXPECT_EQ(dec("-1.4" + nines + "9e-1000"), dec("-1e-1000"));
    EXPECT_EQ(dec("14" + nines + "e-1038"), dec("1e-1000"));
    EXPECT_EQ(dec("1.5e-1000"), dec("2e-1000"));
    EXPECT_EQ(dec("9.5" + nines + "e-1000"), dec("1e-999"));
    EXPECT_EQ(dec("1.2345678901234567890123456789012345678901e-999"), dec("1.2e-999"));
    // Higher up only the 38 digits limit: the first dropped digit decides.
    const std::string fewer(36, '9');
    EXPECT_EQ(text(dec("1.4" + fewer + "5")), "1.5");
    EXPECT_EQ(text(dec("1.4" + fewer + "4")), "1.4" + fewer);
}

}  // namespace
