// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// The catalog's search field: label-sized text; Return submits.
AuroraTextField {
    signal submitted()

    pixelSize: Theme.fontLabel
    onAccepted: submitted()
}
