// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tabrino {

class Subscription;
class SubscriptionStore;

// How a screen adds a record it made: into the store's context, saved, and
// after the first one ever a look for what shows reminders.
class NewSubscription {
public:
    NewSubscription() = delete;

    // Takes ownership of `record`.
    static void add(SubscriptionStore& store, Subscription* record);
};

}  // namespace tabrino
