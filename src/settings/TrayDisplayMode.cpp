// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/TrayDisplayMode.h"

#include <QCoreApplication>

namespace tabrino {

namespace {

struct ModeNames {
    TrayDisplayMode mode;
    QStringView key;
    const char* label;  // English; the key of its translation
};

// The stored name and the settings screen's text of each mode.
constexpr ModeNames kNames[] = {
    //: A choice in the settings of what the tray item shows: the monthly total alone
    {TrayDisplayMode::Total, u"total", QT_TRANSLATE_NOOP("TrayDisplayMode", "Total only")},
    //: A choice in the settings of what the tray item shows: the app's icon alone
    {TrayDisplayMode::IconOnly, u"iconOnly", QT_TRANSLATE_NOOP("TrayDisplayMode", "Icon only")},
    //: A choice in the settings of what the tray item shows: the app's icon and the monthly total
    {TrayDisplayMode::IconAndTotal, u"iconAndTotal", QT_TRANSLATE_NOOP("TrayDisplayMode", "Icon and total")},
};

const ModeNames& namesOf(TrayDisplayMode mode)
{
    for (const ModeNames& names : kNames) {
        if (names.mode == mode)
            return names;
    }
    return kNames[0];
}

}  // namespace

QString toString(TrayDisplayMode mode)
{
    return namesOf(mode).key.toString();
}

std::optional<TrayDisplayMode> trayDisplayModeFromString(QStringView text)
{
    for (const ModeNames& names : kNames) {
        if (text == names.key)
            return names.mode;
    }
    return std::nullopt;
}

QString label(TrayDisplayMode mode)
{
    return QCoreApplication::translate("TrayDisplayMode", namesOf(mode).label);
}

}  // namespace tabrino
