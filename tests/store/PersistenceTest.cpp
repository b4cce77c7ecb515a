// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Clock.h"
#include "model/MonthlySnapshot.h"
#include "model/Subscription.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/SqliteDatabase.h"
#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <functional>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tabrino;
using test::dec;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PersistenceTest : public ::testing::Test {
protected:
    std::unique_ptr<PersistentContainer> open()
    {
        QString error;
        auto container = PersistentContainer::open(path, &error);
        EXPECT_TRUE(container) << error.toStdString();
        return container;
    }

    // Runs SQL on the file through a second connection, as another process would.
    void sideChannel(const QString& sql)
    {
        auto db = SqliteDatabase::open(path, nullptr);
        ASSERT_TRUE(db && db->execute(sql)) << sql.toStdString();
    }

    // The answer of a second, read-only connection.
    QString readOnlyQuery(const QString& sql)
    {
        auto db = SqliteDatabase::open(path, nullptr, SqliteDatabase::Access::ReadOnly);
        return db ? db->queryText(sql) : u"(cannot open)"_qs;
    }

    // Another program's SQLite file at our path.
    void sqliteForeign()
    {
        QFile(path).open(QIODevice::WriteOnly);
        sideChannel(u"CREATE TABLE notes (body TEXT)"_qs);
    }

    // Another program's database whose last writes are still only in its
    // write-ahead log, as a crash or a closing without checkpoint leaves it.
    void foreignWithLeftoverLog()
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        EXPECT_EQ(sqlite3_exec(db,
                               "PRAGMA journal_mode = WAL; CREATE TABLE notes (body TEXT);"
                               "INSERT INTO notes VALUES ('kept in the log only');",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
        ASSERT_GT(QFileInfo(path + u"-wal"_qs).size(), 0);
    }

    // Another program's database caught in the middle of a write: a hot
    // rollback journal that the next writer would play back.
    void foreignWithHotJournal()
    {
        const QString source = dir.path() + u"/source.db"_qs;
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(source).constData(), &db), SQLITE_OK);
        // A one-page cache spills the open transaction into the file.
        EXPECT_EQ(sqlite3_exec(db,
                               "PRAGMA cache_size = 1; CREATE TABLE notes (body BLOB);"
                               "BEGIN; INSERT INTO notes SELECT zeroblob(4000) FROM"
                               " (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100)"
                               "  SELECT i FROM n);",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        ASSERT_TRUE(QFile::copy(source, path));
        ASSERT_TRUE(QFile::copy(source + u"-journal"_qs, path + u"-journal"_qs));
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    // The file and the companions SQLite may change or remove.
    QList<QByteArray> fileSet() const
    {
        QList<QByteArray> contents;
        for (const char* suffix : {"", "-wal", "-journal"}) {
            const QString name = path + QString::fromLatin1(suffix);
            contents << (QFile::exists(name) ? readAll(name) : QByteArray("(absent)"));
        }
        return contents;
    }

    // Expects open() to refuse the file, leaving it and its companions as
    // they were; returns the reason given.
    QString expectRefused(const char* what)
    {
        const QList<QByteArray> before = fileSet();
        QString error;
        EXPECT_FALSE(PersistentContainer::open(path, &error)) << what;
        EXPECT_FALSE(error.isEmpty()) << what;
        EXPECT_EQ(fileSet(), before) << what;
        return error;
    }

    // Removes the file and whatever SQLite kept beside it.
    void removeFile()
    {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(path + QString::fromLatin1(suffix));
    }

    QTemporaryDir dir;
    QString path = dir.path() + u"/data/Tabrino/Tabrino.sqlite"_qs;
};

}  // namespace

TEST_F(PersistenceTest, createsAPrivateVersionedWalDatabase)
{
    auto container = open();
    struct stat file {};
    struct stat folder {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &file), 0);
    ASSERT_EQ(::stat(QFile::encodeName(dir.path() + u"/data/Tabrino"_qs).constData(), &folder), 0);
    EXPECT_EQ(file.st_mode & 0777, 0600u);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    EXPECT_EQ(container->database().queryText(u"PRAGMA user_version"_qs),
              QString::number(PersistentContainer::kSchemaVersion));
    EXPECT_EQ(container->database().queryText(u"PRAGMA journal_mode"_qs), u"wal");
    EXPECT_TRUE(container->mainContext().fetch<Subscription>()->isEmpty());
}

TEST_F(PersistenceTest, everyAttributeSurvivesReopening)
{
    Clock::setSource([] { return test::utc(2025, 1, 2, 3, 4).addMSecs(567); });
    auto full = new Subscription(u"Näme, \"quoted\"\nline"_qs, dec("12345678901234567890.123456789012345678"),
                                 u"EUR"_qs, BillingCycle::custom(45), test::utc(2025, 2, 3, 4, 5).addMSecs(1),
                                 SubscriptionCategory::Finance, u"some-service"_qs);
    full->setIsTrial(true);
    full->setTrialEndDate(test::utc(2025, 3, 1));
    full->setIsShared(true);
    full->setSharePercentage(0.1 + 0.2);  // not exactly 0.3: must come back bit for bit
    full->setNotes(u""_qs);               // empty, not absent
    full->setPaymentMethod(u"Amex •••• 1005"_qs);
    full->setBrandColorHex(u"E50914"_qs);
    full->setSymbolName(u"play.tv"_qs);
    full->setCancellationUrlString(u"https://example.com/cancel"_qs);
    full->setStartDate(test::utc(2024, 12, 31, 23, 59));
    full->setIsActive(false);
    full->setArchivedDate(test::utc(2025, 4, 1));
    full->setNotificationsEnabled(false);
    full->setNotificationLeadDays(0);
    auto bare = new Subscription(u"Bare"_qs, Decimal(0), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 1, 1),
                                 SubscriptionCategory::Other);
    auto snapshot = new MonthlySnapshot(test::utc(2025, 1, 1), dec("9.999999999999999999999999999999999999"), 3);
    Clock::setSource({});
    const QUuid fullId = full->id();
    {
        auto container = open();
        container->mainContext().insert(full);
        container->mainContext().insert(bare);
        container->mainContext().insert(snapshot);
        ASSERT_TRUE(container->mainContext().save());
        EXPECT_FALSE(container->mainContext().hasChanges());
    }
    auto container = open();
    auto all = container->mainContext().fetch<Subscription>(
        {{}, [](const Subscription& a, const Subscription& b) { return a.name() < b.name(); }});
    ASSERT_TRUE(all && all->size() == 2);
    const Subscription& f = *all->at(1);
    const Subscription& b = *all->at(0);
    EXPECT_EQ(f.id(), fullId);
    EXPECT_EQ(f.name(), u"Näme, \"quoted\"\nline");
    EXPECT_EQ(f.serviceId(), u"some-service"_qs);
    EXPECT_EQ(f.price().toString(), u"12345678901234567890.123456789012345678");
    EXPECT_EQ(f.currencyCode(), u"EUR");
    EXPECT_EQ(f.billingCycle(), BillingCycle::custom(45));
    EXPECT_EQ(f.nextBillingDate(), test::utc(2025, 2, 3, 4, 5).addMSecs(1));
    EXPECT_EQ(f.categoryRaw(), u"finance");
    EXPECT_TRUE(f.isTrial());
    EXPECT_EQ(f.trialEndDate(), test::utc(2025, 3, 1));
    EXPECT_TRUE(f.isShared());
    EXPECT_EQ(f.sharePercentage(), 0.1 + 0.2);
    EXPECT_EQ(f.notes(), u""_qs);
    EXPECT_EQ(f.paymentMethod(), u"Amex •••• 1005"_qs);
    EXPECT_EQ(f.brandColorHex(), u"E50914"_qs);
    EXPECT_EQ(f.symbolName(), u"play.tv"_qs);
    EXPECT_EQ(f.cancellationUrlString(), u"https://example.com/cancel"_qs);
    EXPECT_EQ(f.dateAdded(), test::utc(2025, 1, 2, 3, 4).addMSecs(567));
    EXPECT_EQ(f.startDate(), test::utc(2024, 12, 31, 23, 59));
    EXPECT_FALSE(f.isActive());
    EXPECT_EQ(f.archivedDate(), test::utc(2025, 4, 1));
    EXPECT_FALSE(f.notificationsEnabled());
    EXPECT_EQ(f.notificationLeadDays(), 0);
    EXPECT_FALSE(b.serviceId() || b.trialEndDate() || b.sharePercentage() || b.notes() || b.paymentMethod()
                 || b.brandColorHex() || b.symbolName() || b.cancellationUrlString() || b.startDate()
                 || b.archivedDate() || b.notificationLeadDays());
    EXPECT_FALSE(f.hasUnsavedChanges());

    auto snapshots = container->mainContext().fetch<MonthlySnapshot>();
    ASSERT_TRUE(snapshots && snapshots->size() == 1);
    EXPECT_EQ(snapshots->at(0)->monthStart(), test::utc(2025, 1, 1));
    EXPECT_EQ(snapshots->at(0)->monthlyTotal().toString(), u"9.999999999999999999999999999999999999");
    EXPECT_EQ(snapshots->at(0)->activeSubscriptionCount(), 3);
    EXPECT_EQ(snapshots->at(0)->capturedAt(), test::utc(2025, 1, 2, 3, 4).addMSecs(567));
}

TEST_F(PersistenceTest, fetchReturnsLiveObjectsWithPendingChanges)
{
    auto container = open();
    ModelContext& context = container->mainContext();
    auto a = new Subscription(u"A"_qs, Decimal(1), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 5, 1),
                              SubscriptionCategory::Other);
    auto b = new Subscription(u"B"_qs, Decimal(2), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 4, 1),
                              SubscriptionCategory::Other);
    context.insert(a);
    context.insert(b);
    const FetchDescriptor<Subscription> activeByDate{
        [](const Subscription& s) { return s.isActive(); },
        [](const Subscription& x, const Subscription& y) { return x.nextBillingDate() < y.nextBillingDate(); }};
    EXPECT_EQ(*context.fetch(activeByDate), (QList<Subscription*>{b, a}));  // unsaved inserts are visible
    ASSERT_TRUE(context.save());
    EXPECT_EQ(*context.fetch(activeByDate), (QList<Subscription*>{b, a}));  // the same objects after saving
    b->setIsActive(false);
    EXPECT_EQ(*context.fetch(activeByDate), (QList<Subscription*>{a}));
    context.remove(a);
    EXPECT_TRUE(context.fetch(activeByDate)->isEmpty());
    ASSERT_TRUE(context.save());
    EXPECT_EQ(a->name(), u"A");  // a removed record stays valid for whoever still holds it

    auto reopened = PersistentContainer::open(path, nullptr);
    auto stored = reopened->mainContext().fetch<Subscription>();
    ASSERT_EQ(stored->size(), 1);
    EXPECT_EQ(stored->at(0)->name(), u"B");
    EXPECT_FALSE(stored->at(0)->isActive());
}

TEST_F(PersistenceTest, monthStartIsUniqueAndASecondInsertReplacesTheFirst)
{
    {
        auto container = open();
        container->mainContext().insert(new MonthlySnapshot(test::utc(2025, 3, 1), Decimal(5), 1));
        ASSERT_TRUE(container->mainContext().save());
        container->mainContext().insert(new MonthlySnapshot(test::utc(2025, 3, 1), Decimal(7), 2));
        container->mainContext().insert(new MonthlySnapshot(test::utc(2025, 4, 1), Decimal(8), 2));
        ASSERT_TRUE(container->mainContext().save());
        auto snapshots = container->mainContext().fetch<MonthlySnapshot>();
        ASSERT_EQ(snapshots->size(), 2);
        EXPECT_EQ(snapshots->at(0)->monthlyTotal(), Decimal(7));
    }
    auto container = open();
    auto snapshots = container->mainContext().fetch<MonthlySnapshot>();
    ASSERT_EQ(snapshots->size(), 2);
    EXPECT_EQ(snapshots->at(0)->monthlyTotal(), Decimal(7));
    EXPECT_EQ(snapshots->at(0)->activeSubscriptionCount(), 2);
    EXPECT_EQ(container->database().queryText(u"SELECT count(*) FROM MonthlySnapshot WHERE monthStart = "_qs
                                              + QString::number(test::utc(2025, 3, 1).toMSecsSinceEpoch())),
              u"1");
}

TEST_F(PersistenceTest, failedSaveKeepsChangesPendingAndTheNextSaveWritesThem)
{
    auto container = open();
    ModelContext& context = container->mainContext();
    auto kept = new Subscription(u"Kept"_qs, Decimal(3), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 1, 1),
                                 SubscriptionCategory::Other);
    context.insert(kept);
    ASSERT_TRUE(context.save());

    sideChannel(
        u"CREATE TRIGGER refuse BEFORE INSERT ON Subscription BEGIN SELECT RAISE(ABORT, 'disk says no'); END"_qs);
    kept->setPrice(Decimal(4));
    context.insert(new Subscription(u"New"_qs, Decimal(1), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 1, 1),
                                    SubscriptionCategory::Other));
    EXPECT_FALSE(context.save());
    EXPECT_TRUE(context.hasChanges());
    EXPECT_EQ(kept->price(), Decimal(4));                                                    // memory keeps the edit
    EXPECT_EQ(container->database().queryText(u"SELECT price FROM Subscription"_qs), u"3");  // nothing half-written

    sideChannel(u"DROP TRIGGER refuse"_qs);
    EXPECT_TRUE(context.save());
    auto reopened = PersistentContainer::open(path, nullptr);
    auto stored = reopened->mainContext().fetch<Subscription>(
        {{}, [](const Subscription& a, const Subscription& b) { return a.name() < b.name(); }});
    ASSERT_EQ(stored->size(), 2);
    EXPECT_EQ(stored->at(0)->price(), Decimal(4));
    EXPECT_EQ(stored->at(1)->name(), u"New");
}

TEST_F(PersistenceTest, aDamagedRowIsPassedOverAndKeptAsItIs)
{
    {
        auto container = open();
        for (const char* name : {"Good", "Damaged"})
            container->mainContext().insert(new Subscription(QString::fromUtf8(name), Decimal(5), u"USD"_qs,
                                                             BillingCycle::monthly(), test::utc(2025, 1, 1),
                                                             SubscriptionCategory::Other));
        ASSERT_TRUE(container->mainContext().save());
    }
    sideChannel(u"UPDATE Subscription SET price = 'five' WHERE name = 'Damaged'"_qs);
    auto container = open();
    auto loaded = container->mainContext().fetch<Subscription>();
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 1);
    EXPECT_EQ(loaded->at(0)->name(), u"Good");
    loaded->at(0)->setPrice(Decimal(6));
    ASSERT_TRUE(container->mainContext().save());
    EXPECT_EQ(container->database().queryText(u"SELECT price FROM Subscription WHERE name = 'Damaged'"_qs), u"five");
}

// A hand-edited file may spell an id in other letters. One id is one record:
// the first row counts, and saves go to that row, never to a new one.
TEST_F(PersistenceTest, anIdSpeltDifferentlyIsOneRecordSavedToItsOwnRow)
{
    const auto countRows = [&] { return readOnlyQuery(u"SELECT count(*) FROM Subscription"_qs); };
    QUuid id;
    {
        auto container = open();
        auto* kept = new Subscription(u"Kept"_qs, Decimal(5), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 1, 1),
                                      SubscriptionCategory::Other);
        id = kept->id();
        container->mainContext().insert(kept);
        ASSERT_TRUE(container->mainContext().save());
    }
    // Only its spelling changed: an edit is still saved to that row.
    sideChannel(u"UPDATE Subscription SET id = lower(id)"_qs);
    {
        auto container = open();
        auto loaded = container->mainContext().fetch<Subscription>();
        ASSERT_TRUE(loaded && loaded->size() == 1);
        EXPECT_EQ(loaded->at(0)->id(), id);
        loaded->at(0)->setPrice(Decimal(6));
        ASSERT_TRUE(container->mainContext().save());
    }
    EXPECT_EQ(countRows(), u"1");

    // A copy under the id spelt in capitals, with other values.
    sideChannel(u"CREATE TEMP TABLE copy AS SELECT * FROM Subscription;"
                u"UPDATE copy SET id = upper(id), name = 'Copy', price = '99';"
                u"INSERT INTO Subscription SELECT * FROM copy;"_qs);
    auto container = open();
    auto loaded = container->mainContext().fetch<Subscription>();
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 1);
    EXPECT_EQ(loaded->at(0)->name(), u"Kept");
    EXPECT_EQ(container->mainContext().fetch<Subscription>()->size(), 1);  // a second read too
    loaded->at(0)->setPrice(Decimal(7));
    ASSERT_TRUE(container->mainContext().save());
    EXPECT_EQ(countRows(), u"2");
    EXPECT_EQ(readOnlyQuery(u"SELECT price FROM Subscription WHERE name = 'Kept'"_qs), u"7");
    EXPECT_EQ(readOnlyQuery(u"SELECT price FROM Subscription WHERE name = 'Copy'"_qs), u"99");
}

TEST_F(PersistenceTest, refusesFilesItCannotUseAndLeavesThemUntouched)
{
    QDir().mkpath(dir.path() + u"/data/Tabrino"_qs);

    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("SQLite format 3\0 but then nonsense", 34).repeated(200));
    garbage.close();
    EXPECT_TRUE(expectRefused("garbage").contains(u"cannot be read"));

    removeFile();
    sqliteForeign();
    EXPECT_TRUE(expectRefused("foreign").contains(u"not a Tabrino data file"));

    removeFile();
    open().reset();
    sideChannel(u"PRAGMA user_version = 99"_qs);
    EXPECT_TRUE(expectRefused("newer").contains(u"newer version"));

    // No version of ours is negative.
    sideChannel(u"PRAGMA user_version = -1"_qs);
    EXPECT_TRUE(expectRefused("negative version").contains(u"not a Tabrino data file"));

    removeFile();
    QDir().mkpath(path);  // a folder where the file should be
    QString error;
    EXPECT_FALSE(PersistentContainer::open(path, &error));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// An unknown file is only read until it is known to be ours: a read-write
// connection would checkpoint another program's log into its file and remove
// it, or play back its hot journal, the moment it closes.
TEST_F(PersistenceTest, inspectsUnknownFilesWithoutWritingToThem)
{
    QDir().mkpath(dir.path() + u"/data/Tabrino"_qs);
    foreignWithLeftoverLog();
    EXPECT_TRUE(expectRefused("leftover log").contains(u"not a Tabrino data file"));
    EXPECT_TRUE(QFile::exists(path + u"-wal"_qs));

    removeFile();
    foreignWithHotJournal();
    EXPECT_TRUE(expectRefused("hot journal").contains(u"unfinished write"));
    EXPECT_TRUE(QFile::exists(path + u"-journal"_qs));

    // A file of ours that crashed with its schema and its last save still in
    // the log (copied while open, as a crash leaves it) opens with both.
    removeFile();
    const QString crashed = dir.path() + u"/crashed/Tabrino.sqlite"_qs;
    QDir().mkpath(dir.path() + u"/crashed"_qs);
    {
        auto container = open();
        container->mainContext().insert(new MonthlySnapshot(test::utc(2025, 3, 1), Decimal(5), 1));
        ASSERT_TRUE(container->mainContext().save());
        ASSERT_TRUE(QFile::copy(path, crashed));
        ASSERT_TRUE(QFile::copy(path + u"-wal"_qs, crashed + u"-wal"_qs));
    }
    QString error;
    auto reopened = PersistentContainer::open(crashed, &error);
    ASSERT_TRUE(reopened) << error.toStdString();
    auto snapshots = reopened->mainContext().fetch<MonthlySnapshot>();
    ASSERT_TRUE(snapshots && snapshots->size() == 1);
    EXPECT_EQ(snapshots->at(0)->monthlyTotal(), Decimal(5));
}

// SQLite opens a file it may not write for reading only, without a word, and
// every later save would fail. Root may write any file whatever its mode, so
// when the test runs as root the open runs in a child under another account.
TEST_F(PersistenceTest, refusesAFileItCannotWrite)
{
    open().reset();
    const QString folder = dir.path() + u"/data/Tabrino"_qs;
    const uid_t nobody = 65534;
    if (::geteuid() == 0) {
        for (const QString& level : {dir.path(), dir.path() + u"/data"_qs})
            ASSERT_EQ(::chmod(QFile::encodeName(level).constData(), 0755), 0);
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), nobody, nobody), 0);
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    const QByteArray before = readAll(path);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(3);
        QString error;
        const bool opened = PersistentContainer::open(path, &error) != nullptr;
        std::fprintf(stderr, "%s\n", qPrintable(error));
        ::_exit(opened ? 1 : error.contains(u"cannot be written") ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: opened anyway, 2: another reason given, 3: no other account";
    EXPECT_EQ(readAll(path), before);
}
