// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reminders/CalendarTrigger.h"
#include "reminders/NotificationContent.h"

#include <QString>

namespace tabrino {

// One scheduled notification. Adding a request whose identifier is already
// pending replaces the pending one.
struct NotificationRequest {
    QString identifier;
    NotificationContent content;
    CalendarTrigger trigger;

    friend bool operator==(const NotificationRequest&, const NotificationRequest&) = default;
};

}  // namespace tabrino
