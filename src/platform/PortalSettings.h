// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>

namespace tabrino {

// The XDG desktop portal's Settings interface, where desktops publish their
// appearance and animation choices (Read, and SettingChanged on change).
struct PortalSettings {
    static inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    static inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
    static inline const QString interface = QStringLiteral("org.freedesktop.portal.Settings");

    // A value as Read or SettingChanged hands it over: older portals wrap
    // it in one variant more than they should.
    static QVariant unwrap(QVariant value);
};

}  // namespace tabrino
