// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Other programs' exports and a hand-made spreadsheet, read in full: every
// value each carries, how values without a match of their own are read,
// and the lines that cannot be read.
#include "ImportFixture.h"
#include "import/TextDecoding.h"

#include "support/TestCatalogue.h"

#include <QStringEncoder>

using namespace tabrino;
using namespace tabrino::test;
using namespace Qt::StringLiterals;

namespace {

const Calendar kBerlin(u"Europe/Berlin"_s, 2);

QDateTime berlinDay(int year, int month, int day)
{
    return local(kBerlin, year, month, day);
}

const ImportReading::Row& rowNamed(const ImportReading& reading, const QString& name)
{
    for (const ImportReading::Row& row : reading.rows) {
        if (row.subscription.name == name)
            return row;
    }
    ADD_FAILURE() << "no row " << name.toStdString();
    static const ImportReading::Row none;
    return none;
}

void expectSameSubscriptions(const ImportReading& a, const ImportReading& b)
{
    ASSERT_EQ(a.rows.size(), b.rows.size());
    for (qsizetype i = 0; i < a.rows.size(); ++i) {
        const ImportedSubscription& x = a.rows[i].subscription;
        const ImportedSubscription& y = b.rows[i].subscription;
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.price, y.price) << x.name.toStdString();
        EXPECT_EQ(x.currency, y.currency) << x.name.toStdString();
        EXPECT_EQ(x.cycle, y.cycle) << x.name.toStdString();
        EXPECT_EQ(x.nextBillingDate, y.nextBillingDate) << x.name.toStdString();
        EXPECT_EQ(x.category, y.category) << x.name.toStdString();
        EXPECT_EQ(x.isActive, y.isActive) << x.name.toStdString();
        EXPECT_EQ(x.notes, y.notes) << x.name.toStdString();
        EXPECT_EQ(x.paymentMethod, y.paymentMethod) << x.name.toStdString();
        EXPECT_EQ(x.cancellationUrl, y.cancellationUrl) << x.name.toStdString();
        EXPECT_EQ(a.rows[i].notes, b.rows[i].notes);
    }
}

}  // namespace

TEST(WallosFormat, readsTheBrowserDownloadWithEveryValue)
{
    const ImportReading reading = readBytes(sample("wallos.json"), berlinContext(u"USD"_s));
    ASSERT_FALSE(reading.isRefused()) << reading.refusal.toStdString();
    EXPECT_EQ(reading.format, u"Wallos export (JSON)");
    EXPECT_TRUE(reading.errors.isEmpty()) << errorTexts(reading).join(u'\n').toStdString();
    EXPECT_EQ(names(reading),
              (QStringList{u"Netflix"_s, u"Spotify"_s, u"Dropbox Plus"_s, u"Urban Sports Club"_s, u"The Economist"_s}));

    const ImportReading::Row& netflix = rowNamed(reading, u"Netflix"_s);
    EXPECT_EQ(netflix.line, 2);
    EXPECT_EQ(netflix.subscription.price, dec("15.99"));
    EXPECT_EQ(netflix.subscription.currency.code, u"USD");  // "$" is the user's own dollar
    EXPECT_EQ(netflix.subscription.cycle, BillingCycle::monthly());
    EXPECT_EQ(netflix.subscription.nextBillingDate, berlinDay(2025, 4, 3));
    EXPECT_EQ(netflix.subscription.category, SubscriptionCategory::Streaming);
    EXPECT_EQ(netflix.subscription.paymentMethod, u"PayPal"_s);
    EXPECT_EQ(netflix.subscription.notes, u"Standard with ads"_s);
    EXPECT_EQ(netflix.subscription.cancellationUrl, u"https://www.netflix.com/cancelplan"_s);
    EXPECT_TRUE(netflix.subscription.isActive);
    EXPECT_EQ(netflix.notes, QStringList{u"category “Entertainment” taken as Streaming"_s});

    const ImportedSubscription& spotify = rowNamed(reading, u"Spotify"_s).subscription;
    EXPECT_EQ(spotify.notes, std::nullopt);  // "" is no note
    EXPECT_EQ(spotify.cancellationUrl, std::nullopt);
    EXPECT_EQ(spotify.category, SubscriptionCategory::Music);

    EXPECT_FALSE(rowNamed(reading, u"Dropbox Plus"_s).subscription.isActive);  // State: Disabled
    EXPECT_EQ(rowNamed(reading, u"Dropbox Plus"_s).subscription.cycle, BillingCycle::yearly());

    const ImportedSubscription& gym = rowNamed(reading, u"Urban Sports Club"_s).subscription;
    EXPECT_EQ(gym.cycle, BillingCycle::quarterly());  // "Every 3 Months" is exact
    EXPECT_EQ(gym.currency.code, u"EUR");
    EXPECT_EQ(gym.price, dec("89.7"));
    EXPECT_EQ(gym.category, SubscriptionCategory::Fitness);

    const ImportReading::Row& economist = rowNamed(reading, u"The Economist"_s);
    EXPECT_EQ(economist.subscription.cycle, BillingCycle::custom(61));
    EXPECT_EQ(economist.notes,
              (QStringList{u"cycle “Every 2 Months” taken as Every 61 days"_s,
                           u"category “News & Magazines” taken as News"_s}));
}

TEST(WallosFormat, csvAndApiAnswerReadLikeTheDownload)
{
    const ImportReading json = readBytes(sample("wallos.json"), berlinContext(u"USD"_s));
    const ImportReading csv = readBytes(sample("wallos.csv"), berlinContext(u"USD"_s));
    EXPECT_EQ(csv.format, u"Wallos export (CSV)");
    EXPECT_TRUE(csv.errors.isEmpty()) << errorTexts(csv).join(u'\n').toStdString();
    expectSameSubscriptions(csv, json);

    const ImportReading api = readBytes(sample("wallos-api.json"), berlinContext(u"USD"_s));
    EXPECT_TRUE(api.errors.isEmpty()) << errorTexts(api).join(u'\n').toStdString();
    EXPECT_EQ(names(api), (QStringList{u"YouTube Premium"_s, u"1Password"_s, u"Hetzner Storage Box"_s}));
    EXPECT_EQ(api.rows[0].line, 5);
    EXPECT_TRUE(api.rows[0].subscription.isActive);
    EXPECT_EQ(api.rows[1].subscription.notes, std::nullopt);  // null
    const ImportedSubscription& storage = api.rows[2].subscription;
    EXPECT_FALSE(storage.isActive);
    EXPECT_EQ(storage.cycle, BillingCycle::custom(14));
    EXPECT_TRUE(api.rows[2].notes.size() == 1 && api.rows[2].notes[0].startsWith(u"category"_s));
}

TEST(WallosFormat, aUserWithoutTheDollarIsAskedWhichOneItIs)
{
    const ImportReading reading = readBytes(sample("wallos.json"), berlinContext(u"EUR"_s));
    const ImportedCurrency& dollar = rowNamed(reading, u"Netflix"_s).subscription.currency;
    EXPECT_FALSE(dollar.isResolved());
    EXPECT_EQ(dollar.written, u"$");
    for (const char* code : {"USD", "CAD", "AUD", "MXN", "NZD"})
        EXPECT_TRUE(dollar.candidates.contains(QString::fromLatin1(code))) << code;
    EXPECT_EQ(rowNamed(reading, u"Urban Sports Club"_s).subscription.currency.code, u"EUR");

    const ImportReading canadian = readBytes(sample("wallos.json"), berlinContext(u"CAD"_s));
    EXPECT_EQ(rowNamed(canadian, u"Netflix"_s).subscription.currency.code, u"CAD");
}

TEST(WallosFormat, anUnquotedCommaSplitsItsLineWhichIsReportedNotGuessed)
{
    const QByteArray csv = "Name,Payment Cycle,Next Payment,Category,Price,Notes,URL,Active\n"
                           "Netflix,Monthly,2025-04-03,Entertainment,$15.99,,https://netflix.com,Yes\n"
                           "Disney+,Monthly,2025-04-09,Entertainment,$9.99,Ads, no 4K,https://disneyplus.com,Yes\n"
                           "Proton,Yearly,2025-10-01,Software,€47.88,,,Yes\n";
    const ImportReading reading = readBytes(csv, berlinContext(u"USD"_s));
    EXPECT_EQ(names(reading), (QStringList{u"Netflix"_s, u"Proton"_s}));
    EXPECT_EQ(errorTexts(reading), QStringList{u"line 3: 9 values where the header names 8"_s});
}

TEST(SubTrackrFormat, csvSchedulesStatusesAndStartDates)
{
    const ImportReading reading = readBytes(sample("subtrackr.csv"));
    EXPECT_EQ(reading.format, u"SubTrackr export (CSV)");
    EXPECT_TRUE(reading.errors.isEmpty()) << errorTexts(reading).join(u'\n').toStdString();
    ASSERT_EQ(reading.rows.size(), 6);

    const ImportReading::Row& netflix = reading.rows[0];
    EXPECT_EQ(netflix.subscription.name, u"Netflix");
    EXPECT_EQ(netflix.subscription.price, dec("15.49"));
    EXPECT_EQ(netflix.subscription.currency.code, u"USD");
    EXPECT_EQ(netflix.subscription.cycle, BillingCycle::monthly());
    EXPECT_EQ(netflix.subscription.nextBillingDate, berlinDay(2025, 4, 15));
    EXPECT_EQ(netflix.subscription.startDate, berlinDay(2023, 1, 15));
    EXPECT_EQ(netflix.subscription.notes, u"Premium, 4K"_s);
    EXPECT_EQ(netflix.subscription.paymentMethod, u"Visa •••• 4242"_s);
    EXPECT_TRUE(netflix.notes.isEmpty());

    EXPECT_EQ(reading.rows[1].subscription.category, SubscriptionCategory::Software);  // Productivity
    EXPECT_EQ(reading.rows[1].notes, QStringList{u"category “Productivity” taken as Software"_s});
    EXPECT_FALSE(reading.rows[2].subscription.isActive);  // Paused
    EXPECT_EQ(reading.rows[2].subscription.currency.code, u"EUR");
    EXPECT_EQ(reading.rows[3].subscription.cycle, BillingCycle::quarterly());  // Monthly, every 3
    EXPECT_EQ(reading.rows[3].subscription.currency.code, u"GBP");
    EXPECT_EQ(reading.rows[4].subscription.cycle, BillingCycle::custom(14));  // Weekly, every 2
    EXPECT_EQ(reading.rows[4].subscription.category, SubscriptionCategory::Food);
    EXPECT_EQ(reading.rows[5].subscription.isTrial, true);
    EXPECT_TRUE(reading.rows[5].subscription.isActive);
    EXPECT_EQ(reading.rows[5].subscription.price, Decimal(144));
}

TEST(SubTrackrFormat, jsonReadsLikeTheCsvWithNumbersKeptExact)
{
    const ImportReading json = readBytes(sample("subtrackr.json"));
    EXPECT_EQ(json.format, u"SubTrackr export (JSON)");
    EXPECT_TRUE(json.errors.isEmpty()) << errorTexts(json).join(u'\n').toStdString();
    const ImportReading csv = readBytes(sample("subtrackr.csv"));
    ImportReading sameRows = csv;
    sameRows.rows = {csv.rows[0], csv.rows[3], csv.rows[4]};
    sameRows.rows[2].subscription.isActive = false;  // cancelled in the JSON
    sameRows.rows[2].subscription.paymentMethod.reset();
    expectSameSubscriptions(json, sameRows);
    EXPECT_EQ(json.rows[0].subscription.price.toString(), u"15.49");
}

TEST(SpreadsheetFormat, aHandMadeEuropeanSheetReadsInEveryEncoding)
{
    const QByteArray windows1252 = sample("spreadsheet-windows1252.csv");
    const ImportReading reading = readBytes(windows1252);
    EXPECT_EQ(reading.format, u"Spreadsheet (CSV)");
    EXPECT_TRUE(reading.questions.isEmpty());
    EXPECT_TRUE(reading.errors.isEmpty()) << errorTexts(reading).join(u'\n').toStdString();
    EXPECT_EQ(
        names(reading),
        (QStringList{u"Netflix"_s, u"Spotify Premium"_s, u"Süddeutsche Zeitung"_s, u"Fitnessstudio"_s, u"iCloud+"_s}));
    EXPECT_EQ(reading.rows[0].subscription.price, dec("17.99"));
    EXPECT_EQ(reading.rows[0].subscription.nextBillingDate, berlinDay(2025, 4, 3));  // 03.04. is 3 April
    EXPECT_EQ(reading.rows[2].subscription.price, Decimal(1299));
    EXPECT_EQ(reading.rows[2].subscription.cycle, BillingCycle::yearly());
    EXPECT_EQ(reading.rows[2].subscription.notes, u"Jahresabo – Print & Digital"_s);
    EXPECT_EQ(reading.rows[3].subscription.currency.code, u"EUR");  // "€"
    EXPECT_EQ(reading.rows[3].subscription.notes, u"Vertrag läuft bis März"_s);
    EXPECT_EQ(reading.rows[4].subscription.notes, u"50 GB; geteilt"_s);
    EXPECT_EQ(reading.rows[4].line, 6);
    EXPECT_EQ(reading.rows[1].notes, QStringList{u"category “Musik” taken as Other"_s});

    // The same sheet saved as UTF-16 (either byte order) or UTF-8 with a mark.
    const QString sheet = TextDecoding::decode(windows1252).text;
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE, QStringConverter::Utf8}) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder(sheet);
        expectSameSubscriptions(readBytes(bytes), reading);
    }
}

TEST(SpreadsheetFormat, columnsItCannotNameAreAskedFor)
{
    const QByteArray csv = "Was;Kosten;Wie oft;Wann\n"
                           "Netflix;17,99;Monthly;03.04.2025\n"
                           "Zeitung;12;every 2 weeks;;\n";
    ReadingContext context = berlinContext();
    ImportReading reading = readBytes(csv, context);
    // "Kosten" is no English name for a price: nothing reads until it is chosen.
    ASSERT_EQ(reading.questions.size(), 4);
    EXPECT_EQ(reading.questions[0].field, ImportReading::Field::Name);
    EXPECT_TRUE(reading.questions[0].required);
    EXPECT_EQ(reading.questions[0].column, -1);
    EXPECT_EQ(reading.questions[1].field, ImportReading::Field::Price);
    EXPECT_FALSE(reading.questions[2].required);
    EXPECT_TRUE(reading.rows.isEmpty());
    EXPECT_TRUE(reading.errors.isEmpty());

    context.chosenColumns = {{ImportReading::Field::Name, 0}, {ImportReading::Field::Price, 1}};
    reading = readBytes(csv, context);
    EXPECT_EQ(reading.questions[0].column, 0);
    ASSERT_EQ(names(reading), (QStringList{u"Netflix"_s, u"Zeitung"_s}));
    // No cycle column: monthly; no date column: renews today.
    EXPECT_EQ(reading.rows[0].subscription.cycle, BillingCycle::monthly());
    EXPECT_EQ(reading.rows[0].subscription.nextBillingDate, berlinDay(2025, 3, 10));
    EXPECT_EQ(reading.rows[0].subscription.price, dec("17.99"));

    context.chosenColumns.insert(ImportReading::Field::Cycle, 2);
    context.chosenColumns.insert(ImportReading::Field::NextDate, 3);
    reading = readBytes(csv, context);
    EXPECT_EQ(reading.rows[0].subscription.nextBillingDate, berlinDay(2025, 4, 3));
    EXPECT_EQ(errorTexts(reading), QStringList{u"line 3: the next billing date is missing"_s});
}

TEST(SpreadsheetFormat, theColumnDecidesTheDecimalMarkThenTheLocale)
{
    const QByteArray ambiguous = "Name;Price\nA;1,299\nB;5\n";
    ReadingContext context = berlinContext();
    context.decimalMark = DecimalMark::Comma;
    EXPECT_EQ(readBytes(ambiguous, context).rows[0].subscription.price, dec("1.299"));
    context.decimalMark = DecimalMark::Point;
    EXPECT_EQ(readBytes(ambiguous, context).rows[0].subscription.price, Decimal(1299));
    // One price with two decimals tells the whole column.
    EXPECT_EQ(readBytes("Name;Price\nA;1,299\nB;4,50\n", context).rows[0].subscription.price, dec("1.299"));
    EXPECT_EQ(readBytes("Name,Price\nA,\"1,299\"\nB,4.50\n", context).rows[0].subscription.price, Decimal(1299));
}

TEST(SpreadsheetFormat, formulasStayTextAndNeverCountAsNumbers)
{
    const QByteArray csv = "Name,Price,Notes\n"
                           "=HYPERLINK(\"http://x\";\"Netflix\"),9.99,@SUM(A1)\n"
                           "Spotify,=B2*12,\n"
                           "Gym,-A1,\n"
                           "Cloud,+5,-not a number\n";
    const ImportReading reading = readBytes(csv);
    ASSERT_EQ(reading.rows.size(), 2);
    EXPECT_EQ(reading.rows[0].subscription.name, u"=HYPERLINK(\"http://x\";\"Netflix\")");
    EXPECT_EQ(reading.rows[0].subscription.notes, u"@SUM(A1)"_s);
    EXPECT_EQ(reading.rows[1].subscription.price, Decimal(5));
    EXPECT_EQ(reading.rows[1].subscription.notes, u"-not a number"_s);
    EXPECT_EQ(errorTexts(reading),
              (QStringList{u"line 3: price “=B2*12” is a formula, not a number"_s,
                           u"line 4: price “-A1” is a formula, not a number"_s}));
}

TEST(SpreadsheetFormat, notesAndProblemsSpeakTheUsersLanguage)
{
    TestCatalogue german;
    german.add("Every %n days", u"Alle %n Tage"_s)
        .add("News", u"Nachrichten"_s)
        .add("cycle %1 taken as %2", u"Zyklus %1 gelesen als %2"_s)
        .add("%n values where the header names %1", u"%n Werte, wo die Kopfzeile %1 nennt"_s,
             u"ein Wert, wo die Kopfzeile %1 nennt"_s);
    const ImportReading reading = readBytes("Name,Price,Cycle,Category\n"
                                            "Zeit,9,Every 2 Months,News & Magazines\n"
                                            "Kurz\n");
    ASSERT_EQ(reading.rows.size(), 1);
    EXPECT_EQ(reading.rows[0].notes,
              (QStringList{u"Zyklus “Every 2 Months” gelesen als Alle 61 Tage"_s,
                           u"category “News & Magazines” taken as Nachrichten"_s}));
    // A count of one takes the singular.
    EXPECT_EQ(errorTexts(reading), QStringList{u"line 3: ein Wert, wo die Kopfzeile 4 nennt"_s});
}
