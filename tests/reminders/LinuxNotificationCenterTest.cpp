// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/EnvironmentGuard.h"
#include "support/FakeNotificationServer.h"

#include "foundation/Clock.h"
#include "model/Subscription.h"
#include "reminders/LinuxNotificationCenter.h"
#include "reminders/NotificationCenterDelegate.h"
#include "reminders/NotificationService.h"
#include "settings/AppSettings.h"
#include "store/PersistentContainer.h"
#include "support/TestDates.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

using namespace tabrino;
using test::FakeNotificationServer;
using test::local;

namespace {

const QString kServerName = u"org.freedesktop.Notifications"_qs;

class RecordingDelegate : public NotificationCenterDelegate {
public:
    QList<InvokedAction> actions;

    void actionInvoked(const InvokedAction& action) override { actions << action; }
};

class LinuxNotificationCenterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            GTEST_SKIP() << "No session bus; ctest runs this test on a private one.";
        if (bus.interface()->isServiceRegistered(kServerName).value())
            GTEST_SKIP() << "A notification server already runs on this bus; ctest runs this test on a private one.";
        // Data folders without the installed icon, and a cache folder of the
        // test's own for the copy of it.
        qputenv("XDG_DATA_HOME", dir.filePath(u"data"_qs).toUtf8());
        qputenv("XDG_DATA_DIRS", dir.filePath(u"system"_qs).toUtf8());
        qputenv("XDG_CACHE_HOME", dir.filePath(u"cache"_qs).toUtf8());
        reopenContainer();
    }

    void TearDown() override { Clock::setSource({}); }

    void reopenContainer()
    {
        container.reset();
        QString error;
        container = PersistentContainer::open(dir.filePath(u"Tabrino.sqlite"_qs), &error);
        ASSERT_TRUE(container) << error.toStdString();
    }

    std::unique_ptr<LinuxNotificationCenter> makeCenter(const QDBusConnection& systemBus = QDBusConnection::systemBus())
    {
        return std::make_unique<LinuxNotificationCenter>(container->database(), QDBusConnection::sessionBus(),
                                                         systemBus);
    }

    // "Now" runs at the real pace from `now` on.
    void startClockAt(const QDateTime& now)
    {
        *offset = QDateTime::currentDateTimeUtc().msecsTo(now);
        Clock::setSource([o = offset] { return QDateTime::currentDateTimeUtc().addMSecs(*o); });
    }
    void skipClock(qint64 ms) { *offset += ms; }

    static NotificationRequest request(const QString& identifier, const QDateTime& at, const Calendar& calendar,
                                       const QString& category = {})
    {
        NotificationContent content{u"Title "_qs + identifier, u"Body"_qs, true, category, {{u"key"_qs, identifier}}};
        return {identifier, content, CalendarTrigger(calendar.components(at), calendar)};
    }

    static QString add(LinuxNotificationCenter& center, const NotificationRequest& r)
    {
        std::optional<QString> error;
        center.add(r, [&](const QString& e) { error = e; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return error.has_value(); }, 1000));
        return error.value_or(u"no answer"_qs);
    }

    static QList<NotificationRequest> pending(LinuxNotificationCenter& center)
    {
        std::optional<QList<NotificationRequest>> result;
        center.pendingRequests([&](const QList<NotificationRequest>& p) { result = p; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 1000));
        return result.value_or(QList<NotificationRequest>());
    }

    static QStringList identifiers(const QList<NotificationRequest>& requests)
    {
        QStringList result;
        for (const NotificationRequest& r : requests)
            result << r.identifier;
        return result;
    }

    test::EnvironmentGuard folders{"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CACHE_HOME"};
    QTemporaryDir dir;
    std::unique_ptr<PersistentContainer> container;
    std::shared_ptr<qint64> offset = std::make_shared<qint64>(0);
    Calendar utc{u"UTC"_qs};
    Calendar berlin{u"Europe/Berlin"_qs, 2};
    QSettings defaults{dir.filePath(u"settings.ini"_qs), QSettings::IniFormat};
    AppSettings settings{defaults};
};

}  // namespace

TEST_F(LinuxNotificationCenterTest, reminderIsShownAtItsTimeAndItsActionsComeBack)
{
    FakeNotificationServer server;
    auto center = makeCenter();
    NotificationService service(*center, settings);
    QList<QUuid> snoozed;
    QList<QUrl> opened;
    service.setSnoozeHandler([&](const QUuid& id) { snoozed << id; });
    service.setUrlOpener([&](const QUrl& url) { opened << url; });

    auto make = [&](const QString& name, const QString& url) {
        auto s = std::make_unique<Subscription>(name, *Decimal::fromString("15.49"), u"USD"_qs, BillingCycle::monthly(),
                                                local(berlin, 2030, 5, 18, 20), SubscriptionCategory::Streaming);
        s->setCancellationUrlString(url);
        return s;
    };
    auto netflix = make(u"Netflix"_qs, u"https://www.netflix.com/cancelplan"_qs);
    auto script = make(u"Script"_qs, u"javascript:alert(1)"_qs);
    auto file = make(u"File"_qs, u"file:///etc/passwd"_qs);

    // One second before 09:00 on the reminder day.
    const QDateTime nine = local(berlin, 2030, 5, 15, 9);
    startClockAt(nine.addSecs(-1));
    QSignalSpy finished(&service, &NotificationService::reconcileFinished);
    service.reconcile({netflix.get(), script.get(), file.get()}, berlin);
    ASSERT_TRUE(finished.wait(2000));
    EXPECT_EQ(service.serverPresence(), ServerPresence::Present);
    EXPECT_EQ(pending(*center).size(), 3);
    EXPECT_TRUE(server.received.isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 3; }, 5000));
    QHash<QString, FakeNotificationServer::Notification> shown;
    for (const auto& n : server.received)
        shown.insert(n.summary.section(u' ', 0, 0), n);
    const auto n = shown.value(u"Netflix"_qs);
    EXPECT_GE(n.receivedAt, nine);
    EXPECT_EQ(n.appName, u"Tabrino");
    EXPECT_EQ(n.replacesId, 0u);
    EXPECT_EQ(n.hints.value(u"desktop-entry"_qs).toString(), u"app.tabrino.Tabrino");
    EXPECT_EQ(n.summary, u"Netflix renews Saturday");
    EXPECT_EQ(n.body, u"$15.49. Still using it?");
    EXPECT_EQ(
        n.actions,
        QStringList({u"SNOOZE_ONE_DAY"_qs, u"Snooze 1 Day"_qs, u"OPEN_CANCELLATION"_qs, u"Open Cancellation Page"_qs}));
    EXPECT_EQ(n.hints.value(u"sound-name"_qs).toString(), u"message-new-instant");
    EXPECT_EQ(n.expireTimeout, -1);
    // Gone once the server has answered.
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending(*center).isEmpty(); }, 2000));

    server.invokeAction(n.id, u"SNOOZE_ONE_DAY"_qs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return snoozed.size() == 1; }, 2000));
    EXPECT_EQ(snoozed.first(), netflix->id());
    server.invokeAction(n.id, u"OPEN_CANCELLATION"_qs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened.size() == 1; }, 2000));
    EXPECT_EQ(opened.first(), QUrl(u"https://www.netflix.com/cancelplan"_qs));

    // Refused schemes, a click on the body and another program's id open
    // nothing; the snooze after them shows they were all handled first.
    server.invokeAction(shown.value(u"Script"_qs).id, u"OPEN_CANCELLATION"_qs);
    server.invokeAction(shown.value(u"File"_qs).id, u"OPEN_CANCELLATION"_qs);
    server.invokeAction(n.id, u"default"_qs);
    server.invokeAction(4242, u"SNOOZE_ONE_DAY"_qs);
    server.invokeAction(shown.value(u"File"_qs).id, u"SNOOZE_ONE_DAY"_qs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return snoozed.size() == 2; }, 2000));
    EXPECT_EQ(snoozed.last(), file->id());
    EXPECT_EQ(opened.size(), 1);

    // A closed notification is forgotten.
    server.close(n.id, 2);
    server.invokeAction(n.id, u"SNOOZE_ONE_DAY"_qs);
    server.invokeAction(shown.value(u"Script"_qs).id, u"SNOOZE_ONE_DAY"_qs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return snoozed.size() == 3; }, 2000));
    EXPECT_EQ(snoozed.last(), script->id());
}

TEST_F(LinuxNotificationCenterTest, delegateHearsActionsUntilTheNotificationCloses)
{
    FakeNotificationServer server;
    auto center = makeCenter();
    RecordingDelegate delegate;
    center->setDelegate(&delegate);
    center->setCategories(NotificationService::categories());
    const QDateTime at = test::utc(2030, 1, 1, 12);
    startClockAt(at.addMSecs(-200));

    ASSERT_EQ(add(*center, request(u"a"_qs, at, utc, u"TRIAL_REMINDER"_qs)), u"");
    ASSERT_EQ(add(*center, request(u"b"_qs, at, utc, u"NO_SUCH_CATEGORY"_qs)), u"");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 2; }, 3000));
    const auto& a = server.received.at(server.received.at(0).summary == u"Title a" ? 0 : 1);
    const auto& b = server.received.at(server.received.at(0).summary == u"Title a" ? 1 : 0);
    EXPECT_EQ(
        a.actions,
        QStringList({u"OPEN_CANCELLATION"_qs, u"Open Cancellation Page"_qs, u"SNOOZE_ONE_DAY"_qs, u"Snooze 1 Day"_qs}));
    EXPECT_TRUE(b.actions.isEmpty());

    // An action, then the close that follows it; a notification closed for
    // any reason (expired, dismissed) takes no more actions.
    server.invokeAction(a.id, u"OPEN_CANCELLATION"_qs);
    server.close(a.id, 2);
    server.close(b.id, 1);
    server.invokeAction(a.id, u"SNOOZE_ONE_DAY"_qs);
    server.invokeAction(b.id, u"default"_qs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return delegate.actions.size() == 1; }, 2000));
    QTest::qWait(100);
    ASSERT_EQ(delegate.actions.size(), 1);
    EXPECT_EQ(delegate.actions.at(0).actionKey, u"OPEN_CANCELLATION");
    EXPECT_EQ(delegate.actions.at(0).requestIdentifier, u"a");
    EXPECT_EQ(delegate.actions.at(0).userInfo, QVariantMap({{u"key"_qs, u"a"_qs}}));

    // Content without sound asks the server for silence.
    NotificationRequest silent = request(u"c"_qs, at.addSecs(60), utc);
    silent.content.playsSound = false;
    startClockAt(at.addSecs(60).addMSecs(-100));
    ASSERT_EQ(add(*center, silent), u"");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 3; }, 3000));
    EXPECT_EQ(server.received.last().hints.value(u"suppress-sound"_qs), QVariant(true));
    EXPECT_FALSE(server.received.last().hints.contains(u"sound-name"_qs));
}

TEST_F(LinuxNotificationCenterTest, withoutAServerNothingStaysPending)
{
    auto center = makeCenter();
    NotificationService service(*center, settings);
    startClockAt(local(berlin, 2030, 5, 1, 12));
    ASSERT_EQ(add(*center, request(u"other.reminder"_qs, local(berlin, 2030, 6, 1, 9), berlin)), u"");
    Subscription s(u"Netflix"_qs, Decimal(10), u"USD"_qs, BillingCycle::monthly(), local(berlin, 2030, 5, 20),
                   SubscriptionCategory::Streaming);

    bool refreshed = false;
    service.refreshServerPresence([&] { refreshed = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return refreshed; }, 3000));
    EXPECT_EQ(service.serverPresence(), ServerPresence::Absent);

    QSignalSpy finished(&service, &NotificationService::reconcileFinished);
    service.reconcile({&s}, berlin);
    ASSERT_TRUE(finished.wait(3000));
    EXPECT_TRUE(pending(*center).isEmpty());
    EXPECT_EQ(center->timerRemainingMs(), -1);

    // With a server the same data is planned.
    FakeNotificationServer server;
    service.reconcile({&s}, berlin);
    ASSERT_TRUE(finished.wait(3000));
    EXPECT_EQ(service.serverPresence(), ServerPresence::Present);
    EXPECT_EQ(pending(*center).size(), 1);
}

TEST_F(LinuxNotificationCenterTest, pendingRequestsSurviveARestart)
{
    startClockAt(test::utc(2030, 1, 1, 12));
    const NotificationRequest first = request(u"first"_qs, test::utc(2030, 1, 2, 12, 30), utc, u"TRIAL_REMINDER"_qs);
    NotificationRequest second = request(u"second"_qs, local(berlin, 2030, 3, 31, 9), berlin);
    second.content.userInfo.insert(u"cancellationURL"_qs, u"https://example.com/ä?\"x\""_qs);
    second.content.playsSound = false;
    {
        auto center = makeCenter();
        ASSERT_EQ(add(*center, second), u"");
        ASSERT_EQ(add(*center, first), u"");
        // Refused: no such day, already past, no identifier.
        EXPECT_NE(add(*center, {u"bad"_qs, {}, CalendarTrigger({2030, 2, 30, 9, 0}, utc)}), u"");
        EXPECT_NE(add(*center, request(u"past"_qs, test::utc(2030, 1, 1, 11, 59), utc)), u"");
        EXPECT_NE(add(*center, request(QString(), test::utc(2030, 1, 3), utc)), u"");
    }
    reopenContainer();
    {
        auto center = makeCenter();
        EXPECT_EQ(pending(*center), QList<NotificationRequest>({first, second}));
        EXPECT_GT(center->timerRemainingMs(), 0);
        center->removePending({u"first"_qs});
    }
    reopenContainer();
    {
        auto center = makeCenter();
        EXPECT_EQ(pending(*center), QList<NotificationRequest>({second}));
        // Replacing keeps one request per identifier.
        NotificationRequest moved = request(u"second"_qs, local(berlin, 2030, 4, 1, 9), berlin);
        ASSERT_EQ(add(*center, moved), u"");
        EXPECT_EQ(pending(*center), QList<NotificationRequest>({moved}));
        center->removeAllPending();
        EXPECT_EQ(center->timerRemainingMs(), -1);
    }
    reopenContainer();
    EXPECT_TRUE(pending(*makeCenter()).isEmpty());
}

TEST_F(LinuxNotificationCenterTest, aRequestMissedWhileNotRunningIsShownOnceAtStart)
{
    const QDateTime due = test::utc(2030, 1, 1, 12);
    startClockAt(due.addSecs(-3600));
    ASSERT_EQ(add(*makeCenter(), request(u"missed"_qs, due, utc)), u"");
    ASSERT_EQ(add(*makeCenter(), request(u"later"_qs, due.addDays(5), utc)), u"");

    // The program was not running when it was due.
    startClockAt(due.addDays(1));
    FakeNotificationServer server;
    {
        auto center = makeCenter();
        center->deliverMissed();
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 1; }, 2000));
        EXPECT_EQ(server.received.first().summary, u"Title missed");
        QTest::qWait(200);
        EXPECT_EQ(identifiers(pending(*center)), QStringList{u"later"_qs});
    }
    auto center = makeCenter();
    center->deliverMissed();
    QTest::qWait(300);
    EXPECT_EQ(server.received.size(), 1);
}

// Text from the data file and the catalog reaches the server as text: escaped
// for servers that read the body as markup, and without control characters
// (a NUL would end the D-Bus string early, and they leave markup ill-formed);
// tab and newline stay.
TEST_F(LinuxNotificationCenterTest, textReachesTheServerAsText)
{
    const QDateTime at = test::utc(2030, 1, 1, 12);
    auto center = makeCenter();
    const auto shown = [&](const QString& title, const QString& body, const QStringList& capabilities) {
        NotificationRequest r = request(u"text"_qs, at, utc);
        r.content.title = title;
        r.content.body = body;
        FakeNotificationServer server(capabilities);
        startClockAt(at.addMSecs(-100));
        EXPECT_EQ(add(*center, r), u"");
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 1; }, 2000));
        return server.received.value(0);
    };
    const QStringList markup{u"body"_qs, u"body-markup"_qs};

    auto n = shown(u"Tom & Jerry <3"_qs, u"Tom & Jerry <b>cheap</b>"_qs, markup);
    EXPECT_EQ(n.body, u"Tom &amp; Jerry &lt;b&gt;cheap&lt;/b&gt;");
    EXPECT_EQ(n.summary, u"Tom & Jerry <3");
    n = shown(u"Tom & Jerry <3"_qs, u"Tom & Jerry <b>cheap</b>"_qs, {u"body"_qs});
    EXPECT_EQ(n.body, u"Tom & Jerry <b>cheap</b>");

    const QString title = u"Net\u0000flix\u0007 renews\u0085"_qs;
    ASSERT_EQ(title.size(), 17);
    n = shown(title, u"$1\u001b[31m & more\r\n\tnext\u007f line\u0000 end"_qs, markup);
    EXPECT_EQ(n.summary, u"Netflix renews");
    EXPECT_EQ(n.body, u"$1[31m &amp; more\n\tnext line end");
}

// Servers look an icon name up in the icon theme and show a placeholder
// when it is not there, as for a run from the build tree.
TEST_F(LinuxNotificationCenterTest, theIconGoesByNameWhenInstalledAndElseByAFileOfItsOwn)
{
    QFile carried(u":/icons/tabrino.svg"_qs);
    ASSERT_TRUE(carried.open(QIODevice::ReadOnly)) << "the program carries its icon as a resource";
    const QByteArray icon = carried.readAll();

    FakeNotificationServer server;
    auto center = makeCenter();
    const QDateTime at = test::utc(2030, 1, 1, 12);
    const auto shownIcon = [&](const QString& identifier) {
        startClockAt(at.addMSecs(-100));
        EXPECT_EQ(add(*center, request(identifier, at, utc)), u"");
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending(*center).isEmpty(); }, 2000));
        const FakeNotificationServer::Notification n = server.received.value(server.received.size() - 1);
        EXPECT_EQ(n.summary, u"Title "_qs + identifier);
        EXPECT_EQ(n.hints.value(u"desktop-entry"_qs).toString(), u"app.tabrino.Tabrino");
        return n.appIcon;
    };
    const auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    // Not installed: a copy in the cache folder, by its file URL; a copy an
    // older version left is brought up to date.
    const QString copy = dir.filePath(u"cache/Tabrino/app.tabrino.Tabrino.svg"_qs);
    EXPECT_EQ(shownIcon(u"uninstalled"_qs), QUrl::fromLocalFile(copy).toString());
    EXPECT_EQ(contents(copy), icon);
    {
        QFile stale(copy);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stale.write("<svg/>");
    }
    EXPECT_EQ(shownIcon(u"stale"_qs), QUrl::fromLocalFile(copy).toString());
    EXPECT_EQ(contents(copy), icon);

    // Installed for the user or for everyone: by the name the theme knows.
    for (const QString& folder : {u"data"_qs, u"system"_qs}) {
        const QString apps = dir.filePath(folder + u"/icons/hicolor/scalable/apps"_qs);
        ASSERT_TRUE(QDir().mkpath(apps));
        ASSERT_TRUE(QFile::copy(u":/icons/tabrino.svg"_qs, apps + u"/app.tabrino.Tabrino.svg"_qs));
        EXPECT_EQ(shownIcon(u"installed in "_qs + folder), u"app.tabrino.Tabrino") << folder.toStdString();
        ASSERT_TRUE(QFile::remove(apps + u"/app.tabrino.Tabrino.svg"_qs));
    }
}

TEST_F(LinuxNotificationCenterTest, timerWaitsForTheEarliestAndIsSetAgainAfterResume)
{
    // logind's stand-in, on the test bus that plays the system bus here.
    const QString login1Connection = u"login1"_qs;
    QDBusConnection login1 = QDBusConnection::connectToBus(QDBusConnection::SessionBus, login1Connection);
    ASSERT_TRUE(login1.registerService(u"org.freedesktop.login1"_qs));
    auto sleep = [&](bool starting) {
        QDBusMessage signal = QDBusMessage::createSignal(u"/org/freedesktop/login1"_qs,
                                                         u"org.freedesktop.login1.Manager"_qs, u"PrepareForSleep"_qs);
        signal << starting;
        login1.send(signal);
    };

    FakeNotificationServer server;
    auto center = makeCenter(QDBusConnection::sessionBus());
    QSignalSpy timeChanged(center.get(), &LinuxNotificationCenter::timeChanged);
    EXPECT_EQ(center->timerRemainingMs(), -1);

    const QDateTime at = test::utc(2030, 1, 1, 12);
    startClockAt(at.addSecs(-3600));
    ASSERT_EQ(add(*center, request(u"far"_qs, at.addDays(40), utc)), u"");
    // Never more than a day at a time.
    EXPECT_LE(center->timerRemainingMs(), LinuxNotificationCenter::kMaxWaitMs);
    EXPECT_GT(center->timerRemainingMs(), LinuxNotificationCenter::kMaxWaitMs - 5000);
    ASSERT_EQ(add(*center, request(u"soon"_qs, at, utc)), u"");
    EXPECT_LE(center->timerRemainingMs(), 3600 * 1000);
    EXPECT_GT(center->timerRemainingMs(), 3600 * 1000 - 5000);

    // An hour of sleep: the timer's clock stood still, the wall clock did not.
    sleep(true);
    skipClock(3600 * 1000 + 1000);
    QTest::qWait(100);
    EXPECT_TRUE(server.received.isEmpty());
    sleep(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 1; }, 2000));
    EXPECT_EQ(server.received.first().summary, u"Title soon");
    EXPECT_EQ(timeChanged.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return identifiers(pending(*center)) == QStringList{u"far"_qs}; }, 2000));

    login1.unregisterService(u"org.freedesktop.login1"_qs);
    QDBusConnection::disconnectFromBus(login1Connection);
}

TEST_F(LinuxNotificationCenterTest, aReminderDueWithoutServerWaitsForOne)
{
    auto center = makeCenter();
    const QDateTime at = test::utc(2030, 1, 1, 12);
    startClockAt(at.addMSecs(-100));
    ASSERT_EQ(add(*center, request(u"waiting"_qs, at, utc)), u"");
    QTest::qWait(400);
    EXPECT_EQ(identifiers(pending(*center)), QStringList{u"waiting"_qs});
    EXPECT_EQ(center->timerRemainingMs(), -1);  // no retry loop

    QSignalSpy appeared(center.get(), &LinuxNotificationCenter::serverAppeared);
    FakeNotificationServer server;
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.received.size() == 1; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending(*center).isEmpty(); }, 2000));
    EXPECT_EQ(appeared.count(), 1);  // the app plans again now that reminders can be shown
}
