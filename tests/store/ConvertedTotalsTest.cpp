// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/ExchangeRatesSource.h"
#include "store/StoreFixture.h"
#include "support/RatesXml.h"

#include <QFile>
#include <QSignalSpy>

using namespace tabrino;
using namespace tabrino::test;

namespace {

const QDate kRatesDay(2025, 3, 7);

// Totals shown in one currency, at rates chosen so that every figure can be
// worked out by hand: 1 EUR = 1.25 USD = 0.8 GBP = 160 JPY.
class ConvertedTotalsTest : public StoreFixture {
protected:
    void SetUp() override
    {
        writeRates(ratesXml("2025-03-07", {{"USD", "1.25"}, {"GBP", "0.8"}, {"JPY", "160"}}));
        launch();
        store->setExchangeRates(&rates);
        store->refresh();
    }

    void writeRates(const QByteArray& xml)
    {
        QFile file(ratesPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
    }

    Subscription* addIn(const QString& code, const char* price, const BillingCycle& cycle,
                        SubscriptionCategory category)
    {
        Subscription* s = add(code, price, cycle, local(calendar, 2025, 3, 20), category);
        s->setCurrencyCode(code);
        return s;
    }

    // EUR 9.99, USD 15.49 and GBP 4.99 a month, JPY 1200 a year (100 a month).
    void addFourCurrencies()
    {
        addIn(u"EUR"_qs, "9.99", BillingCycle::monthly(), SubscriptionCategory::Streaming);
        addIn(u"USD"_qs, "15.49", BillingCycle::monthly(), SubscriptionCategory::Music);
        addIn(u"GBP"_qs, "4.99", BillingCycle::monthly(), SubscriptionCategory::Cloud);
        addIn(u"JPY"_qs, "1200", BillingCycle::yearly(), SubscriptionCategory::Gaming);
        store->save();
    }

    void convertInto(const QString& code)
    {
        settings.setDefaultCurrencyCode(code);
        settings.setShowsTotalsInOneCurrency(true);
    }

    MonthlySnapshot* snapshotOf(int year, int month) const
    {
        for (MonthlySnapshot* snapshot : store->snapshots()) {
            if (snapshot->monthStart() == local(calendar, year, month, 1))
                return snapshot;
        }
        return nullptr;
    }

    QString ratesPath = dir.path() + u"/rates.xml"_qs;
    // No download yet: the rates above stand in for the shipped set.
    ExchangeRatesSource rates{dir.path() + u"/no-cache.xml"_qs, ratesPath};
};

}  // namespace

TEST_F(ConvertedTotalsTest, fourCurrenciesAddUpAsWorkedOutByHand)
{
    addFourCurrencies();
    EXPECT_EQ(store->monthlyTotal(), dec("130.47")) << "off: plain numbers";
    EXPECT_EQ(store->mostExpensive()->currencyCode(), u"JPY"_qs);
    EXPECT_FALSE(store->totalsConversion());

    // 9.99 + 15.49 / 1.25 + 4.99 / 0.8 + 100 / 160 = 9.99 + 12.392 + 6.2375 +
    // 0.625 = 29.2445, rounded once: 29.24 (each amount rounded first would
    // make it 29.25).
    convertInto(u"EUR"_qs);
    EXPECT_EQ(store->monthlyTotal(), dec("29.24"));
    EXPECT_EQ(store->totalsConversion(), (TotalsConversion{u"EUR"_qs, kRatesDay, {}}));
    const QList<CategorySlice> slices = store->spendByCategory();
    ASSERT_EQ(slices.size(), 4);
    EXPECT_EQ(slices[0], (CategorySlice{SubscriptionCategory::Music, dec("12.39")}));
    EXPECT_EQ(slices[1], (CategorySlice{SubscriptionCategory::Streaming, dec("9.99")}));
    EXPECT_EQ(slices[2], (CategorySlice{SubscriptionCategory::Cloud, dec("6.24")}));
    EXPECT_EQ(slices[3], (CategorySlice{SubscriptionCategory::Gaming, dec("0.63")}));
    EXPECT_EQ(store->mostExpensive()->currencyCode(), u"USD"_qs);
    EXPECT_EQ(store->monthlyCostInTotals(*store->mostExpensive()), dec("12.39"));
    EXPECT_EQ(*store->averageMonthlyCost(), dec("7.31"));  // 29.2445 / 4

    // 12.4875 + 15.49 + 7.796875 + 0.78125 = 36.555625.
    convertInto(u"USD"_qs);
    EXPECT_EQ(store->monthlyTotal(), dec("36.56"));
    // 1598.4 + 1982.72 + 998 + 100 = 4679.12, in whole yen.
    convertInto(u"JPY"_qs);
    EXPECT_EQ(store->monthlyTotal(), Decimal(4679));

    settings.setShowsTotalsInOneCurrency(false);
    EXPECT_EQ(store->monthlyTotal(), dec("130.47"));
}

TEST_F(ConvertedTotalsTest, aCurrencyWithoutARateIsLeftOutAndNamed)
{
    addFourCurrencies();
    addIn(u"CHF"_qs, "10", BillingCycle::monthly(), SubscriptionCategory::Other);
    addIn(u"XYZ"_qs, "500", BillingCycle::monthly(), SubscriptionCategory::Other);
    addIn(u"XYZ"_qs, "700", BillingCycle::monthly(), SubscriptionCategory::Other);
    store->save();
    convertInto(u"EUR"_qs);

    EXPECT_EQ(store->monthlyTotal(), dec("29.24"));
    const std::optional<TotalsConversion> conversion = store->totalsConversion();
    ASSERT_TRUE(conversion);
    EXPECT_EQ(conversion->leftOut, (QList<TotalsConversion::LeftOut>{{u"CHF"_qs, 1}, {u"XYZ"_qs, 2}}));
    EXPECT_EQ(store->mostExpensive()->currencyCode(), u"USD"_qs);
    EXPECT_EQ(*store->averageMonthlyCost(), dec("7.31")) << "over the four that count";
    for (const Subscription* subscription : store->active()) {
        if (subscription->currencyCode() == u"XYZ"_qs) {
            EXPECT_FALSE(store->monthlyCostInTotals(*subscription));
        }
    }
    for (const CategorySlice& slice : store->spendByCategory())
        EXPECT_NE(slice.category, SubscriptionCategory::Other);

    // Into a currency the bank has no rate for, only its own amounts count.
    convertInto(u"XYZ"_qs);
    EXPECT_EQ(store->monthlyTotal(), Decimal(1200));
    EXPECT_EQ(store->totalsConversion()->leftOut.size(), 5);
}

TEST_F(ConvertedTotalsTest, snapshotsRecordTheirConversionAndOnlyLikeMonthsCompare)
{
    store->context().insert(new MonthlySnapshot(local(calendar, 2025, 2, 1), dec("20"), 1));
    addFourCurrencies();
    ASSERT_TRUE(snapshotOf(2025, 3));
    EXPECT_FALSE(snapshotOf(2025, 3)->convertedCurrencyCode());
    EXPECT_EQ(*store->monthOverMonthDelta(), dec("110.47"));

    // This month is recorded anew at once; February added plain numbers, so
    // it no longer compares and its bar is marked.
    convertInto(u"EUR"_qs);
    const MonthlySnapshot* march = snapshotOf(2025, 3);
    EXPECT_EQ(march->monthlyTotal(), dec("29.24"));
    EXPECT_EQ(march->convertedCurrencyCode(), u"EUR"_qs);
    EXPECT_EQ(march->ratesDate(), kRatesDay);
    EXPECT_FALSE(store->monthOverMonthDelta());
    QList<MonthBar> bars = store->twelveMonthHistory(calendar);
    EXPECT_TRUE(bars[10].isRecordedDifferently && !bars[10].isEstimated);
    EXPECT_EQ(bars[10].total, dec("20"));
    EXPECT_FALSE(bars[11].isRecordedDifferently);
    EXPECT_FALSE(bars[9].isRecordedDifferently) << "estimated from today's figures";

    snapshotOf(2025, 2)->setConvertedCurrencyCode(u"EUR"_qs);
    store->save();
    EXPECT_EQ(*store->monthOverMonthDelta(), dec("9.24"));

    convertInto(u"USD"_qs);
    EXPECT_EQ(snapshotOf(2025, 3)->convertedCurrencyCode(), u"USD"_qs);
    EXPECT_FALSE(store->monthOverMonthDelta()) << "February is in euros";

    // What was recorded survives a restart.
    launch();
    store->setExchangeRates(&rates);
    store->refresh();
    EXPECT_EQ(snapshotOf(2025, 3)->convertedCurrencyCode(), u"USD"_qs);
    EXPECT_EQ(snapshotOf(2025, 3)->ratesDate(), kRatesDay);
    EXPECT_EQ(snapshotOf(2025, 3)->monthlyTotal(), dec("36.56"));

    settings.setShowsTotalsInOneCurrency(false);
    EXPECT_FALSE(snapshotOf(2025, 3)->convertedCurrencyCode());
    EXPECT_FALSE(snapshotOf(2025, 3)->ratesDate());
    EXPECT_EQ(snapshotOf(2025, 3)->monthlyTotal(), dec("130.47"));
}

TEST_F(ConvertedTotalsTest, newRatesUpdateTheFiguresAndTheMonth)
{
    addFourCurrencies();
    convertInto(u"EUR"_qs);
    drainQueuedCalls();
    QSignalSpy changed(store.get(), &SubscriptionStore::figuresChanged);

    writeRates(ratesXml("2025-03-10", {{"USD", "1"}, {"GBP", "1"}, {"JPY", "100"}}));
    rates.reload();
    EXPECT_EQ(store->monthlyTotal(), dec("31.47"));  // 9.99 + 15.49 + 4.99 + 1
    EXPECT_EQ(snapshotOf(2025, 3)->ratesDate(), QDate(2025, 3, 10));
    EXPECT_EQ(snapshotOf(2025, 3)->monthlyTotal(), dec("31.47"));
    drainQueuedCalls();
    EXPECT_EQ(changed.count(), 1);

    // Off, new rates change nothing.
    settings.setShowsTotalsInOneCurrency(false);
    drainQueuedCalls();
    changed.clear();
    rates.reload();
    drainQueuedCalls();
    EXPECT_EQ(changed.count(), 0);
}
