// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// The catalog's search field: 13-point text; Return submits.
AuroraTextField {
    signal submitted()

    pixelSize: 13
    onAccepted: submitted()
}
