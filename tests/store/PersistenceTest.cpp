#include "support/TestMoney.h"
#include "foundation/Clock.h"
#include "model/MonthlySnapshot.h"
#include "model/Subscription.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/SqliteDatabase.h"
#include "support/TestDates.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

    // Another program's SQLite file at our path.
    void sqliteForeign()
    {
        QFile(path).open(QIODevice::WriteOnly);
        sideChannel(u"CREATE TABLE notes (body TEXT)"_qs);
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
    EXPECT_EQ(container->database().queryText(u"PRAGMA user_version"_qs), u"1");
    EXPECT_EQ(container->database().queryText(u"PRAGMA journal_mode"_qs), u"wal");
    EXPECT_TRUE(container->mainContext().fetch<Subscription>()->isEmpty());
}

TEST_F(PersistenceTest, everyAttributeSurvivesReopening)
{
    Clock::setSource([] { return test::utc(2025, 1, 2, 3, 4).addMSecs(567); });
    auto full = new Subscription(u"Näme, \"quoted\"\nline"_qs, dec("12345678901234567890.123456789012345678"), u"EUR"_qs,
                                 BillingCycle::custom(45), test::utc(2025, 2, 3, 4, 5).addMSecs(1),
                                 SubscriptionCategory::Finance, u"some-service"_qs);
    full->setIsTrial(true);
    full->setTrialEndDate(test::utc(2025, 3, 1));
    full->setIsShared(true);
    full->setSharePercentage(0.1 + 0.2);  // not exactly 0.3: must come back bit for bit
    full->setNotes(u""_qs);                 // empty, not absent
    full->setPaymentMethod(u"Amex •••• 1005"_qs);
    full->setBrandColorHex(u"E50914"_qs);
    full->setSymbolName(u"play.tv"_qs);
    full->setCancellationURLString(u"https://example.com/cancel"_qs);
    full->setStartDate(test::utc(2024, 12, 31, 23, 59));
    full->setIsActive(false);
    full->setArchivedDate(test::utc(2025, 4, 1));
    full->setNotificationsEnabled(false);
    full->setNotificationLeadDays(0);
    auto bare = new Subscription(u"Bare"_qs, Decimal(0), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 1, 1),
                                 SubscriptionCategory::Other);
    auto snapshot = new MonthlySnapshot(test::utc(2025, 1, 1), dec("9.999999999999999999999999999999999999"), 3);
    Clock::setSource({});
    const QUuid fullID = full->id();
    {
        auto container = open();
        container->mainContext().insert(full);
        container->mainContext().insert(bare);
        container->mainContext().insert(snapshot);
        ASSERT_TRUE(container->mainContext().save());
        EXPECT_FALSE(container->mainContext().hasChanges());
    }
    auto container = open();
    auto all = container->mainContext().fetch<Subscription>({{}, [](const Subscription& a, const Subscription& b) {
                                                                 return a.name() < b.name();
                                                             }});
    ASSERT_TRUE(all && all->size() == 2);
    const Subscription& f = *all->at(1);
    const Subscription& b = *all->at(0);
    EXPECT_EQ(f.id(), fullID);
    EXPECT_EQ(f.name(), u"Näme, \"quoted\"\nline");
    EXPECT_EQ(f.serviceID(), u"some-service"_qs);
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
    EXPECT_EQ(f.cancellationURLString(), u"https://example.com/cancel"_qs);
    EXPECT_EQ(f.dateAdded(), test::utc(2025, 1, 2, 3, 4).addMSecs(567));
    EXPECT_EQ(f.startDate(), test::utc(2024, 12, 31, 23, 59));
    EXPECT_FALSE(f.isActive());
    EXPECT_EQ(f.archivedDate(), test::utc(2025, 4, 1));
    EXPECT_FALSE(f.notificationsEnabled());
    EXPECT_EQ(f.notificationLeadDays(), 0);
    EXPECT_FALSE(b.serviceID() || b.trialEndDate() || b.sharePercentage() || b.notes() || b.paymentMethod()
                 || b.brandColorHex() || b.symbolName() || b.cancellationURLString() || b.startDate()
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

    sideChannel(u"CREATE TRIGGER refuse BEFORE INSERT ON Subscription BEGIN SELECT RAISE(ABORT, 'disk says no'); END"_qs);
    kept->setPrice(Decimal(4));
    context.insert(new Subscription(u"New"_qs, Decimal(1), u"USD"_qs, BillingCycle::monthly(), test::utc(2025, 1, 1),
                                    SubscriptionCategory::Other));
    EXPECT_FALSE(context.save());
    EXPECT_TRUE(context.hasChanges());
    EXPECT_EQ(kept->price(), Decimal(4));  // memory keeps the edit
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

TEST_F(PersistenceTest, refusesFilesItCannotUseAndLeavesThemUntouched)
{
    const auto expectRefused = [&](const QString& what) {
        const QByteArray before = readAll(path);
        QString error;
        EXPECT_FALSE(PersistentContainer::open(path, &error)) << what.toStdString();
        EXPECT_FALSE(error.isEmpty()) << what.toStdString();
        EXPECT_EQ(readAll(path), before) << what.toStdString();
        return error;
    };
    QDir().mkpath(dir.path() + u"/data/Tabrino"_qs);

    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("SQLite format 3\0 but then nonsense", 34).repeated(200));
    garbage.close();
    EXPECT_TRUE(expectRefused(u"garbage"_qs).contains(u"cannot be read"));

    QFile::remove(path);
    sqliteForeign();
    EXPECT_TRUE(expectRefused(u"foreign"_qs).contains(u"not a Tabrino data file"));

    QFile::remove(path);
    open().reset();
    sideChannel(u"PRAGMA user_version = 99"_qs);
    EXPECT_TRUE(expectRefused(u"newer"_qs).contains(u"newer version"));

    QFile::remove(path);
    QDir().mkpath(path);  // a folder where the file should be
    QString error;
    EXPECT_FALSE(PersistentContainer::open(path, &error));
    EXPECT_TRUE(QFileInfo(path).isDir());
}
