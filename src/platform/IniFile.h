// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace tabrino {

// Desktop settings files in the INI style (kdeglobals, GTK's settings.ini),
// read as their desktops write them.
struct IniFile {
    // The value of `key` in `[group]` of the file at `path`, the last one
    // where it repeats; empty when the file, the group or the key is absent.
    static QString value(const QString& path, QStringView group, QStringView key);
};

}  // namespace tabrino
