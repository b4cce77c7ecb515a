// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tabrino {

// A button on a notification. `foreground` actions bring the application
// forward when chosen.
struct NotificationAction {
    QString identifier;
    QString title;
    bool foreground = false;

    friend bool operator==(const NotificationAction&, const NotificationAction&) = default;
};

}  // namespace tabrino
