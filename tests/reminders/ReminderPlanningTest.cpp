// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReminderFixture.h"

#include <QTest>

using namespace tabrino;
using test::local;

namespace {

class ReminderPlanningTest : public test::ReminderFixture {
protected:
    // A pending request that this run did not plan.
    void leftOver(const QString& identifier) { center.pending.insert(identifier, {identifier, {}, {}}); }

    QDateTime fireDate(const QString& identifier) const
    {
        return center.pending.value(identifier).trigger.fireDate().value_or(QDateTime());
    }
};

}  // namespace

TEST_F(ReminderPlanningTest, renewalFiresAtNineOnTheLeadDay)
{
    Subscription* s = make(BillingCycle::monthly(), local(berlin, 2025, 3, 20, 10));
    s->setCancellationUrlString(u"https://example.com/cancel"_qs);
    const QString id = u"renewal."_qs + idText(*s) + u".renew"_qs;

    at(local(berlin, 2025, 3, 10, 12));
    ASSERT_EQ(reconcile({s}), QStringList{id});
    const NotificationRequest request = center.pending.value(id);
    EXPECT_EQ(request.trigger.fireDate(), local(berlin, 2025, 3, 17, 9));
    const DateComponents c = request.trigger.dateComponents();
    EXPECT_EQ(QList<int>({c.year, c.month, c.day, c.hour, c.minute}), QList<int>({2025, 3, 17, 9, 0}));
    EXPECT_EQ(request.trigger.calendar().timeZoneId(), u"Europe/Berlin");
    EXPECT_EQ(request.content.categoryIdentifier, u"RENEWAL_REMINDER");
    EXPECT_TRUE(request.content.playsSound);
    EXPECT_EQ(
        request.content.userInfo,
        QVariantMap({{u"subscriptionID"_qs, idText(*s)}, {u"cancellationURL"_qs, u"https://example.com/cancel"_qs}}));

    // 09:00 that day already passed, or is still a minute away.
    at(local(berlin, 2025, 3, 17, 10));
    EXPECT_TRUE(reconcile({s}).isEmpty());
    at(local(berlin, 2025, 3, 17, 8, 59));
    EXPECT_EQ(reconcile({s}), QStringList{id});
    // Exactly 09:00 counts as past.
    at(local(berlin, 2025, 3, 17, 9));
    EXPECT_TRUE(reconcile({s}).isEmpty());
}

TEST_F(ReminderPlanningTest, leadDaysChooseTheDayAndZeroMeansNone)
{
    at(local(berlin, 2025, 1, 1, 12));
    Subscription* yearly = make(BillingCycle::yearly(), local(berlin, 2025, 6, 30, 8));
    Subscription* weekly = make(BillingCycle::weekly(), local(berlin, 2025, 1, 9, 8));
    Subscription* custom = make(BillingCycle::custom(60), local(berlin, 2025, 3, 1, 8));
    Subscription* own = make(BillingCycle::monthly(), local(berlin, 2025, 2, 20, 8));
    own->setNotificationLeadDays(5);
    Subscription* off = make(BillingCycle::monthly(), local(berlin, 2025, 2, 20, 8));
    off->setNotificationLeadDays(0);

    EXPECT_EQ(reconcile({yearly, weekly, custom, own, off}).size(), 4);
    auto fire = [&](Subscription* s) { return fireDate(u"renewal."_qs + idText(*s) + u".renew"_qs); };
    EXPECT_EQ(fire(yearly), local(berlin, 2025, 6, 16, 9));
    EXPECT_EQ(fire(weekly), local(berlin, 2025, 1, 8, 9));
    EXPECT_EQ(fire(custom), local(berlin, 2025, 2, 22, 9));
    EXPECT_EQ(fire(own), local(berlin, 2025, 2, 15, 9));
    EXPECT_FALSE(fire(off).isValid());
}

TEST_F(ReminderPlanningTest, trialsGetThreeAndOneDayRemindersOnly)
{
    Subscription* trial = make(BillingCycle::monthly(), local(berlin, 2025, 3, 25, 10));
    trial->setIsTrial(true);
    trial->setTrialEndDate(local(berlin, 2025, 3, 20, 18));
    trial->setNotificationLeadDays(10);  // plays no part for trials
    const QString prefix = u"renewal."_qs + idText(*trial);

    at(local(berlin, 2025, 3, 10, 12));
    EXPECT_EQ(reconcile({trial}), QStringList({prefix + u".trial1"_qs, prefix + u".trial3"_qs}));
    EXPECT_EQ(fireDate(prefix + u".trial3"_qs), local(berlin, 2025, 3, 17, 9));
    EXPECT_EQ(fireDate(prefix + u".trial1"_qs), local(berlin, 2025, 3, 19, 9));
    EXPECT_EQ(center.pending.value(prefix + u".trial1"_qs).content.categoryIdentifier, u"TRIAL_REMINDER");

    at(local(berlin, 2025, 3, 18, 12));
    EXPECT_EQ(reconcile({trial}), QStringList{prefix + u".trial1"_qs});
    // After 09:00 the day before the end nothing is left, and no renewal
    // reminder stands in.
    at(local(berlin, 2025, 3, 19, 9, 30));
    EXPECT_TRUE(reconcile({trial}).isEmpty());

    // A trial without an end date is reminded like any renewal.
    trial->setTrialEndDate(std::nullopt);
    at(local(berlin, 2025, 3, 10, 12));
    EXPECT_EQ(reconcile({trial}), QStringList{prefix + u".renew"_qs});
    EXPECT_EQ(fireDate(prefix + u".renew"_qs), local(berlin, 2025, 3, 15, 9));
}

TEST_F(ReminderPlanningTest, aSnoozedTrialReminderComesBackTheNextMorningWhileTheTrialRuns)
{
    Subscription* trial = make(BillingCycle::monthly(), local(berlin, 2025, 4, 20, 10), "9.99");
    trial->setIsTrial(true);
    trial->setTrialEndDate(local(berlin, 2025, 3, 20, 18));
    const QString prefix = u"renewal."_qs + idText(*trial);
    const QString snoozed = prefix + u".trialSnoozed"_qs;
    // The store saves on a snooze, and a save reconciles.
    QList<QUuid> handled;
    service.setSnoozeHandler([&](const QUuid& id) { handled << id; });
    auto snooze = [&](const QString& suffix) {
        center.delegate->actionInvoked(
            {u"SNOOZE_ONE_DAY"_qs, prefix + u'.' + suffix, {{u"subscriptionID"_qs, idText(*trial)}}});
        QTest::qWait(5);
        return reconcile({trial});
    };

    at(local(berlin, 2025, 3, 17, 9, 5));
    EXPECT_EQ(snooze(u"trial3"_qs), QStringList({prefix + u".trial1"_qs, snoozed}));
    EXPECT_EQ(handled, QList<QUuid>{trial->id()});
    EXPECT_EQ(fireDate(snoozed), local(berlin, 2025, 3, 18, 9));
    EXPECT_EQ(center.pending.value(snoozed).content.title, u"Netflix trial ends in 2 days");
    EXPECT_EQ(center.pending.value(snoozed).content.categoryIdentifier, u"TRIAL_REMINDER");

    // The snooze outlives a restart of the service.
    {
        NotificationService restarted{center, settings};
        QSignalSpy finished(&restarted, &NotificationService::reconcileFinished);
        restarted.reconcile({trial}, berlin);
        ASSERT_TRUE(finished.wait(2000));
        EXPECT_TRUE(center.pending.contains(snoozed));
    }
    center.setDelegate(&service);

    // Snoozed again it would meet the last trial reminder: that one stays alone.
    at(local(berlin, 2025, 3, 18, 9, 5));
    EXPECT_EQ(snooze(u"trialSnoozed"_qs), QStringList{prefix + u".trial1"_qs});

    // The last reminder comes back on the morning the trial ends at 18:00.
    at(local(berlin, 2025, 3, 19, 9, 5));
    EXPECT_EQ(snooze(u"trial1"_qs), QStringList{snoozed});
    EXPECT_EQ(fireDate(snoozed), local(berlin, 2025, 3, 20, 9));
    EXPECT_EQ(center.pending.value(snoozed).content.title, u"Netflix trial ends today");
    EXPECT_EQ(center.pending.value(snoozed).content.body, u"It becomes $9.99/mo today unless you cancel.");

    // Ending the trial drops the snooze for good.
    trial->setIsTrial(false);
    EXPECT_EQ(reconcile({trial}), QStringList{prefix + u".renew"_qs});
    trial->setIsTrial(true);
    EXPECT_TRUE(reconcile({trial}).isEmpty());

    // A trial that ends before 09:00 is not reminded that morning.
    trial->setTrialEndDate(local(berlin, 2025, 3, 20, 8));
    EXPECT_TRUE(snooze(u"trial1"_qs).isEmpty());

    // Snoozing a renewal reminder only reaches the store.
    Subscription* renewal = make(BillingCycle::monthly(), local(berlin, 2025, 3, 25, 10));
    center.delegate->actionInvoked({u"SNOOZE_ONE_DAY"_qs,
                                    u"renewal."_qs + idText(*renewal) + u".renew"_qs,
                                    {{u"subscriptionID"_qs, idText(*renewal)}}});
    QTest::qWait(5);
    EXPECT_EQ(handled.size(), 5);
    EXPECT_EQ(reconcile({renewal}), QStringList{u"renewal."_qs + idText(*renewal) + u".renew"_qs});
}

TEST_F(ReminderPlanningTest, onlyActiveSubscriptionsWithRemindersOnAreKeptAndStaleOnesGo)
{
    at(local(berlin, 2025, 3, 1, 12));
    Subscription* kept = make(BillingCycle::monthly(), local(berlin, 2025, 3, 20));
    Subscription* archived = make(BillingCycle::monthly(), local(berlin, 2025, 3, 20));
    Subscription* silenced = make(BillingCycle::monthly(), local(berlin, 2025, 3, 20));
    ASSERT_EQ(reconcile({kept, archived, silenced}).size(), 3);

    archived->setIsActive(false);
    archived->setArchivedDate(Clock::now());
    silenced->setNotificationsEnabled(false);
    // Left from an older run for a subscription deleted since, and one that
    // is not ours.
    leftOver(u"renewal.00000000-0000-0000-0000-000000000001.renew"_qs);
    leftOver(u"other.reminder"_qs);

    EXPECT_EQ(reconcile({kept, archived, silenced}),
              QStringList({u"other.reminder"_qs, u"renewal."_qs + idText(*kept) + u".renew"_qs}));

    // A request the centre refuses is dropped; the others still go in.
    silenced->setNotificationsEnabled(true);
    center.refused << u"renewal."_qs + idText(*kept) + u".renew"_qs;
    EXPECT_EQ(reconcile({kept, silenced}),
              QStringList({u"other.reminder"_qs, u"renewal."_qs + idText(*silenced) + u".renew"_qs}));
}

TEST_F(ReminderPlanningTest, withoutANotificationServerNothingStaysPending)
{
    at(local(berlin, 2025, 3, 1, 12));
    Subscription* s = make(BillingCycle::monthly(), local(berlin, 2025, 3, 20));
    center.serverCapabilities.reset();
    leftOver(u"other.reminder"_qs);
    leftOver(u"renewal.x.renew"_qs);
    EXPECT_TRUE(reconcile({s}).isEmpty());
    EXPECT_EQ(service.serverPresence(), ServerPresence::Absent);

    // A server with no capabilities at all still shows what it is sent.
    center.serverCapabilities = QStringList();
    EXPECT_EQ(reconcile({s}).size(), 1);
    EXPECT_EQ(service.serverPresence(), ServerPresence::Present);
}

TEST_F(ReminderPlanningTest, staysAtNineLocalAcrossDaylightSavingChanges)
{
    at(local(berlin, 2025, 3, 20, 12));
    // Reminders on the days the clocks change (30 March, 26 October 2025).
    Subscription* spring = make(BillingCycle::monthly(), local(berlin, 2025, 4, 2, 0, 30));
    Subscription* autumn = make(BillingCycle::monthly(), local(berlin, 2025, 10, 29, 23, 30));
    ASSERT_EQ(reconcile({spring, autumn}).size(), 2);
    EXPECT_EQ(fireDate(u"renewal."_qs + idText(*spring) + u".renew"_qs), test::utc(2025, 3, 30, 7));
    EXPECT_EQ(fireDate(u"renewal."_qs + idText(*autumn) + u".renew"_qs), test::utc(2025, 10, 26, 8));
}

TEST_F(ReminderPlanningTest, overlappingReconcilesEndWithTheLatestData)
{
    at(local(berlin, 2025, 3, 1, 12));
    Subscription* a = make(BillingCycle::monthly(), local(berlin, 2025, 3, 20));
    Subscription* b = make(BillingCycle::monthly(), local(berlin, 2025, 3, 21));
    const QString idA = u"renewal."_qs + idText(*a) + u".renew"_qs;
    const QString idB = u"renewal."_qs + idText(*b) + u".renew"_qs;

    QSignalSpy finished(&service, &NotificationService::reconcileFinished);
    // Three changes in quick succession: a then b deleted, then b's reminder
    // moved by a new lead time. Each run starts before the last one ended.
    service.reconcile({a, b}, berlin);
    service.reconcile({b}, berlin);
    b->setNotificationLeadDays(1);
    service.reconcile({b}, berlin);
    ASSERT_TRUE(finished.wait(2000));
    QTest::qWait(50);  // nothing still on its way
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(center.pending.keys(), QStringList{idB});
    EXPECT_EQ(fireDate(idB), local(berlin, 2025, 3, 20, 9));
    EXPECT_FALSE(center.pending.contains(idA));

    // Records are read when reconcile is called, not when its steps run.
    b->setNotificationLeadDays(2);
    service.reconcile({b}, berlin);
    b->setNotificationLeadDays(5);
    ASSERT_TRUE(finished.wait(2000));
    EXPECT_EQ(fireDate(idB), local(berlin, 2025, 3, 19, 9));
}

TEST_F(ReminderPlanningTest, theServerIsLookedForOnceAndPresenceNotifiesOnChange)
{
    QSignalSpy changed(&service, &NotificationService::serverPresenceChanged);
    EXPECT_EQ(service.serverPresence(), ServerPresence::Unknown);
    service.refreshServerPresence();
    ASSERT_TRUE(changed.wait(1000));
    service.refreshServerPresence();
    QTest::qWait(20);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(service.serverPresence(), ServerPresence::Present);

    // The server went away.
    center.serverCapabilities.reset();
    bool refreshed = false;
    service.refreshServerPresence([&] { refreshed = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return refreshed; }, 1000));
    EXPECT_EQ(service.serverPresence(), ServerPresence::Absent);
    EXPECT_EQ(changed.count(), 2);

    // Only the first added subscription looks, even when none was found.
    const int before = center.capabilityQueries;
    EXPECT_FALSE(settings.notificationsRequested());
    service.requestNotificationsIfFirst();
    service.requestNotificationsIfFirst();
    QTest::qWait(20);
    EXPECT_TRUE(settings.notificationsRequested());
    EXPECT_EQ(center.capabilityQueries, before + 1);
    AppSettings reread(defaults);
    EXPECT_TRUE(reread.notificationsRequested());
}
