// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tabrino {

// The version shown on the settings screen, set by the build.
class AppVersion {
public:
    AppVersion() = delete;

    // "1.0" when the build gives none.
    static QString shortVersion();
    // "1" when the build gives none.
    static QString buildNumber();
    // The short version, " (", the build number and ")": "1.0 (1)".
    static QString text();
};

}  // namespace tabrino
