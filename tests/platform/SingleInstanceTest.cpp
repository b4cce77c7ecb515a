// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SingleInstance.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace tabrino;

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    // Launches the program again, as far as claiming goes, and returns what
    // it learnt: "primary" or "secondary". The event loop runs meanwhile so
    // that this process can answer it.
    QString launchAgain(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        QProcess probe;
        probe.setProcessEnvironment(environment);
        QSignalSpy finished(&probe, &QProcess::finished);
        probe.start(QStringLiteral(TABRINO_INSTANCE_PROBE));
        if (!finished.wait(10000))
            return QStringLiteral("(no answer)");
        return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    }

    // No session bus, and the user's runtime folder in a temporary place.
    QProcessEnvironment withoutBus() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        return environment;
    }

    QTemporaryDir runtime;
};

}  // namespace

TEST_F(SingleInstanceTest, aSecondLaunchShowsTheFirstOnesPanelAndExits)
{
    auto first = std::make_unique<SingleInstance>(QDBusConnection::sessionBus(), runtime.path());
    QSignalSpy showPanel(first.get(), &SingleInstance::showPanelRequested);
    ASSERT_EQ(first->claim(), SingleInstance::Role::Primary);

    EXPECT_EQ(launchAgain(), u"secondary");
    EXPECT_EQ(showPanel.count(), 1);
    EXPECT_EQ(launchAgain(), u"secondary");
    EXPECT_EQ(showPanel.count(), 2);

    // Once the first is gone the name is free for the next launch.
    first.reset();
    EXPECT_EQ(launchAgain(), u"primary");
}

TEST_F(SingleInstanceTest, withoutABusTheRuntimeFolderDecides)
{
    const QDBusConnection noBus =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no-bus"));
    ASSERT_FALSE(noBus.isConnected());

    auto first = std::make_unique<SingleInstance>(noBus, runtime.path());
    QSignalSpy showPanel(first.get(), &SingleInstance::showPanelRequested);
    ASSERT_EQ(first->claim(), SingleInstance::Role::Primary);

    EXPECT_EQ(launchAgain(withoutBus()), u"secondary");
    EXPECT_TRUE(showPanel.count() == 1 || showPanel.wait(3000));
    EXPECT_EQ(showPanel.count(), 1);

    first.reset();
    EXPECT_EQ(launchAgain(withoutBus()), u"primary");
}
