// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// One charge of the coming week: name, amount, and when.
Column {
    id: cell

    required property var charge
    spacing: Theme.spacingXXS
    Accessible.role: Accessible.StaticText
    Accessible.name: charge.accessibilityText

    ElidedText {
        width: cell.width
        text: cell.charge.name
        maximumLineCount: 1
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSmall
        font.weight: Font.DemiBold
        color: Theme.textLabel
        Accessible.ignored: true
    }
    TabularText {
        text: cell.charge.amountLabel
        pixelSize: Theme.fontLabel
        weight: Font.Bold
        letterSpacing: -0.1
        Accessible.ignored: true
    }
    Text {
        text: cell.charge.dayLabel
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontCaption
        font.weight: Font.DemiBold
        color: cell.charge.dayColor
        Accessible.ignored: true
    }
}
