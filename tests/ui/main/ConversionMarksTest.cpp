// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/FormatterCache.h"
#include "foundation/Calendar.h"
#include "foundation/Clock.h"
#include "rates/ExchangeRatesSource.h"
#include "support/RatesXml.h"
#include "ui/LabelFixture.h"
#include "ui/insights/InsightsCardsPresenter.h"
#include "ui/insights/InsightsDonutPresenter.h"
#include "ui/main/ConversionNote.h"
#include "ui/main/PanelHeaderPresenter.h"
#include "ui/main/TrayLabel.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

// A store with a dollar and a euro subscription, at 1 EUR = 1.25 USD.
class ConversionMarksTest : public ::testing::Test, protected test::LabelFixture {
protected:
    ConversionMarksTest()
    {
        QFile file(ratesPath);
        const QByteArray xml = test::ratesXml("2026-12-05", {{"USD", "1.25"}, {"GBP", "0.8"}});
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
        file.close();
        store->setExchangeRates(&rates);
        add("10", 20);
        add("10", 21)->setCurrencyCode(QStringLiteral("EUR"));
        store->save();
    }

    void convert(bool on)
    {
        settings.setShowsTotalsInOneCurrency(on);
        QCoreApplication::processEvents();
    }

    QString ratesPath = dir.filePath(QStringLiteral("rates.xml"));
    ExchangeRatesSource rates{dir.filePath(QStringLiteral("no-cache.xml")), ratesPath};
    FormatterCache usEnglish{QStringLiteral("en_US")};
};

}  // namespace

TEST_F(ConversionMarksTest, convertedTotalsAreMarkedWhereverTheyShow)
{
    PanelHeaderPresenter header;
    header.setStore(store.get());
    TrayLabel label(*store, settings, usEnglish);
    ConversionNote note;
    note.setStore(store.get());

    EXPECT_EQ(header.monthlyText(), u"$20");
    EXPECT_EQ(label.amountText(), u"$20/mo");
    EXPECT_FALSE(note.shown());

    // 10 dollars and 10 euros make 22.50 dollars.
    convert(true);
    EXPECT_EQ(header.monthlyText(), u"\u2248 $22.50");
    EXPECT_EQ(header.yearlyText(), u"\u2248 $270 per year");
    EXPECT_EQ(header.monthlyAccessibilityText(), u"Monthly total about $22.50");
    EXPECT_EQ(label.amountText(), u"\u2248 $23/mo");
    EXPECT_EQ(label.compactAmounts().first(), u"\u2248$23");
    for (const QString& form : label.compactAmounts())
        EXPECT_TRUE(form.startsWith(u'\u2248')) << form.toStdString();
    EXPECT_EQ(label.accessibilityText(), u"Tabrino. Monthly total about $23/mo.");
    for (const StatCardRow& card : InsightsCardsPresenter::cards(*store, QStringLiteral("USD")))
        EXPECT_TRUE(card.value.startsWith(u"\u2248 $")) << card.value.toStdString();
    InsightsDonutPresenter donut;
    donut.setStore(store.get());
    EXPECT_EQ(donut.totalText(), u"\u2248 $23");
    EXPECT_EQ(donut.totalAccessibilityText(), u"about $23 per month");
    EXPECT_TRUE(note.shown());
    EXPECT_EQ(note.ratesText(),
              ConversionNote::ratesSentence(QDate(2026, 12, 5), Calendar::current().components(Clock::now()).year));
    EXPECT_TRUE(note.leftOutText().isEmpty());

    add("3", 22)->setCurrencyCode(QStringLiteral("XYZ"));
    QCoreApplication::processEvents();
    EXPECT_EQ(note.leftOutText(), u"Not converted: 1 subscription in XYZ");
    EXPECT_EQ(header.monthlyText(), u"\u2248 $22.50");

    convert(false);
    EXPECT_EQ(header.monthlyText(), u"$23");
    EXPECT_EQ(label.amountText(), u"$23/mo");
    EXPECT_FALSE(note.shown());
    EXPECT_TRUE(note.leftOutText().isEmpty());
}

TEST(ConversionNoteTest, namesTheDayInTheLocalesWordsAndCountsWhatWasLeftOut)
{
    EXPECT_EQ(ConversionNote::ratesSentence(QDate(2026, 12, 5), 2026, QStringLiteral("en_GB")),
              u"Converted at ECB rates of 5 Dec");
    EXPECT_EQ(ConversionNote::ratesSentence(QDate(2026, 12, 5), 2026, QStringLiteral("en_US")),
              u"Converted at ECB rates of Dec 5");
    // An older set, such as the shipped one before the first download, says its year.
    EXPECT_EQ(ConversionNote::ratesSentence(QDate(2023, 1, 3), 2026, QStringLiteral("en_US")),
              u"Converted at ECB rates of Jan 3, 2023");

    using LeftOut = TotalsConversion::LeftOut;
    EXPECT_TRUE(ConversionNote::leftOutSentence({}).isEmpty());
    EXPECT_EQ(ConversionNote::leftOutSentence({LeftOut{QStringLiteral("XYZ"), 1}}),
              u"Not converted: 1 subscription in XYZ");
    EXPECT_EQ(ConversionNote::leftOutSentence({LeftOut{QStringLiteral("ARS"), 2}, LeftOut{QStringLiteral("XYZ"), 1}}),
              u"Not converted: 2 subscriptions in ARS, 1 in XYZ");
}
