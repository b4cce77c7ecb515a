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
    using SnoozeHandler = std::function<void(const QUuid& subscriptionID)>;

    virtual ~ReminderService() = default;
    // Replaces the pending reminders by the set these subscriptions call for.
    virtual void reconcile(const QList<Subscription*>& subscriptions, const Calendar& calendar) = 0;
    virtual void setSnoozeHandler(SnoozeHandler handler) = 0;
};

}  // namespace tabrino
