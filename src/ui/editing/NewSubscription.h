#pragma once

namespace tabrino {

class Subscription;
class SubscriptionStore;

// How a screen adds a record it made: into the store's context, saved, and
// after the first one ever a request for permission to remind.
class NewSubscription {
public:
    NewSubscription() = delete;

    // Takes ownership of `record`.
    static void add(SubscriptionStore& store, Subscription* record);
};

}  // namespace tabrino
