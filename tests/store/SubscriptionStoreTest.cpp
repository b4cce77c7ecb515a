// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreFixture.h"

#include <QSignalSpy>

using namespace tabrino;
using namespace tabrino::test;

using SubscriptionStoreTest = StoreFixture;

TEST_F(SubscriptionStoreTest, firstLaunchRecordsAnEmptySnapshot)
{
    launch();
    store->refresh();
    store->performLaunchMaintenance();
    EXPECT_TRUE(store->active().isEmpty() && store->archived().isEmpty());
    store->refresh();
    ASSERT_EQ(store->snapshots().size(), 1);
    EXPECT_EQ(store->snapshots()[0]->monthStart(), local(calendar, 2025, 3, 1));
    EXPECT_EQ(store->snapshots()[0]->monthlyTotal(), Decimal(0));
    EXPECT_EQ(store->snapshots()[0]->activeSubscriptionCount(), 0);
    drainQueuedCalls();
    EXPECT_EQ(reminders.reconciled.size(), 1);  // scheduled, not run inline
}

TEST_F(SubscriptionStoreTest, lifeCycleSurvivesRestarts)
{
    launch();
    store->refresh();
    QSignalSpy activeSpy(store.get(), &SubscriptionStore::activeChanged);
    Subscription* later = add(u"Later"_qs, "5", BillingCycle::monthly(), local(calendar, 2025, 3, 20, 9));
    Subscription* sooner = add(u"Sooner"_qs, "7", BillingCycle::monthly(), local(calendar, 2025, 3, 12, 9));
    store->save();
    EXPECT_EQ(store->active(), (QList<Subscription*>{sooner, later}));
    EXPECT_EQ(activeSpy.count(), 1);
    // The snapshot measured the list as it stood before the insert.
    EXPECT_EQ(store->snapshots()[0]->activeSubscriptionCount(), 0);
    drainQueuedCalls();
    ASSERT_FALSE(reminders.reconciled.isEmpty());
    EXPECT_EQ(reminders.reconciled.last(), store->active());

    store->refresh();  // same records, same order: no notification
    EXPECT_EQ(activeSpy.count(), 1);

    sooner->setPrice(Decimal(8));
    store->save();
    EXPECT_EQ(store->snapshots()[0]->monthlyTotal(), Decimal(13));
    store->archive(later);
    EXPECT_EQ(store->active(), (QList<Subscription*>{sooner}));
    EXPECT_EQ(store->archived(), (QList<Subscription*>{later}));
    EXPECT_EQ(later->archivedDate(), local(calendar, 2025, 3, 10, 12));

    setNow(local(calendar, 2025, 3, 11, 12));
    store->archive(sooner);
    EXPECT_EQ(store->archived(), (QList<Subscription*>{sooner, later}));  // most recent first

    // Restored a month later: its passed billing date rolls to today or later.
    setNow(local(calendar, 2025, 4, 25, 8));
    store->unarchive(later);
    EXPECT_EQ(later->nextBillingDate(), local(calendar, 2025, 5, 20, 9));
    EXPECT_FALSE(later->archivedDate());

    store->context().remove(sooner);
    store->save();
    const QUuid laterId = later->id();

    launch();
    store->refresh();
    ASSERT_EQ(store->active().size(), 1);
    EXPECT_EQ(store->active()[0]->id(), laterId);
    EXPECT_EQ(store->active()[0]->nextBillingDate(), local(calendar, 2025, 5, 20, 9));
    EXPECT_TRUE(store->archived().isEmpty());
    ASSERT_EQ(store->snapshots().size(), 2);  // March froze at its last capture; April has its own
    EXPECT_EQ(store->snapshots()[0]->monthlyTotal(), Decimal(8));
    EXPECT_EQ(store->snapshots()[1]->monthlyTotal(), Decimal(5));
}

TEST_F(SubscriptionStoreTest, launchMaintenanceEndsTrialsAndRollsDates)
{
    launch();
    store->refresh();
    setNow(local(calendar, 2025, 1, 15, 12));
    Subscription* trial = add(u"Trial"_qs, "9.99", BillingCycle::monthly(), local(calendar, 2025, 2, 20, 9));
    trial->setIsTrial(true);
    trial->setTrialEndDate(local(calendar, 2025, 3, 1, 9));
    Subscription* pendingTrial = add(u"Pending"_qs, "1", BillingCycle::weekly(), local(calendar, 2025, 2, 1, 9));
    pendingTrial->setIsTrial(true);
    pendingTrial->setTrialEndDate(local(calendar, 2025, 3, 30, 9));
    add(u"Fresh"_qs, "2", BillingCycle::monthly(), local(calendar, 2025, 3, 15, 9));
    store->save();

    launch();
    setNow(local(calendar, 2025, 3, 10, 12));
    store->refresh();
    store->performLaunchMaintenance();
    auto byName = [&](const QString& name) {
        for (Subscription* s : store->active())
            if (s->name() == name)
                return s;
        return static_cast<Subscription*>(nullptr);
    };
    trial = byName(u"Trial"_qs);
    EXPECT_FALSE(trial->isTrial());
    EXPECT_EQ(trial->trialEndDate(), local(calendar, 2025, 3, 1, 9));
    EXPECT_EQ(trial->nextBillingDate(), local(calendar, 2025, 4, 1, 9));
    pendingTrial = byName(u"Pending"_qs);
    EXPECT_TRUE(pendingTrial->isTrial());  // untouched trial, but its overdue date rolled
    EXPECT_EQ(pendingTrial->nextBillingDate(), local(calendar, 2025, 3, 15, 9));
    EXPECT_EQ(byName(u"Fresh"_qs)->nextBillingDate(), local(calendar, 2025, 3, 15, 9));

    launch();
    store->refresh();
    EXPECT_EQ(store->active()[0]->nextBillingDate(), local(calendar, 2025, 3, 15, 9));  // persisted
}

TEST_F(SubscriptionStoreTest, snapshotsWriteOnlyOnChangeAndFreezeWithTheMonth)
{
    launch();
    store->refresh();
    Subscription* s = add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    store->save();
    store->save();
    ASSERT_EQ(store->snapshots().size(), 1);
    MonthlySnapshot* march = store->snapshots()[0];
    EXPECT_EQ(march->activeSubscriptionCount(), 1);
    const QDateTime captured = march->capturedAt();

    setNow(local(calendar, 2025, 3, 11));
    store->save();  // same total and count
    EXPECT_EQ(march->capturedAt(), captured);
    s->setPrice(Decimal(12));
    store->save();
    EXPECT_EQ(march->monthlyTotal(), Decimal(12));
    EXPECT_EQ(march->capturedAt(), local(calendar, 2025, 3, 11));

    setNow(local(calendar, 2025, 4, 2));
    s->setPrice(Decimal(20));
    store->save();
    ASSERT_EQ(store->snapshots().size(), 2);
    EXPECT_EQ(march->monthlyTotal(), Decimal(12));
    EXPECT_EQ(store->snapshots()[1]->monthlyTotal(), Decimal(20));
}

TEST_F(SubscriptionStoreTest, launchMaintenanceWithoutChangesStillCapturesOnce)
{
    launch();
    store->refresh();
    store->performLaunchMaintenance();
    store->performLaunchMaintenance();  // the first snapshot is not yet in the list
    store->refresh();
    EXPECT_EQ(store->snapshots().size(), 1);
    EXPECT_EQ(container->database().queryText(u"SELECT count(*) FROM MonthlySnapshot"_qs), u"1");
}

TEST_F(SubscriptionStoreTest, snoozeLowersLeadDaysDownToZero)
{
    launch();
    store->refresh();
    Subscription* s = add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    store->save();
    ASSERT_TRUE(reminders.snooze);
    const int reconcilesBefore = [&] {
        drainQueuedCalls();
        return int(reminders.reconciled.size());
    }();
    reminders.snooze(s->id());
    EXPECT_EQ(s->notificationLeadDays(), 2);
    reminders.snooze(s->id());
    reminders.snooze(s->id());
    reminders.snooze(s->id());
    EXPECT_EQ(s->notificationLeadDays(), 0);
    drainQueuedCalls();
    EXPECT_EQ(reminders.reconciled.size(), reconcilesBefore + 4);  // every snooze re-plans

    store->archive(s);
    drainQueuedCalls();
    const qsizetype count = reminders.reconciled.size();
    reminders.snooze(s->id());  // not active: nothing, no save
    reminders.snooze(QUuid::createUuid());
    drainQueuedCalls();
    EXPECT_EQ(reminders.reconciled.size(), count);

    store.reset();
    reminders.snooze(s->id());  // the store is gone: nothing happens
}

TEST_F(SubscriptionStoreTest, aFailedSaveKeepsTheChangeForTheNextSave)
{
    launch();
    store->refresh();
    Subscription* s = add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    store->save();
    auto blocker = SqliteDatabase::open(dir.path() + u"/Tabrino.sqlite"_qs, nullptr);
    ASSERT_TRUE(blocker->execute(
        u"CREATE TRIGGER refuse BEFORE UPDATE ON Subscription BEGIN SELECT RAISE(ABORT, 'no'); END"_qs));
    s->setPrice(Decimal(11));
    store->save();
    EXPECT_EQ(s->price(), Decimal(11));
    ASSERT_TRUE(blocker->execute(u"DROP TRIGGER refuse"_qs));
    store->save();
    launch();
    store->refresh();
    EXPECT_EQ(store->active()[0]->price(), Decimal(11));
}

TEST_F(SubscriptionStoreTest, listsThatCannotBeReadRecordNothingAndPlanNothing)
{
    launch();
    store->refresh();
    add(u"A"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    add(u"B"_qs, "5", BillingCycle::monthly(), local(calendar, 2025, 3, 22));
    store->save();
    store->save();
    drainQueuedCalls();
    const qsizetype planned = reminders.reconciled.size();
    auto other = SqliteDatabase::open(dir.path() + u"/Tabrino.sqlite"_qs, nullptr);
    ASSERT_TRUE(other->execute(u"ALTER TABLE Subscription RENAME TO Elsewhere"_qs));

    store->refresh();
    store->performLaunchMaintenance();
    drainQueuedCalls();
    EXPECT_TRUE(store->active().isEmpty());
    EXPECT_EQ(reminders.reconciled.size(), planned);
    EXPECT_EQ(other->queryText(u"SELECT monthlyTotal FROM MonthlySnapshot"_qs), u"15");
}
