// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReminderFixture.h"

#include "reminders/NotificationCenterDelegate.h"
#include "support/SpokenLanguage.h"

#include <QTest>

using namespace tabrino;
using test::local;

namespace {

class ReminderContentTest : public test::ReminderFixture {
protected:
    // Planned on Monday 10 March 2025 at 08:00.
    void SetUp() override { at(local(berlin, 2025, 3, 10, 8)); }

    // The content of the reminder of kind `suffix` planned for `s`.
    NotificationContent contentFor(Subscription* s, const QString& suffix = u"renew"_qs)
    {
        center.pending.clear();
        reconcile({s});
        const QString id = u"renewal."_qs + idText(*s) + u'.' + suffix;
        EXPECT_TRUE(center.pending.contains(id)) << suffix.toStdString();
        return center.pending.value(id).content;
    }

    // A trial ending on Thursday 13 March.
    Subscription* trial(const BillingCycle& cycle, const char* price)
    {
        Subscription* s = make(cycle, local(berlin, 2025, 4, 1), price);
        s->setIsTrial(true);
        s->setTrialEndDate(local(berlin, 2025, 3, 13, 12));
        return s;
    }
};

}  // namespace

TEST_F(ReminderContentTest, renewalWordingFollowsTheCycle)
{
    // Renews tomorrow; reminded today at 09:00.
    Subscription* monthly = make(BillingCycle::monthly(), local(berlin, 2025, 3, 11, 12), "15.49");
    monthly->setNotificationLeadDays(1);
    NotificationContent content = contentFor(monthly);
    EXPECT_EQ(content.title, u"Netflix renews tomorrow");
    EXPECT_EQ(content.body, u"$15.49. Still using it?");

    Subscription* yearly = make(BillingCycle::yearly(), local(berlin, 2025, 3, 14, 12), "99", u"EUR"_qs);
    yearly->setNotificationLeadDays(1);
    content = contentFor(yearly);
    EXPECT_EQ(content.title, u"Netflix renews Friday");
    EXPECT_EQ(content.body, u"Your annual plan is €99.00. Worth a look before it goes through.");

    Subscription* quarterly = make(BillingCycle::quarterly(), local(berlin, 2025, 3, 14, 12), "30");
    quarterly->setNotificationLeadDays(2);
    EXPECT_EQ(contentFor(quarterly).body, u"$30.00 for the next quarter. Still using it?");

    Subscription* weekly = make(BillingCycle::weekly(), local(berlin, 2025, 3, 12, 12), "3.5");
    EXPECT_EQ(contentFor(weekly).body, u"$3.50. Still using it?");
    Subscription* custom = make(BillingCycle::custom(14), local(berlin, 2025, 3, 14, 12), "5");
    EXPECT_EQ(contentFor(custom).body, u"$5.00. Still using it?");

    // Ten days ahead the day is a date, fixed as it read when planned.
    Subscription* later = make(BillingCycle::monthly(), local(berlin, 2025, 3, 20, 12), "1");
    content = contentFor(later);
    EXPECT_EQ(content.title, u"Netflix renews Mar 20");
    Clock::setSource([this] { return local(berlin, 2025, 3, 19, 8); });
    EXPECT_EQ(center.pending.first().content.title, u"Netflix renews Mar 20");
}

TEST_F(ReminderContentTest, trialWordingCountsTheDaysLeft)
{
    NotificationContent content = contentFor(trial(BillingCycle::monthly(), "9.99"), u"trial3"_qs);
    EXPECT_EQ(content.title, u"Netflix trial ends in 3 days");
    EXPECT_EQ(content.body, u"Then it's $9.99/mo. Good time to decide.");

    content = contentFor(trial(BillingCycle::custom(14), "5.00"), u"trial1"_qs);
    EXPECT_EQ(content.title, u"Netflix trial ends tomorrow");
    EXPECT_EQ(content.body, u"It becomes $5.00/14d unless you cancel today.");

    EXPECT_EQ(contentFor(trial(BillingCycle::yearly(), "120"), u"trial1"_qs).body,
              u"It becomes $120.00/yr unless you cancel today.");
}

// Titles and bodies are whole sentences in the user's language; money and
// dates keep following the formats' locale.
TEST_F(ReminderContentTest, remindersSpeakGermanAndSpanish)
{
    Subscription* renewal = make(BillingCycle::monthly(), local(berlin, 2025, 3, 11, 12), "15.49");
    renewal->setNotificationLeadDays(1);
    Subscription* quarterly = make(BillingCycle::quarterly(), local(berlin, 2025, 3, 11, 12), "30");
    quarterly->setNotificationLeadDays(1);
    Subscription* ending = trial(BillingCycle::monthly(), "9.99");
    const auto texts = [&] {
        QStringList all;
        for (const NotificationContent& content : {contentFor(renewal), contentFor(quarterly),
                                                   contentFor(ending, u"trial3"_qs), contentFor(ending, u"trial1"_qs)})
            all << content.title << content.body;
        return all;
    };
    {
        const test::SpokenLanguage german(u"de"_qs);
        EXPECT_EQ(texts(),
                  (QStringList{
                      u"Netflix verlängert sich morgen"_qs,
                      u"$15.49. Nutzen Sie es noch?"_qs,
                      u"Netflix verlängert sich morgen"_qs,
                      u"$30.00 für das nächste Quartal. Nutzen Sie es noch?"_qs,
                      u"Netflix: Testphase endet in 3 Tagen"_qs,
                      u"Danach kostet es $9.99/Mon. – ein guter Moment, sich zu entscheiden."_qs,
                      u"Netflix: Testphase endet morgen"_qs,
                      u"Danach kostet es $9.99/Mon., wenn Sie nicht heute kündigen."_qs,
                  }));
    }
    {
        const test::SpokenLanguage spanish(u"es"_qs);
        EXPECT_EQ(texts(),
                  (QStringList{
                      u"Netflix se renueva mañana"_qs,
                      u"$15.49. ¿Aún lo usas?"_qs,
                      u"Netflix se renueva mañana"_qs,
                      u"$30.00 por el próximo trimestre. ¿Aún lo usas?"_qs,
                      u"La prueba de Netflix termina en 3 días"_qs,
                      u"Luego costará $9.99/mes. Buen momento para decidir."_qs,
                      u"La prueba de Netflix termina mañana"_qs,
                      u"Pasará a costar $9.99/mes si no cancelas hoy."_qs,
                  }));
        EXPECT_EQ(NotificationService::categories().first().actions.first().title, u"Recordar mañana");
    }
}

TEST_F(ReminderContentTest, sharedSubscriptionsNameTheUsersShare)
{
    Subscription* renewal = make(BillingCycle::monthly(), local(berlin, 2025, 3, 14, 12), "20.00");
    renewal->setIsShared(true);
    renewal->setSharePercentage(0.5);
    EXPECT_EQ(contentFor(renewal).body, u"$10.00. Still using it?");

    Subscription* shared = trial(BillingCycle::monthly(), "20.00");
    shared->setIsShared(true);
    shared->setSharePercentage(0.5);
    EXPECT_EQ(contentFor(shared, u"trial3"_qs).body, u"Then it's $10.00/mo. Good time to decide.");
}

TEST_F(ReminderContentTest, categoriesAndAnswers)
{
    const NotificationAction snooze{u"SNOOZE_ONE_DAY"_qs, u"Snooze 1 Day"_qs, false};
    const NotificationAction open{u"OPEN_CANCELLATION"_qs, u"Open Cancellation Page"_qs, true};
    EXPECT_EQ(center.categories,
              QList<NotificationCategory>(
                  {{u"RENEWAL_REMINDER"_qs, {snooze, open}}, {u"TRIAL_REMINDER"_qs, {open, snooze}}}));
    ASSERT_EQ(center.delegate, &service);

    QList<QUuid> snoozed;
    QList<QUrl> opened;
    service.setSnoozeHandler([&](const QUuid& id) { snoozed << id; });
    service.setUrlOpener([&](const QUrl& url) { opened << url; });
    const QUuid id = QUuid::createUuid();
    auto answer = [&](const QString& action, const QVariantMap& userInfo) {
        center.delegate->actionInvoked({action, u"renewal.x.renew"_qs, userInfo});
        QTest::qWait(5);
    };
    const QVariantMap info{{u"subscriptionID"_qs, id.toString(QUuid::WithoutBraces).toUpper()},
                           {u"cancellationURL"_qs, u"https://example.com/cancel?x=1"_qs}};

    answer(u"SNOOZE_ONE_DAY"_qs, info);
    answer(u"OPEN_CANCELLATION"_qs, info);
    answer(u"OPEN_CANCELLATION"_qs, {{u"cancellationURL"_qs, u"http://example.com/c"_qs}});
    // A click on the body does nothing.
    answer(u"default"_qs, info);
    EXPECT_EQ(snoozed, QList<QUuid>{id});
    EXPECT_EQ(opened, QList<QUrl>({QUrl(u"https://example.com/cancel?x=1"_qs), QUrl(u"http://example.com/c"_qs)}));

    // No web page, no UUID, a missing or non-text value: nothing.
    for (const QString& url : {u""_qs, u"not a url"_qs, u"https://"_qs, u"ftp://example.com/"_qs})
        answer(u"OPEN_CANCELLATION"_qs, {{u"cancellationURL"_qs, url}});
    answer(u"OPEN_CANCELLATION"_qs, {{u"cancellationURL"_qs, QUrl(u"https://example.com"_qs)}});
    answer(u"SNOOZE_ONE_DAY"_qs, {{u"subscriptionID"_qs, u"not-a-uuid"_qs}});
    answer(u"SNOOZE_ONE_DAY"_qs, {{u"subscriptionID"_qs, QVariant::fromValue(id)}});
    answer(u"SNOOZE_ONE_DAY"_qs, {});
    EXPECT_EQ(snoozed.size(), 1);
    EXPECT_EQ(opened.size(), 2);
}
