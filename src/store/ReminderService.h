// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"

#include <QList>
#include <QUuid>

#include <functional>

namespace tabrino {

class Subscription;

// What the store needs from the reminder planner: re-planning after every
// change, and a way back in when the user snoozes a reminder.
class ReminderService {
public:
    using SnoozeHandler = std::function<void(const QUuid& subscriptionId)>;

    virtual ~ReminderService() = default;
    // Replaces the pending reminders by the set these subscriptions call for.
    virtual void reconcile(const QList<Subscription*>& subscriptions, const Calendar& calendar) = 0;
    virtual void setSnoozeHandler(SnoozeHandler handler) = 0;
    // Once in the life of the settings, looks for what shows reminders (a
    // notification server); the screens call it after each subscription
    // they add. A planner that shows nothing has nothing to look for.
    virtual void requestNotificationsIfFirst() {}
};

}  // namespace tabrino
