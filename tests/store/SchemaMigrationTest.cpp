// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

#include <algorithm>

using namespace tabrino;
using test::dec;
using test::utc;

namespace {

// tests/store/fixtures/version1.sqlite was written by Tabrino 1.0's own
// store (schema version 1) with five subscriptions and three snapshots.
class SchemaMigrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TABRINO_STORE_FIXTURES "/version1.sqlite"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    QString query(const QString& sql) const
    {
        auto db = SqliteDatabase::open(path, nullptr, SqliteDatabase::Access::ReadOnly);
        return db ? db->queryText(sql) : u"(cannot open)"_qs;
    }
    void sideChannel(const QString& sql) const
    {
        auto db = SqliteDatabase::open(path, nullptr);
        ASSERT_TRUE(db && db->execute(sql)) << sql.toStdString();
    }
    QString snapshotColumns() const
    {
        return query(u"SELECT group_concat(name) FROM pragma_table_info('MonthlySnapshot')"_qs);
    }

    QTemporaryDir dir;
    QString path = dir.path() + u"/Tabrino.sqlite"_qs;
};

const Subscription* named(const QList<Subscription*>& subscriptions, const QString& name)
{
    const auto found = std::find_if(subscriptions.begin(), subscriptions.end(),
                                    [&](const Subscription* s) { return s->name() == name; });
    return found == subscriptions.end() ? nullptr : *found;
}

}  // namespace

TEST_F(SchemaMigrationTest, aVersion1FileIsMigratedWithEveryRecord)
{
    ASSERT_EQ(query(u"PRAGMA user_version"_qs), u"1");
    QString error;
    auto container = PersistentContainer::open(path, &error);
    ASSERT_TRUE(container) << error.toStdString();
    EXPECT_EQ(query(u"PRAGMA user_version"_qs), QString::number(PersistentContainer::kSchemaVersion));
    EXPECT_EQ(snapshotColumns(),
              u"monthStart,monthlyTotal,activeSubscriptionCount,capturedAt,convertedCurrencyCode,ratesDate"_qs);

    const auto subscriptions = container->mainContext().fetch<Subscription>();
    ASSERT_TRUE(subscriptions);
    ASSERT_EQ(subscriptions->size(), 5);
    const Subscription* netflix = named(*subscriptions, u"Netflix"_qs);
    ASSERT_TRUE(netflix);
    EXPECT_EQ(netflix->price(), dec("15.49"));
    EXPECT_EQ(netflix->currencyCode(), u"USD"_qs);
    EXPECT_EQ(netflix->billingCycle(), BillingCycle::monthly());
    EXPECT_EQ(netflix->nextBillingDate(), utc(2025, 12, 3, 8));
    EXPECT_EQ(netflix->category(), SubscriptionCategory::Streaming);
    EXPECT_EQ(netflix->serviceId(), u"netflix"_qs);
    EXPECT_EQ(netflix->notes(), u"Family plan"_qs);
    EXPECT_EQ(netflix->paymentMethod(), u"Visa 4242"_qs);
    EXPECT_EQ(netflix->brandColorHex(), u"#E50914"_qs);
    EXPECT_EQ(netflix->symbolName(), u"play.tv"_qs);
    EXPECT_EQ(netflix->cancellationUrlString(), u"https://www.netflix.com/cancelplan"_qs);
    EXPECT_EQ(netflix->startDate(), utc(2023, 1, 3, 8));
    EXPECT_EQ(netflix->notificationLeadDays(), 2);
    EXPECT_EQ(netflix->dateAdded(), utc(2025, 11, 20, 12));
    const Subscription* spotify = named(*subscriptions, u"Spotify"_qs);
    ASSERT_TRUE(spotify);
    EXPECT_TRUE(spotify->isShared());
    EXPECT_EQ(spotify->sharePercentage(), 0.5);
    EXPECT_EQ(spotify->currencyCode(), u"EUR"_qs);
    const Subscription* icloud = named(*subscriptions, u"iCloud+"_qs);
    ASSERT_TRUE(icloud);
    EXPECT_TRUE(icloud->isTrial());
    EXPECT_EQ(icloud->trialEndDate(), utc(2025, 11, 30, 8));
    const Subscription* nintendo = named(*subscriptions, u"Nintendo Switch Online"_qs);
    ASSERT_TRUE(nintendo);
    EXPECT_EQ(nintendo->price(), Decimal(2400));
    EXPECT_EQ(nintendo->billingCycle(), BillingCycle::yearly());
    EXPECT_FALSE(nintendo->notificationsEnabled());
    const Subscription* gym = named(*subscriptions, u"Old gym"_qs);
    ASSERT_TRUE(gym);
    EXPECT_EQ(gym->billingCycle(), BillingCycle::custom(14));
    EXPECT_FALSE(gym->isActive());
    EXPECT_EQ(gym->archivedDate(), utc(2025, 6, 1, 8));

    const auto snapshots = container->mainContext().fetch<MonthlySnapshot>();
    ASSERT_TRUE(snapshots);
    ASSERT_EQ(snapshots->size(), 3);
    EXPECT_EQ(snapshots->at(0)->monthStart(), utc(2025, 9, 1));
    EXPECT_EQ(snapshots->at(0)->monthlyTotal(), dec("31.2"));
    EXPECT_EQ(snapshots->at(1)->monthlyTotal(), dec("1235.3333333333333333333333333333333333"));
    EXPECT_EQ(snapshots->at(2)->activeSubscriptionCount(), 4);
    for (const MonthlySnapshot* snapshot : *snapshots)
        EXPECT_FALSE(snapshot->convertedCurrencyCode() || snapshot->ratesDate()) << "recorded without conversion";

    // The new columns keep what is written to them.
    snapshots->at(2)->setConvertedCurrencyCode(u"EUR"_qs);
    snapshots->at(2)->setRatesDate(QDate(2025, 11, 19));
    ASSERT_TRUE(container->mainContext().save());
    container.reset();
    container = PersistentContainer::open(path, &error);
    ASSERT_TRUE(container) << error.toStdString();
    const auto reread = container->mainContext().fetch<MonthlySnapshot>();
    ASSERT_TRUE(reread && reread->size() == 3);
    EXPECT_EQ(reread->at(2)->convertedCurrencyCode(), u"EUR"_qs);
    EXPECT_EQ(reread->at(2)->ratesDate(), QDate(2025, 11, 19));
}

// All or nothing: a migration that fails half way leaves the file a sound
// version-1 file, for this program to try again or an older one to read.
TEST_F(SchemaMigrationTest, aFailedMigrationLeavesTheFileAsItWas)
{
    // The second new column already exists, so adding it fails after the
    // first was added.
    sideChannel(u"ALTER TABLE MonthlySnapshot ADD COLUMN ratesDate TEXT"_qs);
    const QString columns = snapshotColumns();
    QString error;
    EXPECT_FALSE(PersistentContainer::open(path, &error));
    EXPECT_TRUE(error.contains(u"Cannot update"_qs)) << error.toStdString();
    EXPECT_EQ(query(u"PRAGMA user_version"_qs), u"1");
    EXPECT_EQ(snapshotColumns(), columns);
    EXPECT_EQ(query(u"SELECT count(*) FROM Subscription"_qs), u"5");
}

TEST_F(SchemaMigrationTest, aFileOfALaterVersionIsRefusedUntouched)
{
    sideChannel(u"PRAGMA user_version = "_qs + QString::number(PersistentContainer::kSchemaVersion + 1));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QString error;
    EXPECT_FALSE(PersistentContainer::open(path, &error));
    EXPECT_TRUE(error.contains(u"newer version"_qs)) << error.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}
