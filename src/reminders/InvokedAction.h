// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariantMap>

namespace tabrino {

// An ActionInvoked signal of the notification server, tied back to the
// request that was shown: the action's key ("default" for a click on the
// body) and the request's identifier and user information.
struct InvokedAction {
    QString actionKey;
    QString requestIdentifier;
    QVariantMap userInfo;
};

}  // namespace tabrino
