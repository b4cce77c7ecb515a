// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/MoneyFormatter.h"
#include "format/FormatterCache.h"
#include "foundation/SystemLocale.h"
#include "support/EnvironmentGuard.h"
#include "support/TestMoney.h"

#include <QThread>

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

// Readable failure messages for texts.
namespace tabrino {
namespace {

using test::dec;

// ICU separates a code or a trailing symbol from the number with U+00A0.
const QString nbsp = QString(QChar(0x00A0));
const QString minus = QString(QChar(0x2212));

TEST(MoneyFormatterTest, EnglishUnitedStates)
{
    FormatterCache cache(u"en_US"_s);
    const QString usd = u"USD"_s;

    EXPECT_EQ(MoneyFormatter::compact(dec("9.99"), usd, cache), u"$10"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("1234.40"), usd, cache), u"$1,234"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("0"), usd, cache), u"$0"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("0.5"), usd, cache), u"$1"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("2.49"), usd, cache), u"$2"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("2.5"), usd, cache), u"$3"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("-2.5"), usd, cache), u"-$3"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("-0.4"), usd, cache), u"$0"_s);

    EXPECT_EQ(MoneyFormatter::plain(dec("15"), usd, cache), u"$15"_s);
    EXPECT_EQ(MoneyFormatter::plain(dec("15.00"), usd, cache), u"$15"_s);
    EXPECT_EQ(MoneyFormatter::plain(dec("15.49"), usd, cache), u"$15.49"_s);
    EXPECT_EQ(MoneyFormatter::plain(dec("15.5"), usd, cache), u"$15.50"_s);

    EXPECT_EQ(MoneyFormatter::twoDecimals(dec("1234.4"), usd, cache), u"$1,234.40"_s);
    EXPECT_EQ(MoneyFormatter::twoDecimals(dec("7"), usd, cache), u"$7.00"_s);
    // More digits than a double holds: the amount reaches ICU as text.
    EXPECT_EQ(MoneyFormatter::twoDecimals(dec("12345678901234567890.12"), usd, cache),
              u"$12,345,678,901,234,567,890.12"_s);

    EXPECT_EQ(MoneyFormatter::signedAmount(dec("12"), usd, cache), u"+$12"_s);
    EXPECT_EQ(MoneyFormatter::signedAmount(dec("-3.5"), usd, cache), minus + u"$3.50"_s);
    EXPECT_EQ(MoneyFormatter::signedAmount(dec("0"), usd, cache), u"+$0"_s);
    EXPECT_EQ(MoneyFormatter::signedAmount(dec("-0.001"), usd, cache), minus + u"$0.00"_s);
}

TEST(MoneyFormatterTest, GermanAndJapaneseRules)
{
    FormatterCache german(u"de_DE"_s);
    EXPECT_EQ(MoneyFormatter::twoDecimals(dec("1234.4"), u"EUR"_s, german), u"1.234,40"_s + nbsp + u"€"_s);
    EXPECT_EQ(MoneyFormatter::compact(dec("1234.4"), u"EUR"_s, german), u"1.234"_s + nbsp + u"€"_s);
    EXPECT_EQ(MoneyFormatter::signedAmount(dec("-3.5"), u"EUR"_s, german), minus + u"3,50"_s + nbsp + u"€"_s);
    EXPECT_EQ(MoneyFormatter::plain(dec("20"), u"USD"_s, german), u"20"_s + nbsp + u"$"_s);

    FormatterCache japanese(u"ja_JP"_s);
    const QString yen = QString(QChar(0xFFE5));
    EXPECT_EQ(MoneyFormatter::compact(dec("1234.5"), u"JPY"_s, japanese), yen + u"1,235"_s);
    EXPECT_EQ(MoneyFormatter::plain(dec("980"), u"JPY"_s, japanese), yen + u"980"_s);
    EXPECT_EQ(MoneyFormatter::plain(dec("9.99"), u"USD"_s, japanese), u"$9.99"_s);
}

// With no locale configured, or the C locale, amounts read as in plain
// English: "$121", grouped, no space after the symbol.
TEST(MoneyFormatterTest, UnconfiguredLocaleWritesPlainEnglish)
{
    const std::vector<std::pair<const char*, const char*>> environments{
        {"LANG", nullptr}, {"LANG", "C"}, {"LANG", "C.UTF-8"}, {"LC_MONETARY", "POSIX"}, {"LC_ALL", "C"}};
    for (const auto& [variable, value] : environments) {
        SCOPED_TRACE(std::string(variable) + "=" + (value ? value : "(unset)"));
        const auto environment = test::localeEnvironment();
        qputenv("LANG", "de_DE.UTF-8");
        if (value)
            qputenv(variable, value);
        else
            qunsetenv(variable);

        FormatterCache cache;
        const QString code = SystemLocale::currencyCode();
        EXPECT_EQ(code, u"USD"_s);
        EXPECT_EQ(MoneyFormatter::compact(dec("121"), code, cache), u"$121"_s);
        EXPECT_EQ(MoneyFormatter::compact(dec("1234.4"), code, cache), u"$1,234"_s);
        EXPECT_EQ(MoneyFormatter::twoDecimals(dec("1234.5"), code, cache), u"$1,234.50"_s);
        EXPECT_EQ(MoneyFormatter::signedAmount(dec("-3.5"), code, cache), minus + u"$3.50"_s);
        EXPECT_EQ(MoneyFormatter::plain(dec("15.49"), u"EUR"_s, cache), u"€15.49"_s);
    }
}

TEST(MoneyFormatterTest, UnknownAndInvalidCodes)
{
    FormatterCache english(u"en_US"_s);
    FormatterCache german(u"de_DE"_s);
    // A well-formed code ICU has no symbol for is written out instead.
    EXPECT_EQ(MoneyFormatter::compact(dec("1234"), u"XYZ"_s, english), u"XYZ"_s + nbsp + u"1,234"_s);
    EXPECT_EQ(MoneyFormatter::twoDecimals(dec("1234"), u"ZZZ"_s, german), u"1.234,00"_s + nbsp + u"ZZZ"_s);

    // A code that cannot be one leaves the plain decimal text.
    for (const QString& code : {u"US"_s, u""_s, u"€€€"_s, u"USDX"_s}) {
        EXPECT_EQ(english.formatter(code, 2), nullptr) << code.toStdString();
        EXPECT_EQ(MoneyFormatter::compact(dec("9.99"), code, english), u"10"_s);
        EXPECT_EQ(MoneyFormatter::twoDecimals(dec("9.5"), code, english), u"9.5"_s);
        EXPECT_EQ(MoneyFormatter::plain(dec("15.00"), code, english), u"15"_s);
        EXPECT_EQ(MoneyFormatter::signedAmount(dec("-3.5"), code, english), minus + u"3.5"_s);
    }
}

TEST(FormatterCacheTest, OneFormatterPerCodeAndDigits)
{
    FormatterCache cache(u"en_US"_s);
    const auto* usd0 = cache.formatter(u"USD"_s, 0);
    ASSERT_NE(usd0, nullptr);
    EXPECT_EQ(cache.formatter(u"USD"_s, 0), usd0);
    EXPECT_NE(cache.formatter(u"USD"_s, 2), usd0);
    EXPECT_NE(cache.formatter(u"EUR"_s, 0), usd0);

    // Concurrent first lookups of one key must agree on a single formatter.
    constexpr int kThreads = 8;
    std::array<const icu::number::LocalizedNumberFormatter*, kThreads> seen{};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back(QThread::create([&cache, &seen, i] { seen[i] = cache.formatter(u"CHF"_s, 2); }));
    for (auto& thread : threads)
        thread->start();
    for (auto& thread : threads)
        thread->wait();
    for (const auto* formatter : seen) {
        EXPECT_NE(formatter, nullptr);
        EXPECT_EQ(formatter, seen[0]);
    }
}

TEST(FormatterCacheTest, DefaultCacheFixesTheLocaleAtCreation)
{
    const QByteArray old = qgetenv("LC_ALL");
    qputenv("LC_ALL", "de_DE.UTF-8");
    FormatterCache cache;
    const QString german = u"1.234,40"_s + nbsp + u"€"_s;
    EXPECT_EQ(MoneyFormatter::twoDecimals(dec("1234.4"), u"EUR"_s, cache), german);

    qputenv("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(MoneyFormatter::twoDecimals(dec("1234.4"), u"EUR"_s, cache), german);
    EXPECT_EQ(MoneyFormatter::compact(dec("1234.4"), u"EUR"_s, cache), u"€1,234"_s);
    qputenv("LC_ALL", old);
}

}  // namespace
}  // namespace tabrino
