// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A recessed field background.
Rectangle {
    radius: Theme.radiusField
    color: Theme.insetFill
    border.width: 1
    border.color: Theme.fieldBorder
}
