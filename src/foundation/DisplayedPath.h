// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tabrino {

// A path as messages and screens show it: inside the home folder it starts
// with "~" ("~/.config/autostart"); elsewhere it stays as it is.
class DisplayedPath {
public:
    DisplayedPath() = delete;

    static QString of(const QString& path);
};

}  // namespace tabrino
