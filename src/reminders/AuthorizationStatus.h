#pragma once

#include <QMetaType>
#include <QString>

namespace tabrino {

// Whether the application may show notifications. This platform only ever
// reports authorized (a notification server answers) or denied (none does);
// the other cases exist so callers treat every answer a centre may give.
enum class AuthorizationStatus { notDetermined, denied, authorized, provisional, ephemeral };

// The case name ("authorized").
QString rawValue(AuthorizationStatus status);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::AuthorizationStatus)
