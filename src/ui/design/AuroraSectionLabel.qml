// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A section's title: small, spaced capitals.
Text {
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontCaption
    font.weight: Font.Bold
    font.letterSpacing: 1
    font.capitalization: Font.AllUppercase
    color: Theme.textTertiary
    Accessible.role: Accessible.Heading
    Accessible.name: text
}
