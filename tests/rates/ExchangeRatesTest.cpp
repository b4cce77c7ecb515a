// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/ExchangeRates.h"
#include "rates/CurrencyConverter.h"
#include "rates/ExchangeRatesSource.h"
#include "support/RatesXml.h"
#include "support/TestMoney.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tabrino {
namespace {

using test::dec;
using test::ratesXml;

const QByteArray kDay = "2026-12-04";

std::optional<ExchangeRates> parse(const QByteArray& xml, QString* error = nullptr)
{
    return ExchangeRates::fromXml(xml, error);
}

TEST(ExchangeRatesTest, ReadsTheShippedSetExactly)
{
    const ExchangeRatesSource source(u"/nonexistent/rates.xml"_s);
    const ExchangeRates& rates = source.rates();
    EXPECT_EQ(rates.date(), QDate(2023, 1, 3));
    EXPECT_EQ(rates.currencyCount(), 31);
    EXPECT_EQ(rates.perEuro(u"USD"_s), dec("1.0545"));
    EXPECT_EQ(rates.perEuro(u"IDR"_s), dec("16471.95"));
    EXPECT_EQ(rates.perEuro(u"EUR"_s), Decimal(1));
    EXPECT_FALSE(rates.perEuro(u"ARS"_s));
}

TEST(ExchangeRatesTest, AcceptsTheLayoutsSpellings)
{
    // Double quotes, other spacing, comments and a rate written with more
    // digits than a double keeps.
    const QByteArray xml = ratesXml(kDay, {{"USD", "1.16420000000000000001"}, {"JPY", "181"}})
                               .replace('\'', '"')
                               .replace("\t", "  ")
                               .replace("<Cube>", "<!-- rates --><Cube >");
    QString error;
    const std::optional<ExchangeRates> rates = parse(xml, &error);
    ASSERT_TRUE(rates) << error.toStdString();
    EXPECT_EQ(rates->date(), QDate(2026, 12, 4));
    EXPECT_EQ(rates->perEuro(u"USD"_s), dec("1.16420000000000000001"));
    EXPECT_EQ(rates->perEuro(u"JPY"_s), Decimal(181));
}

TEST(ExchangeRatesTest, RefusesHostileFilesWhole)
{
    const QByteArray good = ratesXml(kDay, {{"USD", "1.1642"}, {"GBP", "0.87358"}});
    QByteArray wrongRoot = good;
    wrongRoot.replace("gesmes:Envelope", "gesmes:Letter");
    QByteArray twoDays = good;
    twoDays.replace("\t\t</Cube>\n\t</Cube>", "\t\t</Cube>\n\t\t<Cube time='2026-12-03'/>\n\t</Cube>");
    // Valid XML whose size alone is too much.
    QByteArray oversized = good;
    oversized.replace("<Cube>", "<!-- " + QByteArray(ExchangeRates::maximumSize, 'x') + " --><Cube>");
    const QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE gesmes:Envelope [<!ENTITY a \"aaaaaaaaaa\">"
                              "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n"
        + good.sliced(good.indexOf('\n') + 1).replace("Reference rates", "&b;");

    const QList<std::pair<const char*, QByteArray>> cases = {
        {"truncated", good.first(good.size() / 2)},
        {"truncated at the last tag", good.first(good.size() - 3)},
        {"empty", QByteArray()},
        {"not XML", "USD,1.1642\nGBP,0.87358\n"},
        {"wrong root element", wrongRoot},
        {"rates outside the bank's namespace", QByteArray(good).replace("eurofxref\"", "other\"")},
        {"zero", ratesXml(kDay, {{"USD", "0"}})},
        {"negative", ratesXml(kDay, {{"USD", "-1.1642"}})},
        {"absurdly large", ratesXml(kDay, {{"USD", "1000000.01"}})},
        {"absurdly small", ratesXml(kDay, {{"USD", "0.000099"}})},
        {"exponent", ratesXml(kDay, {{"USD", "1.1642e0"}})},
        {"grouped", ratesXml(kDay, {{"IDR", "19,406.55"}})},
        {"spaces", ratesXml(kDay, {{"USD", " 1.1642"}})},
        {"no rate", ratesXml(kDay, {{"USD", ""}})},
        {"duplicate", ratesXml(kDay, {{"USD", "1.1642"}, {"GBP", "0.87358"}, {"USD", "1.17"}})},
        {"the euro itself", ratesXml(kDay, {{"USD", "1.1642"}, {"EUR", "1"}})},
        {"lower case code", ratesXml(kDay, {{"usd", "1.1642"}})},
        {"not a currency", ratesXml(kDay, {{"XYZ", "2"}})},
        {"not a code", ratesXml(kDay, {{"US$", "1.1642"}})},
        {"no rates", ratesXml(kDay, {})},
        {"not a day", ratesXml("2026-13-01", {{"USD", "1.1642"}})},
        {"a time, not a day", ratesXml("2026-12-04T16:00", {{"USD", "1.1642"}})},
        {"two days", twoDays},
        {"over the cap", oversized},
        {"entities", laughs},
        {"a second document", good + "<gesmes:Envelope/>"},
        {"text among the rates", QByteArray(good).replace("<Cube currency='GBP'", "GBP<Cube currency='GBP'")},
        {"an element inside a rate", QByteArray(good).replace("rate='0.87358'/>", "rate='0.87358'><Cube/></Cube>")},
    };
    for (const auto& [label, xml] : cases) {
        QString error;
        EXPECT_FALSE(parse(xml, &error)) << label;
        EXPECT_FALSE(error.isEmpty()) << label;
    }
    ASSERT_TRUE(parse(good));
}

TEST(ExchangeRatesTest, TheNewerOfCacheAndShippedSetIsUsed)
{
    QTemporaryDir dir;
    const QString cache = dir.filePath(u"rates.xml"_s);
    const auto writeCache = [&](const QByteArray& bytes) {
        QFile file(cache);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };

    // The first start, offline: only the shipped set.
    ExchangeRatesSource source(cache);
    EXPECT_EQ(source.rates().date(), QDate(2023, 1, 3));
    EXPECT_TRUE(source.rates().perEuro(u"KRW"_s));

    writeCache(ratesXml("2026-12-08", {{"USD", "1.2"}}));
    source.reload();
    EXPECT_EQ(source.rates().date(), QDate(2026, 12, 8));
    EXPECT_EQ(source.rates().perEuro(u"USD"_s), dec("1.2"));

    writeCache(ratesXml("2022-11-30", {{"USD", "1.2"}}));
    source.reload();
    EXPECT_EQ(source.rates().date(), QDate(2023, 1, 3)) << "a cache older than the shipped set";

    writeCache(ratesXml("2026-12-09", {{"USD", "0"}}));
    source.reload();
    EXPECT_EQ(source.rates().date(), QDate(2023, 1, 3)) << "a damaged cache";
}

TEST(CurrencyConverterTest, CrossesThroughTheEuroWithoutRoundingTheRate)
{
    const CurrencyConverter converter(
        *parse(ratesXml(kDay, {{"USD", "1.25"}, {"GBP", "0.8"}, {"JPY", "160"}, {"KWD", "0.3"}})));
    EXPECT_EQ(converter.convert(dec("100"), u"USD"_s, u"EUR"_s), Decimal(80));
    EXPECT_EQ(converter.convert(dec("80"), u"EUR"_s, u"USD"_s), Decimal(100));
    EXPECT_EQ(converter.convert(dec("4.99"), u"GBP"_s, u"USD"_s), dec("7.796875"));
    EXPECT_EQ(converter.convert(dec("1000"), u"JPY"_s, u"KWD"_s), dec("1.875"));

    // The same currency needs no rate; any other without one is not guessed.
    EXPECT_EQ(converter.convert(dec("9.99"), u"XYZ"_s, u"XYZ"_s), dec("9.99"));
    EXPECT_FALSE(converter.convert(dec("9.99"), u"XYZ"_s, u"EUR"_s));
    EXPECT_FALSE(converter.convert(dec("9.99"), u"USD"_s, u"CHF"_s));
    EXPECT_FALSE(converter.hasRate(u"CHF"_s));
    EXPECT_TRUE(converter.hasRate(u"EUR"_s));
}

// Halves away from zero at each currency's own smallest unit (ICU's half to
// even would give 1.00, 1234 and 0.012).
TEST(CurrencyConverterTest, RoundsOnceToTheTargetsMinorUnits)
{
    const QList<std::tuple<const char*, const char*, const char*>> cases = {
        {"USD", "1.005", "1.01"},   {"USD", "1.00499999", "1"},   {"USD", "-1.005", "-1.01"},
        {"JPY", "1234.5", "1235"},  {"JPY", "1234.4999", "1234"}, {"KRW", "0.5", "1"},
        {"KWD", "0.0125", "0.013"}, {"KWD", "0.01249", "0.012"},  {"BHD", "9.9995", "10"},
    };
    for (const auto& [code, amount, expected] : cases)
        EXPECT_EQ(CurrencyConverter::rounded(dec(amount), QString::fromLatin1(code)), dec(expected))
            << code << " " << amount;

    // Converted, then rounded once: 1.01 dollars at 2 per euro are 0.505 euros.
    const CurrencyConverter converter(*parse(ratesXml(kDay, {{"USD", "2"}, {"JPY", "160"}, {"KWD", "0.32"}})));
    EXPECT_EQ(CurrencyConverter::rounded(*converter.convert(dec("1.01"), u"USD"_s, u"EUR"_s), u"EUR"_s), dec("0.51"));
    EXPECT_EQ(CurrencyConverter::rounded(*converter.convert(dec("0.00625"), u"USD"_s, u"JPY"_s), u"JPY"_s), Decimal(1));
    EXPECT_EQ(CurrencyConverter::rounded(*converter.convert(dec("0.078125"), u"USD"_s, u"KWD"_s), u"KWD"_s),
              dec("0.013"));
}

}  // namespace
}  // namespace tabrino
