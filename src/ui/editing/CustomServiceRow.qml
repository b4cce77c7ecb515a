// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// The row under the search results that leads to a subscription typed in
// by hand; its label carries the search text.
T.AbstractButton {
    id: row

    implicitHeight: Theme.serviceIconMedium + 2 * Theme.spacingXS
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (row.enabled) row.clicked()
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()
    Keys.onUpPressed: row.nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)

    background: Rectangle {
        radius: Theme.radiusOption
        color: row.hovered || row.down ? Theme.hoverFill : "transparent"
        FocusRing { target: row; targetRadius: Theme.radiusOption }
    }

    contentItem: Item {
        SymbolGlyph {
            x: Theme.spacingM + (Theme.serviceIconMedium - width) / 2
            anchors.verticalCenter: parent.verticalCenter
            symbol: "plus.circle.dashed"
            size: 20
            color: Theme.violet
        }
        ElidedText {
            anchors.left: parent.left
            anchors.leftMargin: Theme.spacingM + Theme.serviceIconMedium + Theme.spacingL
            anchors.right: parent.right
            anchors.rightMargin: Theme.spacingM
            anchors.verticalCenter: parent.verticalCenter
            text: row.text
            maximumLineCount: 1
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLabel
            font.weight: Font.Medium
            color: Theme.textPrimary
        }
    }
}
