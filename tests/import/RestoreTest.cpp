// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Imports into a real store on a database file: a Tabrino export restored
// and exported again byte for byte, files matched against what is tracked,
// and a save that fails leaving everything as it was.
#include "ImportFixture.h"
#include "export/ExportService.h"
#include "import/ImportApplier.h"
#include "import/ImportMatching.h"
#include "store/StoreFixture.h"
#include "support/FileSizeLimit.h"

using namespace tabrino;
using namespace tabrino::test;
using namespace Qt::StringLiterals;

namespace {

class RestoreTest : public StoreFixture {
protected:
    QList<ImportedSubscription> everyRow(const ImportReading& reading)
    {
        EXPECT_FALSE(reading.isRefused()) << reading.refusal.toStdString();
        EXPECT_TRUE(reading.errors.isEmpty()) << errorTexts(reading).join(u'\n').toStdString();
        QList<ImportedSubscription> rows;
        for (const ImportReading::Row& row : reading.rows)
            rows << row.subscription;
        return rows;
    }

    QList<Subscription*> tracked() const { return store->active() + store->archived(); }

    Subscription* trackedNamed(const QString& name) const
    {
        for (Subscription* subscription : tracked()) {
            if (subscription->name() == name)
                return subscription;
        }
        return nullptr;
    }

    // Imports the export `name` into an empty folder and exports again.
    void expectRoundTrip(ExportService::Format format, const char* name)
    {
        // Before every date in the files, so nothing has passed and rolls on.
        setNow(utc(2025, 2, 1));
        // An export ends without the newline the sample file's editor added.
        const QByteArray file = sample(name).chopped(1);
        launch();
        store->refresh();
        ASSERT_TRUE(tracked().isEmpty());
        EXPECT_EQ(ImportApplier::apply(everyRow(readBytes(file, context())), {}, *store), QString());
        EXPECT_EQ(ExportService::build(tracked(), format).toStdString(), file.toStdString());
        // Archived on the day of the import: the files do not say when.
        ASSERT_EQ(store->archived().size(), 2);
        EXPECT_EQ(store->archived()[0]->archivedDate(), utc(2025, 2, 1));

        // Read back from the file at the next start, too.
        launch();
        store->refresh();
        EXPECT_EQ(ExportService::build(tracked(), format), file);
    }

    ReadingContext context(const QString& currency = u"USD"_s) const
    {
        ReadingContext result = berlinContext(currency);
        result.calendar = calendar;
        return result;
    }
};

TEST_F(RestoreTest, aJsonExportRestoresIntoAnEmptyFolderByteForByte)
{
    expectRoundTrip(ExportService::Format::Json, "tabrino.json");
}

TEST_F(RestoreTest, aCsvExportRestoresIntoAnEmptyFolderByteForByte)
{
    expectRoundTrip(ExportService::Format::Csv, "tabrino.csv");
}

TEST_F(RestoreTest, whatIsTrackedAlreadyIsMatchedAndUpdatedOnlyWhenAsked)
{
    launch();
    store->refresh();
    ASSERT_EQ(ImportApplier::apply(everyRow(readBytes(sample("wallos.json"), context())), {}, *store), QString());
    ASSERT_EQ(tracked().size(), 5);

    // The same file again: every row, the archived one too, is tracked.
    const ImportReading again = readBytes(sample("wallos.json"), context());
    EXPECT_EQ(
        ImportMatching::match(again.rows, tracked()),
        (QList<Subscription*>{trackedNamed(u"Netflix"_s), trackedNamed(u"Spotify"_s), trackedNamed(u"Dropbox Plus"_s),
                              trackedNamed(u"Urban Sports Club"_s), trackedNamed(u"The Economist"_s)}));

    // Name in any case with spaces around, same price and cycle: a match;
    // another price or cycle is another subscription.
    const QByteArray changed = "Name,Payment Cycle,Next Payment,Price,Notes,Active\n"
                               " NETFLIX ,Monthly,2025-05-03,$15.990,Premium now,Yes\n"
                               "Spotify,Monthly,2025-03-21,$11.99,,Yes\n"
                               "Spotify,Yearly,2025-03-21,$10.99,,Yes\n"
                               "Dropbox Plus,Yearly,2025-11-02,$119.88,,Yes\n";
    const ImportReading reading = readBytes(changed, context());
    const QList<Subscription*> matches = ImportMatching::match(reading.rows, tracked());
    EXPECT_EQ(matches,
              (QList<Subscription*>{trackedNamed(u"Netflix"_s), nullptr, nullptr, trackedNamed(u"Dropbox Plus"_s)}));

    Subscription* netflix = trackedNamed(u"Netflix"_s);
    Subscription* dropbox = trackedNamed(u"Dropbox Plus"_s);
    const QList<ImportApplier::Update> updates = {{reading.rows[0].subscription, netflix},
                                                  {reading.rows[3].subscription, dropbox}};
    ASSERT_EQ(ImportApplier::apply({reading.rows[1].subscription}, updates, *store), QString());
    EXPECT_EQ(tracked().size(), 6);
    EXPECT_EQ(netflix->notes(), u"Premium now"_s);
    EXPECT_EQ(netflix->name(), u" NETFLIX "_s.trimmed());
    EXPECT_EQ(netflix->nextBillingDate(), local(calendar, 2025, 5, 3));
    // Values the file has no column for are kept.
    EXPECT_EQ(netflix->category(), SubscriptionCategory::Streaming);
    EXPECT_EQ(netflix->paymentMethod(), u"PayPal"_s);
    // Active again in the file: restored from the archive.
    EXPECT_TRUE(dropbox->isActive());
    EXPECT_EQ(dropbox->archivedDate(), std::nullopt);
}

TEST_F(RestoreTest, aSaveThatFailsImportsNothingAndChangesNothing)
{
    launch();
    store->refresh();
    Subscription* kept = add(u"Netflix"_s, "15.99", BillingCycle::monthly(), local(calendar, 2025, 4, 3));
    kept->setNotes(u"mine"_s);
    store->save();
    ASSERT_TRUE(store->saveFailure().isEmpty());

    const ImportReading reading = readBytes(sample("wallos.json"), context());
    const QList<ImportedSubscription> rows = everyRow(reading);
    {
        FileSizeLimit full(0);
        ASSERT_TRUE(full.isActive());
        const QString failure = ImportApplier::apply(rows.mid(1), {{rows[0], kept}}, *store);
        EXPECT_TRUE(failure.startsWith(u"Couldn't save the import, so nothing was imported: "_s))
            << failure.toStdString();
    }
    EXPECT_EQ(tracked(), QList<Subscription*>{kept});
    EXPECT_EQ(kept->notes(), u"mine"_s);
    EXPECT_EQ(kept->category(), SubscriptionCategory::Streaming);
    EXPECT_EQ(kept->paymentMethod(), std::nullopt);
    // Nothing waits to be written, and nothing is reported as unsaved.
    EXPECT_TRUE(store->unsavedSubscriptionNames().isEmpty());
    EXPECT_TRUE(store->saveFailure().isEmpty());

    launch();
    store->refresh();
    ASSERT_EQ(tracked().size(), 1);
    EXPECT_EQ(tracked()[0]->notes(), u"mine"_s);
}

TEST_F(RestoreTest, datesThatPassedMoveOnAsAtEveryStart)
{
    setNow(local(calendar, 2025, 4, 10, 9));
    launch();
    store->refresh();
    ASSERT_EQ(ImportApplier::apply(everyRow(readBytes(sample("wallos.json"), context())), {}, *store), QString());
    EXPECT_EQ(trackedNamed(u"Netflix"_s)->nextBillingDate(), local(calendar, 2025, 5, 3));
    EXPECT_EQ(trackedNamed(u"Spotify"_s)->nextBillingDate(), local(calendar, 2025, 4, 21));
    EXPECT_EQ(trackedNamed(u"Urban Sports Club"_s)->nextBillingDate(), local(calendar, 2025, 5, 1));
    EXPECT_EQ(store->active().size(), 4);
    drainQueuedCalls();
    ASSERT_FALSE(reminders.reconciled.isEmpty());
    EXPECT_EQ(reminders.reconciled.last(), store->active());
}

}  // namespace
