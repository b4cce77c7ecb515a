// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A save that fails (here: the file may not grow, as on a full disk) is
// reported while its changes wait, tried again without another edit, and
// the report goes once they are written.
#include "StoreFixture.h"
#include "support/FileSizeLimit.h"

#include <QSignalSpy>
#include <QTest>

using namespace tabrino;
using namespace tabrino::test;
using namespace std::chrono_literals;

namespace {

class SaveFailureTest : public StoreFixture {
protected:
    QString storedPrice(const QString& name)
    {
        auto reader =
            SqliteDatabase::open(dir.path() + u"/Tabrino.sqlite"_qs, nullptr, SqliteDatabase::Access::ReadOnly);
        return reader->queryText(u"SELECT price FROM Subscription WHERE name = '"_qs + name + u"'"_qs);
    }
};

TEST_F(SaveFailureTest, aFullDiskIsReportedRetriedAndClearedOnceTheChangeIsWritten)
{
    launch();
    store->refresh();
    Subscription* netflix = add(u"Netflix"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    add(u"Spotify"_qs, "5", BillingCycle::monthly(), local(calendar, 2025, 3, 22));
    store->save();
    ASSERT_TRUE(store->saveFailure().isEmpty());
    store->setSaveRetryInterval(20ms);
    QSignalSpy reported(store.get(), &SubscriptionStore::saveFailureChanged);

    {
        FileSizeLimit full(0);
        ASSERT_TRUE(full.isActive());
        netflix->setPrice(Decimal(12));
        store->save();
        EXPECT_FALSE(store->saveFailure().isEmpty());
        EXPECT_EQ(reported.size(), 1);
        EXPECT_EQ(store->unsavedSubscriptionNames(), QStringList{u"Netflix"_qs});
        EXPECT_EQ(netflix->price(), Decimal(12));  // memory keeps the edit

        // Retries while the disk stays full change nothing and report once.
        QTest::qWait(100);
        EXPECT_EQ(reported.size(), 1);
        EXPECT_FALSE(store->saveFailure().isEmpty());
    }
    EXPECT_EQ(storedPrice(u"Netflix"_qs), u"10");

    // Space again: the next retry writes the change without another edit.
    EXPECT_TRUE(QTest::qWaitFor([&] { return store->saveFailure().isEmpty(); }, 2000));
    EXPECT_EQ(reported.size(), 2);
    EXPECT_TRUE(store->unsavedSubscriptionNames().isEmpty());
    EXPECT_EQ(storedPrice(u"Netflix"_qs), u"12");
}

}  // namespace
