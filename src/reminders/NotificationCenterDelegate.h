// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reminders/InvokedAction.h"

namespace tabrino {

// Hears the user's answers to a centre's notifications. Called on the main
// thread.
class NotificationCenterDelegate {
public:
    virtual ~NotificationCenterDelegate() = default;

    virtual void actionInvoked(const InvokedAction& action) = 0;
};

}  // namespace tabrino
