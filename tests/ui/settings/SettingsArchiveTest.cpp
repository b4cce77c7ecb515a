// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreFixture.h"
#include "ui/settings/ArchivedListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

class SettingsArchiveTest : public test::StoreFixture {
protected:
    SettingsArchiveTest() { launch(); }

    Subscription* archived(const char* name, const QDateTime& next, int archivedDaysAgo)
    {
        Subscription* s = add(QString::fromLatin1(name), "10", BillingCycle::monthly(), next);
        s->setStartDate(test::utc(2024, 3, 10));
        s->setIsActive(false);
        s->setArchivedDate(Clock::now().addDays(-archivedDaysAgo));
        store->save();
        return s;
    }

    QStringList rows(const ArchivedListModel& model) const
    {
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.index(row).data().toString();
        return names;
    }
};

}  // namespace

TEST_F(SettingsArchiveTest, rowsFollowTheArchivedListByRemovesAndInsertsNeverAReset)
{
    archived("Old", test::utc(2025, 4, 1), 30);
    Subscription* middle = archived("Middle", test::utc(2025, 4, 2), 20);
    archived("Recent", test::utc(2025, 4, 3), 10);

    ArchivedListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setStore(store.get());
    EXPECT_EQ(rows(model), (QStringList{u"Recent"_qs, u"Middle"_qs, u"Old"_qs}));
    EXPECT_EQ(model.index(1).data(ArchivedListModel::SubscriptionRole).value<Subscription*>(), middle);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy count(&model, &ArchivedListModel::countChanged);
    store->unarchive(middle);
    EXPECT_EQ(rows(model), (QStringList{u"Recent"_qs, u"Old"_qs}));
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.first().at(1).toInt(), 1);

    // Archived again, it comes back at the top (most recent first).
    store->archive(middle);
    EXPECT_EQ(rows(model), (QStringList{u"Middle"_qs, u"Recent"_qs, u"Old"_qs}));
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.first().at(1).toInt(), 0);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(count.count(), 2);
}

TEST_F(SettingsArchiveTest, restoringBringsARecordBackWithItsPassedDateRolledForward)
{
    // Archived in January with a charge due in February; now is 10 March.
    Subscription* s = archived("Gym", test::local(calendar, 2025, 2, 5, 9), 60);
    store->unarchive(s);
    EXPECT_TRUE(store->active().contains(s));
    EXPECT_TRUE(store->archived().isEmpty());
    EXPECT_EQ(s->nextBillingDate(), test::local(calendar, 2025, 4, 5, 9));
    EXPECT_FALSE(s->archivedDate().has_value());
}

TEST_F(SettingsArchiveTest, deletingForGoodDropsTheRecordFromFiguresAndFromTheFile)
{
    Subscription* keep = archived("Keep", test::utc(2025, 4, 1), 5);
    Subscription* gone = archived("Gone", test::utc(2025, 4, 1), 3);
    QCoreApplication::processEvents();
    ASSERT_EQ(store->lifetimeSpend().size(), 2);

    store->deletePermanently(gone);
    QCoreApplication::processEvents();
    EXPECT_EQ(store->archived(), QList<Subscription*>{keep});
    ASSERT_EQ(store->lifetimeSpend().size(), 1);
    EXPECT_EQ(store->lifetimeSpend().first().subscription, keep);
    EXPECT_EQ(reminders.reconciled.size(), 3) << "the save plans reminders again";

    // Saved at once: a new run over the same file no longer has it.
    launch();
    store->refresh();
    ASSERT_EQ(store->archived().size(), 1);
    EXPECT_EQ(store->archived().first()->name(), u"Keep");
    store->deletePermanently(nullptr);  // nothing to delete is no harm
}
