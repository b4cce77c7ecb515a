#pragma once

#include <QString>
#include <QVariantMap>

namespace tabrino {

// What a notification says. `userInfo` holds text values only; it comes back
// with the user's response.
struct NotificationContent {
    QString title;
    QString body;
    bool defaultSound = false;
    QString categoryIdentifier;
    QVariantMap userInfo;

    friend bool operator==(const NotificationContent&, const NotificationContent&) = default;
};

}  // namespace tabrino
