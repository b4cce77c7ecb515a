// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// The row under the search results that leads to a subscription typed in
// by hand; its label carries the search text.
T.AbstractButton {
    id: row

    implicitHeight: 28 + 2 * 4
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
        radius: 10
        color: row.hovered || row.down ? Qt.rgba(1, 1, 1, 0.07) : "transparent"
        FocusRing { target: row; radius: 12 }
    }

    contentItem: Item {
        SymbolGlyph {
            x: 8 + (28 - width) / 2
            anchors.verticalCenter: parent.verticalCenter
            symbol: "plus.circle.dashed"
            size: 20
            color: Theme.violet
        }
        Text {
            anchors.left: parent.left
            anchors.leftMargin: 8 + 28 + 10
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: row.text
            elide: Text.ElideRight
            maximumLineCount: 1
            font.family: Theme.fontFamily
            font.pixelSize: 13
            font.weight: Font.Medium
            color: Theme.textPrimary
        }
    }
}
