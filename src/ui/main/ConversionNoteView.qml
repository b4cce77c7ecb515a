// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Main

// Under converted totals: the day of the rates, and what was left out.
Column {
    id: note

    required property SubscriptionStore store

    visible: presenter.shown
    spacing: 2

    ConversionNote { id: presenter; store: note.store }

    Text {
        objectName: "conversionRates"
        width: note.width
        wrapMode: Text.Wrap
        text: presenter.ratesText
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontCaption
        font.weight: Font.Medium
        color: Theme.textTertiary
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Text {
        objectName: "conversionLeftOut"
        width: note.width
        visible: presenter.leftOutText.length > 0
        wrapMode: Text.Wrap
        text: presenter.leftOutText
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontCaption
        font.weight: Font.Medium
        color: Theme.amber
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
