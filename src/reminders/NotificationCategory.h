// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reminders/NotificationAction.h"

#include <QList>
#include <QString>

namespace tabrino {

// A kind of notification and the actions every notification of it offers,
// in the order they are shown.
struct NotificationCategory {
    QString identifier;
    QList<NotificationAction> actions;

    friend bool operator==(const NotificationCategory&, const NotificationCategory&) = default;
};

}  // namespace tabrino
