// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariantMap>

namespace tabrino {

// What a notification says. `userInfo` holds text values only; it comes back
// with every action the user invokes on it.
struct NotificationContent {
    QString title;
    QString body;
    bool playsSound = false;  // the desktop's "message-new-instant" sound, else silence
    QString categoryIdentifier;
    QVariantMap userInfo;

    friend bool operator==(const NotificationContent&, const NotificationContent&) = default;
};

}  // namespace tabrino
