#include "reminders/AuthorizationStatus.h"

namespace tabrino {

QString rawValue(AuthorizationStatus status)
{
    switch (status) {
    case AuthorizationStatus::notDetermined: return QStringLiteral("notDetermined");
    case AuthorizationStatus::denied: return QStringLiteral("denied");
    case AuthorizationStatus::authorized: return QStringLiteral("authorized");
    case AuthorizationStatus::provisional: return QStringLiteral("provisional");
    case AuthorizationStatus::ephemeral: return QStringLiteral("ephemeral");
    }
    return QStringLiteral("notDetermined");
}

}  // namespace tabrino
