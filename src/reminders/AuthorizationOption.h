#pragma once

#include <QFlags>

namespace tabrino {

// What an authorization request asks to be allowed to do.
enum class AuthorizationOption { alert = 0x1, sound = 0x2, badge = 0x4 };
using AuthorizationOptions = QFlags<AuthorizationOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(AuthorizationOptions)

}  // namespace tabrino
