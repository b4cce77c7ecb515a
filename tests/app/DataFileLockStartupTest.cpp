// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// One account, two sessions that cannot see each other (no shared session
// bus, separate runtime folders), one data file.
QProcessEnvironment session(const QTemporaryDir& home, const QString& runtime, bool sessionBus)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_qs, home.path() + u"/data"_qs);
    environment.insert(u"XDG_CONFIG_HOME"_qs, home.path() + u"/config"_qs);
    environment.insert(u"XDG_RUNTIME_DIR"_qs, runtime);
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    if (!sessionBus)
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, u"unix:path=/nonexistent/bus"_qs);
    return environment;
}

}  // namespace

TEST(DataFileLockStartup, aSecondSessionOnTheSameDataFileSaysSoAndLeaves)
{
    QTemporaryDir home;
    QTemporaryDir firstRuntime;
    QTemporaryDir secondRuntime;
    const QString database = home.path() + u"/data/Tabrino/Tabrino.sqlite"_qs;

    QProcess first;
    first.setProcessEnvironment(session(home, firstRuntime.path(), true));
    first.start(QStringLiteral(TABRINO_BINARY), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // The lock is taken before the database is created.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(database); }, 20000))
        << first.readAllStandardError().toStdString();

    QProcess second;
    second.setProcessEnvironment(session(home, secondRuntime.path(), false));
    second.start(QStringLiteral(TABRINO_BINARY), {});
    const bool finished = second.waitForFinished(20000);
    if (!finished)
        second.kill();
    first.kill();
    first.waitForFinished(10000);
    second.waitForFinished(10000);

    ASSERT_TRUE(finished) << "the second instance kept running on the same data file";
    EXPECT_NE(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("Tabrino is already running for this account."));
}
