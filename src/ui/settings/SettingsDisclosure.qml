// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// Shows or hides what follows it: a chevron that turns, and its label.
T.AbstractButton {
    id: disclosure

    property bool expanded: false

    implicitHeight: 22
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: expanded
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (disclosure.enabled) disclosure.clicked()

    contentItem: Row {
        spacing: Theme.spacingXS
        SymbolGlyph {
            anchors.verticalCenter: parent.verticalCenter
            symbol: "chevron.right"
            size: Theme.symbolLarge
            color: Theme.textTertiary
            rotation: disclosure.expanded ? 90 : 0
            Behavior on rotation { PanelSwapAnimation {} }
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: disclosure.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
            font.weight: Font.Medium
            color: disclosure.hovered ? Theme.textPrimary : Theme.disclosureLabel
        }
    }
    background: Item {
        FocusRing { target: disclosure; radius: Theme.radiusSmallButton }
    }
}
