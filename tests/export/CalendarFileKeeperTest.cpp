// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/CalendarFileKeeper.h"
#include "store/StoreFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tabrino;
using namespace std::chrono_literals;

namespace {

class CalendarFileKeeperTest : public test::StoreFixture {
protected:
    CalendarFileKeeperTest()
    {
        launch();
        netflix = add(u"Netflix"_qs, "15.49", BillingCycle::monthly(), test::local(calendar, 2025, 4, 1, 9));
        store->save();
    }

    QByteArray contents() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Lets queued writes run.
    void settle()
    {
        drainQueuedCalls();
        drainQueuedCalls();
    }

    QString path = CalendarFileKeeper::pathBeside(dir.path() + u"/Tabrino.sqlite"_qs);
    Subscription* netflix = nullptr;
};

}  // namespace

TEST_F(CalendarFileKeeperTest, followsTheDataWhileTheSettingIsOn)
{
    EXPECT_EQ(QFileInfo(path).fileName(), u"renewals.ics");
    EXPECT_EQ(QFileInfo(path).dir(), QDir(dir.path()));
    CalendarFileKeeper keeper(*store, settings, path);
    settle();
    EXPECT_FALSE(QFile::exists(path)) << "off by default";

    settings.setKeepsCalendarFile(true);
    EXPECT_TRUE(contents().contains("SUMMARY:Netflix · $15.49")) << "written at once";

    netflix->setName(u"Netflix Premium"_qs);
    store->save();
    settle();
    EXPECT_TRUE(contents().contains("SUMMARY:Netflix Premium · $15.49"));

    // A day passing changes no event: the file keeps its stamp.
    const QByteArray before = contents();
    setNow(test::local(calendar, 2025, 3, 11, 12));
    store->performLaunchMaintenance();
    settle();
    EXPECT_EQ(contents(), before);

    store->archive(netflix);
    settle();
    EXPECT_FALSE(contents().contains("BEGIN:VEVENT"));

    settings.setKeepsCalendarFile(false);
    EXPECT_FALSE(QFile::exists(path));
    store->unarchive(netflix);
    settle();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(CalendarFileKeeperTest, writesAtStartWhenKept)
{
    settings.setKeepsCalendarFile(true);
    CalendarFileKeeper keeper(*store, settings, path);
    settle();
    EXPECT_TRUE(contents().contains("SUMMARY:Netflix"));
    EXPECT_TRUE(keeper.error().isEmpty());
}

TEST_F(CalendarFileKeeperTest, keepsTheLastDataReadWhenTheListsCannotBeRead)
{
    settings.setKeepsCalendarFile(true);
    CalendarFileKeeper keeper(*store, settings, path);
    settle();
    const QByteArray written = contents();
    ASSERT_TRUE(written.contains("SUMMARY:Netflix"));

    auto other = SqliteDatabase::open(dir.path() + u"/Tabrino.sqlite"_qs, nullptr);
    ASSERT_TRUE(other->execute(u"ALTER TABLE Subscription RENAME TO Elsewhere"_qs));
    setNow(test::local(calendar, 2025, 3, 11, 12));
    store->refresh();
    store->performLaunchMaintenance();
    settle();
    ASSERT_TRUE(store->active().isEmpty());
    EXPECT_EQ(contents(), written);
}

TEST_F(CalendarFileKeeperTest, reportsAFailedWriteAndTriesAgain)
{
    // A file where the folder should be: no write can succeed, even as root.
    const QString folder = dir.path() + u"/blocked"_qs;
    {
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    CalendarFileKeeper keeper(*store, settings, folder + u"/renewals.ics"_qs);
    keeper.setRetryInterval(20ms);
    QSignalSpy errors(&keeper, &CalendarFileKeeper::errorChanged);

    settings.setKeepsCalendarFile(true);
    EXPECT_TRUE(keeper.error().startsWith(u"Couldn't update the calendar file: ")) << keeper.error().toStdString();
    EXPECT_EQ(errors.size(), 1);

    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_TRUE(QTest::qWaitFor([&] { return keeper.error().isEmpty(); }, 2000));
    EXPECT_TRUE(QFile::exists(folder + u"/renewals.ics"_qs));

    // Turning the setting off ends a failure too.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile(folder).open(QIODevice::WriteOnly);
    netflix->setName(u"Changed"_qs);
    store->save();
    settle();
    EXPECT_FALSE(keeper.error().isEmpty());
    settings.setKeepsCalendarFile(false);
    EXPECT_TRUE(keeper.error().isEmpty());
}
