// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reminders/NotificationCategory.h"
#include "reminders/NotificationRequest.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tabrino {

class NotificationCenterDelegate;

// The desktop's local notifications: the server's capabilities, categories
// of actions, and requests that fire at a calendar time. Everything runs on
// the main thread; the callbacks of the asynchronous calls run on a later
// turn of the event loop, never inside the call.
class NotificationCenter {
public:
    // What GetCapabilities answered ("actions", "body-markup", ...); none
    // when no notification server answers.
    using CapabilitiesCallback = std::function<void(const std::optional<QStringList>& capabilities)>;
    // `error` is empty on success.
    using AddCallback = std::function<void(const QString& error)>;
    using PendingCallback = std::function<void(const QList<NotificationRequest>& pending)>;

    virtual ~NotificationCenter() = default;

    // Not owned; may be null.
    virtual void setDelegate(NotificationCenterDelegate* delegate) = 0;

    virtual void capabilities(CapabilitiesCallback done) = 0;

    // Replaces every category registered before.
    virtual void setCategories(const QList<NotificationCategory>& categories) = 0;

    virtual void add(const NotificationRequest& request, AddCallback done = {}) = 0;
    // In the order they fire.
    virtual void pendingRequests(PendingCallback done) = 0;
    virtual void removePending(const QStringList& identifiers) = 0;
    virtual void removeAllPending() = 0;
};

}  // namespace tabrino
