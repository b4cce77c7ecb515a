// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QStringView>

namespace tabrino {

// A brand colour from its stored text: exactly six hex digits once every
// non-alphanumeric character at either end is trimmed ("#FF0000", "ff0000").
// Anything else (a 3- or 8-digit code, a "0x" prefix, a stray letter) is the
// neutral grey 0.55.
QColor colorFromHex(QStringView text);

}  // namespace tabrino
