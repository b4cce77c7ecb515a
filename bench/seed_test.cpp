// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// bench_seed must write where the program reads and leave nothing for the
// program's first start to change, or the measurements at scale would time
// that maintenance; and it must never touch a database that exists.
#include "TenYearStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

struct Seeding {
    int exitCode = -1;
    QString output;
};

// Runs bench_seed in `workDir` with a HOME of its own there, so a seeder that
// missed its folder could not reach the tester's data.
Seeding seed(const QString& workDir, const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), workDir + QStringLiteral("/home"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(TABRINO_BENCH_SEED), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

QByteArray digest(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

}  // namespace

TEST(SeededDataFolder, IsWhatTheProgramOpensWithNothingLeftToMaintain)
{
    QTemporaryDir work;
    // A relative folder, as typed on a command line, is the one under the
    // working folder.
    const Seeding seeding = seed(work.path(), {QStringLiteral("data"), QStringLiteral("40")});
    ASSERT_EQ(seeding.exitCode, 0) << qPrintable(seeding.output);
    const QString path = work.path() + QStringLiteral("/data/Tabrino/Tabrino.sqlite");
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(work.path() + QStringLiteral("/home/.local/share/Tabrino")));

    QString error;
    const auto container = PersistentContainer::open(path, &error);
    ASSERT_TRUE(container) << qPrintable(error);
    QSettings qsettings(work.path() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    AppSettings settings(qsettings);
    bench::NoReminders reminders;
    SubscriptionStore store(container->mainContext(), settings, reminders, nullptr);
    store.refresh();
    EXPECT_EQ(store.active().size(), 38);  // every twentieth is archived
    EXPECT_EQ(store.archived().size(), 2);
    EXPECT_EQ(store.snapshots().size(), 120);  // this month's among them, not a 121st

    // A charge due today is kept (it is not past), so the bound is today's
    // start in the local calendar, not this instant.
    const Calendar calendar = Calendar::current();
    const QDateTime today = calendar.startOfDay(Clock::now());
    QList<QDateTime> billing;
    for (const Subscription* s : store.active()) {
        EXPECT_GE(calendar.startOfDay(s->nextBillingDate()), today) << qPrintable(s->name());
        billing << s->nextBillingDate();
    }
    store.performLaunchMaintenance();
    QList<QDateTime> after;
    for (const Subscription* s : store.active())
        after << s->nextBillingDate();
    EXPECT_EQ(after, billing);
    EXPECT_EQ(store.snapshots().size(), 120);
    EXPECT_FALSE(container->mainContext().hasChanges());
}

TEST(SeededDataFolder, ExistingDataAndBadArgumentsAreRefused)
{
    QTemporaryDir work;
    ASSERT_EQ(seed(work.path(), {work.path(), QStringLiteral("5")}).exitCode, 0);
    const QString path = work.path() + QStringLiteral("/Tabrino/Tabrino.sqlite");
    const QByteArray before = digest(path);
    ASSERT_FALSE(before.isEmpty());

    const Seeding again = seed(work.path(), {work.path(), QStringLiteral("40")});
    EXPECT_NE(again.exitCode, 0);
    EXPECT_TRUE(again.output.contains(QStringLiteral("already exists"))) << qPrintable(again.output);
    EXPECT_EQ(digest(path), before);

    const QString other = work.path() + QStringLiteral("/other");
    for (const QStringList& arguments :
         {QStringList{other}, QStringList{other, QStringLiteral("-3")}, QStringList{other, QStringLiteral("many")},
          QStringList{other, QStringLiteral("3"), QStringLiteral("4")}}) {
        EXPECT_NE(seed(work.path(), arguments).exitCode, 0) << qPrintable(arguments.join(u' '));
        EXPECT_FALSE(QFileInfo::exists(other)) << qPrintable(arguments.join(u' '));
    }
}
