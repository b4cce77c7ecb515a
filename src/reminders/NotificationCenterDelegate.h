#pragma once

#include "reminders/NotificationRequest.h"
#include "reminders/NotificationResponse.h"
#include "reminders/PresentationOption.h"

namespace tabrino {

// Receives a centre's notifications as they fire and the user's answers to
// them. Called on the main thread.
class NotificationCenterDelegate {
public:
    virtual ~NotificationCenterDelegate() = default;

    // How to show `request`, which is firing now.
    virtual PresentationOptions willPresent(const NotificationRequest& request) = 0;
    virtual void didReceive(const NotificationResponse& response) = 0;
};

}  // namespace tabrino
