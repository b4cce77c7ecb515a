// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaType>

namespace tabrino {

// Whether a notification server answers on the session bus. On a freedesktop
// desktop that is all there is to "may this program notify": whoever owns
// org.freedesktop.Notifications shows what it is sent. Unknown until the
// first answer.
enum class ServerPresence { Unknown, Absent, Present };

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::ServerPresence)
