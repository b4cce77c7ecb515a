// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the data folder of the real program with a number of subscriptions
// that have ten-year histories, as of today, so the program can be measured
// at scale:
//   bench_seed <data-home> <count>
// then start `tabrino` with XDG_DATA_HOME=<data-home>. The database is made
// by the program's own store and left as the program's first start would
// leave it (billing dates rolled forward, this month's snapshot taken).
// An existing database is never touched.
#include "TenYearStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace tabrino;

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "bench_seed: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool isNumber = false;
    const int count = args.size() == 3 ? args[2].toInt(&isNumber) : 0;
    if (!isNumber || count < 0)
        return fail(QStringLiteral("usage: bench_seed <data-home> <count>"));

    // Where the program looks with this XDG_DATA_HOME, given as an absolute
    // path since later Qt versions ignore a relative one.
    qputenv("XDG_DATA_HOME", QFileInfo(args[1]).absoluteFilePath().toLocal8Bit());
    const QString path = PersistentContainer::defaultPath();
    if (QFileInfo::exists(path))
        return fail(path + QStringLiteral(" already exists; it is left as it is."));

    QString error;
    const std::unique_ptr<PersistentContainer> container = PersistentContainer::open(path, &error);
    if (!container)
        return fail(error);
    ModelContext& context = container->mainContext();

    const Calendar calendar = Calendar::current();
    bench::addTenYears(context, calendar, Clock::now(), count);
    Clock::setSource({});
    if (!context.save())
        return fail(QStringLiteral("could not write ") + path);

    QTemporaryDir settingsDir;
    QSettings qsettings(settingsDir.path() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    AppSettings settings(qsettings);
    bench::NoReminders reminders;
    SubscriptionStore store(context, settings, reminders, nullptr);
    store.refresh();
    store.performLaunchMaintenance();
    if (context.hasChanges())
        return fail(QStringLiteral("could not write ") + path);

    std::printf("%s: %d subscriptions (%lld active), %lld monthly snapshots\n", qPrintable(path), count,
                static_cast<long long>(store.active().size()), static_cast<long long>(store.snapshots().size()));
    return 0;
}
