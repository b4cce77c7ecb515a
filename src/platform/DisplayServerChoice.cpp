// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DisplayServerChoice.h"

#include "foundation/Logging.h"
#include "platform/SwayIpc.h"

namespace tabrino {

QByteArray DisplayServerChoice::platformFor(const Environment& environment)
{
    if (environment.platformChosen || !environment.wayland)
        return {};
    // Each keeps the other as the fallback, should Qt's Wayland plugin be
    // missing or XWayland refuse the connection.
    if (environment.swayIpc)
        return "wayland;xcb";
    return environment.x11 ? "xcb;wayland" : QByteArray();
}

bool DisplayServerChoice::apply()
{
    Environment environment;
    environment.platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    environment.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    environment.x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    // Only worth a connection when it can change the answer.
    environment.swayIpc = !environment.platformChosen && environment.wayland && !SwayIpc::availableSocket().isEmpty();
    const QByteArray platform = platformFor(environment);
    if (platform.isEmpty())
        return false;
    qCDebug(lcPanel) << "Qt platform:" << platform;
    return qputenv("QT_QPA_PLATFORM", platform);
}

void DisplayServerChoice::forget()
{
    qunsetenv("QT_QPA_PLATFORM");
}

}  // namespace tabrino
