#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tabrino {

// What the tray item shows. Stored by its raw value, which is the case name.
enum class MenuBarDisplayMode { total, iconOnly, iconAndTotal };

// Every case, in the order the settings screen lists them.
inline constexpr std::array<MenuBarDisplayMode, 3> kAllMenuBarDisplayModes{
    MenuBarDisplayMode::total,
    MenuBarDisplayMode::iconOnly,
    MenuBarDisplayMode::iconAndTotal,
};

// "total", "iconOnly" or "iconAndTotal".
QString rawValue(MenuBarDisplayMode mode);

// The case whose raw value is exactly `text` (no trimming, case-sensitive).
std::optional<MenuBarDisplayMode> menuBarDisplayModeFromRawValue(QStringView text);

// The choice's text on the settings screen ("Total only", ...).
QString label(MenuBarDisplayMode mode);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::MenuBarDisplayMode)
