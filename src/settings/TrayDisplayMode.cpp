// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/TrayDisplayMode.h"

namespace tabrino {

namespace {

struct ModeNames {
    TrayDisplayMode mode;
    QStringView key;
    QStringView label;
};

// The stored name and the settings screen's text of each mode.
constexpr ModeNames kNames[] = {
    {TrayDisplayMode::Total, u"total", u"Total only"},
    {TrayDisplayMode::IconOnly, u"iconOnly", u"Icon only"},
    {TrayDisplayMode::IconAndTotal, u"iconAndTotal", u"Icon and total"},
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
    return namesOf(mode).label.toString();
}

}  // namespace tabrino
