// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// One catalog service in the search results: its icon, name and "from"
// price, and a chevron; a full-width button that lights up under the
// pointer. Return, Enter and Space choose it; Up and Down move between rows.
T.AbstractButton {
    id: row

    required property string name
    required property string colorHex
    required property string symbol
    required property string subtitle
    required property string accessibilityText

    implicitHeight: Theme.serviceIconMedium + 2 * Theme.spacingXS
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: accessibilityText
    Accessible.description: subtitle
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (row.enabled) row.clicked()
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()
    Keys.onDownPressed: row.nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
    Keys.onUpPressed: row.nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)

    background: Rectangle {
        radius: Theme.radiusOption
        color: row.hovered || row.down ? Theme.hoverFill : "transparent"
        FocusRing { target: row; targetRadius: Theme.radiusOption }
    }

    contentItem: Row {
        leftPadding: Theme.spacingM
        rightPadding: Theme.spacingM
        spacing: Theme.spacingL
        ServiceIconView {
            anchors.verticalCenter: parent.verticalCenter
            size: Theme.serviceIconMedium
            name: row.name
            colorHex: row.colorHex
            symbolName: row.symbol
        }
        Column {
            // What the icon, the chevron and the spacing leave.
            width: row.availableWidth - 2 * Theme.spacingM - Theme.serviceIconMedium - Theme.symbolLarge - 2 * Theme.spacingL
            anchors.verticalCenter: parent.verticalCenter
            spacing: 1
            ElidedText {
                width: parent.width
                text: row.name
                maximumLineCount: 1
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontLabel
                font.weight: Font.DemiBold
                color: Theme.textPrimary
            }
            ElidedText {
                width: parent.width
                visible: row.subtitle.length > 0
                text: row.subtitle
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSmall
                color: Theme.textTertiary
            }
        }
        SymbolGlyph {
            anchors.verticalCenter: parent.verticalCenter
            symbol: "chevron.right"
            size: Theme.symbolLarge
            color: Theme.textTertiary
        }
    }
}
