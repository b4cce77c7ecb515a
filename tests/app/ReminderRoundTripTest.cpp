// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Clock.h"
#include "reminders/LinuxNotificationCenter.h"
#include "reminders/NotificationService.h"
#include "settings/AppSettings.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/SqliteDatabase.h"
#include "store/SubscriptionStore.h"
#include "support/FakeNotificationServer.h"
#include "support/TestDates.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tabrino;
using test::local;

// A reminder goes out through the desktop's notification service; choosing
// "Snooze 1 Day" on it comes back through the bus into the store, which
// lowers the lead time, saves, and plans the reminder one day later.
TEST(ReminderRoundTrip, snoozeOnTheNotificationReachesTheStoreAndReplans)
{
    const Calendar berlin(u"Europe/Berlin"_qs, 2);
    const QDateTime nine = local(berlin, 2030, 5, 15, 9);
    const qint64 offset = QDateTime::currentDateTimeUtc().msecsTo(nine.addSecs(-1));
    Clock::setSource([offset] { return QDateTime::currentDateTimeUtc().addMSecs(offset); });

    QTemporaryDir dir;
    auto container = PersistentContainer::open(dir.filePath(u"Tabrino.sqlite"_qs), nullptr);
    ASSERT_TRUE(container);
    QSettings defaults(dir.filePath(u"settings.ini"_qs), QSettings::IniFormat);
    AppSettings settings(defaults);
    test::FakeNotificationServer server;
    LinuxNotificationCenter center(container->database());
    NotificationService service(center, settings);
    SubscriptionStore store(container->mainContext(), settings, service, nullptr, [berlin] { return berlin; });
    store.refresh();

    // Renews on Saturday the 18th; the default lead of 3 days reminds today at 09:00.
    auto* netflix = new Subscription(u"Netflix"_qs, *Decimal::fromString("15.49"), u"USD"_qs, BillingCycle::monthly(),
                                     local(berlin, 2030, 5, 18, 20), SubscriptionCategory::Streaming);
    container->mainContext().insert(netflix);
    store.save();

    ASSERT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 1; }, 5000));
    const test::FakeNotificationServer::Notification shown = server.received.first();
    EXPECT_EQ(shown.summary, u"Netflix renews Saturday");

    server.invokeAction(shown.id, u"SNOOZE_ONE_DAY"_qs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return netflix->notificationLeadDays() == 2; }, 2000));
    const QString identifier = u"renewal."_qs + netflix->id().toString(QUuid::WithoutBraces).toUpper() + u".renew"_qs;
    const auto plannedDay = [&] {
        return container->database().queryText(u"SELECT day FROM PendingNotification WHERE identifier = '"_qs
                                               + identifier + u'\'');
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return plannedDay() == u"16"; }, 2000));

    // The snooze was saved, not only applied in memory.
    EXPECT_EQ(container->database().queryText(u"SELECT notificationLeadDays FROM Subscription"_qs), u"2");
    Clock::setSource({});
}
