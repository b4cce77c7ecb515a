#pragma once

#include <QString>
#include <QVariantMap>

namespace tabrino {

// The user's answer to a shown notification: the action chosen (or the
// dismiss identifier when it was closed without one) and the request's user
// information.
struct NotificationResponse {
    static QString dismissActionIdentifier() { return QStringLiteral("DISMISS"); }

    QString actionIdentifier;
    QString requestIdentifier;
    QVariantMap userInfo;
};

}  // namespace tabrino
