// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <optional>

namespace tabrino {

// A yes-or-no value as files write it: Yes/No, true/false, 1/0, Y/N, on/off,
// enabled/disabled, active/inactive, in any letter case.
class FlagText {
public:
    FlagText() = delete;

    // Absent for any other text.
    static std::optional<bool> read(QStringView text);
};

}  // namespace tabrino
