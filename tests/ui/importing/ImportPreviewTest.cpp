// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The import screen's rules against a real store: what it shows before
// anything is saved, what it asks, and what one press of its button writes.
#include "ui/importing/ImportPreview.h"
#include "import/ImportFixture.h"
#include "store/StoreFixture.h"
#include "support/FileSizeLimit.h"
#include "support/TestCatalogue.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

using namespace tabrino;
using namespace tabrino::test;
using namespace Qt::StringLiterals;

namespace {

class ImportPreviewTest : public StoreFixture {
protected:
    ImportPreviewTest()
    {
        launch();
        store->refresh();
        netflix = add(u"Netflix"_s, "15.99", BillingCycle::monthly(), local(calendar, 2025, 4, 3));
        store->save();
        preview.setStore(store.get());
    }

    ReadingContext context(const QString& currency) const
    {
        ReadingContext result = berlinContext(currency);
        result.calendar = calendar;
        return result;
    }

    struct Shown {
        QString section;
        QString name;
        QString detail;
        QString note;
    };
    QList<Shown> shown()
    {
        QList<Shown> rows;
        ImportRowsModel* model = preview.rows();
        for (int i = 0; i < model->rowCount(); ++i) {
            const QModelIndex at = model->index(i);
            rows << Shown{
                at.data(ImportRowsModel::SectionRole).toString(), at.data(ImportRowsModel::NameRole).toString(),
                at.data(ImportRowsModel::DetailRole).toString(), at.data(ImportRowsModel::NoteRole).toString()};
        }
        return rows;
    }

    ImportQuestionsModel::Question question(int index) { return preview.questions()->questions().value(index); }

    Subscription* netflix = nullptr;
    ImportPreview preview;
    QAbstractItemModelTester rowsTester{preview.rows(), QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester questionsTester{preview.questions(),
                                             QAbstractItemModelTester::FailureReportingMode::Fatal};
};

}  // namespace

TEST_F(ImportPreviewTest, showsWhatTheFileWouldDoAndAsksForTheDollarBeforeAnythingIsSaved)
{
    preview.load(sample("wallos.json"), context(u"EUR"_s));
    EXPECT_EQ(preview.format(), u"Wallos export (JSON)");
    EXPECT_EQ(preview.summary(), u"Wallos export (JSON): 4 new · 1 already tracked");
    const QList<Shown> rows = shown();
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0].section, u"new");
    EXPECT_EQ(rows[0].name, u"Spotify");
    EXPECT_EQ(rows[0].detail, u"10.99 $ · Monthly · next Mar 21, 2025");  // which dollar is not known yet
    EXPECT_EQ(rows[1].detail, u"119.88 $ · Yearly · next Nov 2, 2025 · archived");
    EXPECT_EQ(rows[2].detail, u"€89.70 · Quarterly · next May 1, 2025");
    EXPECT_EQ(rows[3].note,
              u"cycle “Every 2 Months” taken as Every 61 days; category “News & Magazines” taken as News");
    EXPECT_EQ(rows[4].section, u"tracked");
    EXPECT_EQ(rows[4].name, u"Netflix");

    // Both the dollar and the pound are written by several countries.
    ASSERT_EQ(preview.questions()->rowCount(), 2);
    EXPECT_EQ(question(0).prompt, u"Which currency is “$”?");
    EXPECT_EQ(question(0).selectedIndex, -1);
    EXPECT_EQ(question(1).prompt, u"Which currency is “£”?");
    EXPECT_EQ(question(1).choices.first(), u"GBP");
    EXPECT_FALSE(preview.canImport());
    EXPECT_EQ(preview.waitingFor(), u"Choose which currency “$” is.");
    EXPECT_FALSE(preview.apply());
    EXPECT_EQ(store->active().size(), 1);

    const int usd = int(question(0).choices.indexOf(u"USD"_s));
    ASSERT_GE(usd, 0);
    preview.answer(0, usd);
    EXPECT_EQ(question(0).selectedIndex, usd);
    EXPECT_EQ(shown()[0].detail, u"$10.99 · Monthly · next Mar 21, 2025");
    EXPECT_EQ(preview.waitingFor(), u"Choose which currency “£” is.");
    preview.answer(1, 0);
    EXPECT_TRUE(preview.canImport());
    EXPECT_EQ(preview.importLabel(), u"Import 4");
    preview.setUpdatesTracked(true);
    EXPECT_EQ(preview.importLabel(), u"Import 4 and update 1");
    EXPECT_EQ(store->active().size(), 1);  // still nothing written

    QSignalSpy imported(&preview, &ImportPreview::imported);
    ASSERT_TRUE(preview.apply());
    EXPECT_EQ(imported.size(), 1);
    EXPECT_EQ(store->active().size(), 4);
    EXPECT_EQ(store->archived().size(), 1);
    EXPECT_EQ(netflix->notes(), u"Standard with ads"_s);  // updated from the file
    const QHash<QString, QString> currencies = {{u"Urban Sports Club"_s, u"EUR"_s}, {u"The Economist"_s, u"GBP"_s}};
    for (const Subscription* subscription : store->active() + store->archived())
        EXPECT_EQ(subscription->currencyCode(), currencies.value(subscription->name(), u"USD"_s))
            << subscription->name().toStdString();
}

TEST_F(ImportPreviewTest, trackedRowsAreSkippedUnlessUpdating)
{
    preview.load("Name,Price,Billing Cycle,Next Payment\nnetflix,15.99,Monthly,2025-05-03\n", context(u"USD"_s));
    EXPECT_EQ(preview.trackedCount(), 1);
    EXPECT_FALSE(preview.canImport());
    EXPECT_EQ(preview.waitingFor(), u"Everything in the file is tracked already.");
    EXPECT_EQ(preview.sectionTitles().value(u"tracked"_s), u"Will be skipped (1)"_s);
    preview.setUpdatesTracked(true);
    EXPECT_EQ(preview.importLabel(), u"Update 1");
    {
        // The headings agree with their counts where a language needs it.
        TestCatalogue german;
        german.add("Will be updated (%Ln)", u"Werden aktualisiert (%Ln)"_s, u"Wird aktualisiert (%Ln)"_s);
        EXPECT_EQ(preview.sectionTitles().value(u"tracked"_s), u"Wird aktualisiert (1)"_s);
    }
    ASSERT_TRUE(preview.apply());
    EXPECT_EQ(store->active(), QList<Subscription*>{netflix});
    EXPECT_EQ(netflix->nextBillingDate(), local(calendar, 2025, 5, 3));
}

TEST_F(ImportPreviewTest, columnsAreAskedForAndAnswersMoveTheRows)
{
    preview.load("Was;Kosten;Wann\nZeitung;12;01.04.2025\nRadio;abc;01.04.2025\n", context(u"EUR"_s));
    ASSERT_EQ(preview.questions()->rowCount(), 4);
    EXPECT_EQ(question(0).prompt, u"Which column holds the names?");
    EXPECT_EQ(question(0).choices, (QStringList{u"Was"_s, u"Kosten"_s, u"Wann"_s}));
    EXPECT_EQ(question(2).choices.last(), u"None: every month");
    EXPECT_EQ(question(2).selectedIndex, 3);  // none, as it stands
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(preview.waitingFor(), u"Choose the columns that hold the names and prices.");

    preview.answer(0, 0);
    preview.answer(1, 1);
    QList<Shown> rows = shown();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].detail, u"€12 · Monthly · next Mar 10, 2025");
    EXPECT_EQ(rows[1].section, u"unreadable");
    EXPECT_EQ(rows[1].name, u"line 3: price “abc” is not a number");
    EXPECT_EQ(preview.summary(), u"Spreadsheet (CSV): 1 new · 1 can't be read");
    EXPECT_TRUE(preview.canImport());

    // The price column was the name's: now every row is unreadable.
    preview.answer(1, 0);
    rows = shown();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].name, u"line 2: price “Zeitung” is not a number");
    EXPECT_EQ(preview.waitingFor(), u"Nothing in the file can be imported.");
}

TEST_F(ImportPreviewTest, aRefusedFileSaysWhyAndOffersNothing)
{
    preview.load(QByteArray("PK\x03\x04\0\0", 6), context(u"EUR"_s));
    EXPECT_EQ(preview.refusal(), u"This is not a text file. Save the subscriptions as CSV or JSON and import that.");
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_FALSE(preview.canImport());
    EXPECT_FALSE(preview.apply());
}

TEST_F(ImportPreviewTest, theChosenFileIsReadFromItsAddress)
{
    ImportPreview fromFile;
    fromFile.setFile(QUrl::fromLocalFile(QStringLiteral(TABRINO_IMPORT_SAMPLES_DIR "/subtrackr.csv")));
    EXPECT_TRUE(fromFile.format().isEmpty());  // nothing read without a store
    fromFile.setStore(store.get());
    EXPECT_EQ(fromFile.fileName(), u"subtrackr.csv");
    EXPECT_EQ(fromFile.format(), u"SubTrackr export (CSV)");
    EXPECT_EQ(fromFile.newCount(), 6);
}

TEST_F(ImportPreviewTest, aSaveThatFailsIsShownAndImportsNothing)
{
    preview.load(sample("subtrackr.csv"), context(u"EUR"_s));
    ASSERT_TRUE(preview.canImport());
    {
        FileSizeLimit full(0);
        EXPECT_FALSE(preview.apply());
    }
    EXPECT_TRUE(preview.error().startsWith(u"Couldn't save the import, so nothing was imported: "_s));
    EXPECT_EQ(store->active(), QList<Subscription*>{netflix});
    EXPECT_TRUE(store->archived().isEmpty());
    // Once there is room again the same press imports it.
    EXPECT_TRUE(preview.apply());
    EXPECT_TRUE(preview.error().isEmpty());
    EXPECT_EQ(store->active().size() + store->archived().size(), 7);
}
