// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tabrino {

// What the tray item shows. Stored by its name (toString), which earlier
// releases wrote, so the names never change.
enum class TrayDisplayMode { Total, IconOnly, IconAndTotal };

// Every mode, in the order the settings screen lists them.
inline constexpr std::array<TrayDisplayMode, 3> kTrayDisplayModes{
    TrayDisplayMode::Total,
    TrayDisplayMode::IconOnly,
    TrayDisplayMode::IconAndTotal,
};

// "total", "iconOnly" or "iconAndTotal".
QString toString(TrayDisplayMode mode);

// The mode whose name is exactly `text` (no trimming, case-sensitive).
std::optional<TrayDisplayMode> trayDisplayModeFromString(QStringView text);

// The choice's text on the settings screen ("Total only", ...).
QString label(TrayDisplayMode mode);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::TrayDisplayMode)
