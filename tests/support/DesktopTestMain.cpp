// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserLanguage.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <unistd.h>

namespace {

// The tests claim bus names a desktop uses (the tray watcher, the portal,
// the application's own), so they must never meet the user's session. Run
// directly, the program starts itself again inside a private session bus and
// a private X server.
void enterPrivateSession(int argc, char** argv)
{
    if (std::getenv("TABRINO_PRIVATE_SESSION"))
        return;
    setenv("TABRINO_PRIVATE_SESSION", "1", 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::vector<char*> command{const_cast<char*>("dbus-run-session"),
                               const_cast<char*>("--config-file=" TABRINO_TEST_BUS_CONFIG),
                               const_cast<char*>("--"),
                               const_cast<char*>("xvfb-run"),
                               const_cast<char*>("-a"),
                               const_cast<char*>("-s"),
                               const_cast<char*>("-screen 0 1280x800x24")};
    command.insert(command.end(), argv, argv + argc);
    command.push_back(nullptr);
    execvp(command.front(), command.data());
    std::perror("dbus-run-session");
    std::exit(1);
}

}  // namespace

// Widgets are part of the desktop shell (the XEmbed tray icon, the save
// dialog), so these tests run inside a QApplication.
int main(int argc, char** argv)
{
    enterPrivateSession(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tabrino::UserLanguage::install(app);
    return RUN_ALL_TESTS();
}
