// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TabrinoApp.h"
#include "catalog/CatalogUpdater.h"
#include "foundation/Clock.h"
#include "reminders/LinuxNotificationCenter.h"
#include "reminders/NotificationService.h"
#include "settings/AppSettings.h"
#include "shell/PanelScene.h"
#include "shell/PanelWindow.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/SqliteDatabase.h"
#include "store/SubscriptionStore.h"
#include "support/TestDates.h"

#include <QProcess>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// One launch after months away: everything the first display shows is loaded
// and maintained before it appears; the catalog check and the reminder
// planning wait for the event loop.
TEST(Startup, maintainsTheStoreBeforeTheFirstDisplayAndDefersTheRest)
{
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + u"/data"_qs));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + u"/config"_qs));
    const QString databasePath = PersistentContainer::defaultPath();
    ASSERT_TRUE(databasePath.startsWith(dir.path()));

    // Left behind by a run in August: a monthly charge on the 20th, August's snapshot.
    Clock::setSource([] { return test::utc(2026, 7, 20, 9); });
    {
        auto container = PersistentContainer::open(databasePath, nullptr);
        ASSERT_TRUE(container);
        container->mainContext().insert(new Subscription(u"Netflix"_qs, Decimal(10), u"USD"_qs, BillingCycle::monthly(),
                                                         test::utc(2026, 8, 20, 9), SubscriptionCategory::Streaming));
        container->mainContext().insert(new MonthlySnapshot(test::utc(2026, 8, 1), Decimal(10), 1));
        ASSERT_TRUE(container->mainContext().save());
    }
    Clock::setSource([] { return test::utc(2026, 12, 6, 12); });
    AppSettings::shared().setCatalogAutoUpdate(false);

    TabrinoApp app(databasePath);
    ASSERT_TRUE(app.isRunning()) << app.fatalError().toStdString();
    QSignalSpy reconciled(&app.notifications(), &NotificationService::reconcileFinished);

    // Before the event loop turns: rolled to the first date on or after today,
    // this month's snapshot taken, the months in between left without one.
    // Months and days are the user's: the charge keeps its local time of day.
    const Calendar calendar = Calendar::current();
    ASSERT_EQ(app.store().active().size(), 1);
    EXPECT_EQ(app.store().active()[0]->nextBillingDate(),
              calendar.adding(CalendarUnit::Month, 4, test::utc(2026, 8, 20, 9)));
    app.store().refresh();
    ASSERT_EQ(app.store().snapshots().size(), 2);
    EXPECT_EQ(app.store().snapshots()[1]->monthStart(), test::local(calendar, 2026, 12, 1));
    EXPECT_EQ(app.store().snapshots()[1]->monthlyTotal(), Decimal(10));
    EXPECT_EQ(app.catalogUpdater(), nullptr);
    EXPECT_EQ(reconciled.count(), 0);
    // No tray host on this bus: the panel is an ordinary window, never invisible.
    ASSERT_TRUE(app.panel().isCreated());
    EXPECT_TRUE(app.panel().window()->isVisible());
    EXPECT_TRUE(app.panel().window()->isWindowMode());
    auto* total = app.panel().window()->rootItem()->findChild<QQuickItem*>(u"monthlyText"_qs);
    ASSERT_TRUE(total);
    EXPECT_TRUE(total->property("text").toString().contains(u"10"));

    EXPECT_TRUE(QTest::qWaitFor([&] { return reconciled.count() >= 1 && app.catalogUpdater(); }, 5000));
    Clock::setSource({});
}

TEST(Startup, eachProgramPlansThroughItsOwnNotificationCentre)
{
    QTemporaryDir dir;
    AppSettings::shared().setCatalogAutoUpdate(false);
    {
        TabrinoApp first(dir.path() + u"/first.sqlite"_qs);
        ASSERT_TRUE(first.isRunning());
    }
    // The first program's centre is gone; the second must not reach it.
    TabrinoApp second(dir.path() + u"/second.sqlite"_qs);
    ASSERT_TRUE(second.isRunning());
    EXPECT_EQ(&second.notifications().center(), &second.notificationCenter());
    EXPECT_EQ(&second.store().notifications(), &second.notifications());
}

TEST(Startup, aFailedStartNeverChecksTheCatalog)
{
    QTemporaryDir dir;
    // A folder where the database file should be: the store cannot open.
    const QString databasePath = dir.path() + u"/Tabrino.sqlite"_qs;
    QDir().mkpath(databasePath);
    TabrinoApp app(databasePath);
    ASSERT_FALSE(app.isRunning());
    // The event loop turns while the error is shown.
    QTest::qWait(50);
    EXPECT_EQ(app.catalogUpdater(), nullptr);
}

TEST(Startup, anUnreadableStoreStopsTheProgramAndIsLeftAsItWas)
{
    QTemporaryDir dir;
    const QString data = dir.path() + u"/data/Tabrino"_qs;
    QDir().mkpath(data);
    QFile damaged(data + u"/Tabrino.sqlite"_qs);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("not a database at all\n").repeated(100));
    damaged.close();
    const QByteArray before = readFile(damaged.fileName());

    QProcess tabrino;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_qs, dir.path() + u"/data"_qs);
    environment.insert(u"XDG_CONFIG_HOME"_qs, dir.path() + u"/config"_qs);
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    tabrino.setProcessEnvironment(environment);
    tabrino.start(QStringLiteral(TABRINO_BINARY), {});
    ASSERT_TRUE(tabrino.waitForFinished(20000));
    EXPECT_NE(tabrino.exitCode(), 0);
    EXPECT_TRUE(tabrino.readAllStandardError().contains("Couldn't create data store: "));
    EXPECT_EQ(readFile(damaged.fileName()), before);
}
