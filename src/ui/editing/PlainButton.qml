// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A borderless button: a label, with an optional leading symbol, that
// brightens under the pointer. Return and Enter press it, as Space does.
T.Button {
    id: button

    property string symbol: ""
    property int pixelSize: Theme.fontLabel
    property int weight: Font.Medium
    property real textOpacity: 0.75
    readonly property color labelColor: Theme.withAlpha(Theme.textBright, down ? textOpacity * 0.6
                                                        : (hovered ? Math.min(1, textOpacity + 0.2) : textOpacity))

    implicitWidth: implicitContentWidth + 2 * Theme.spacingM
    implicitHeight: implicitContentHeight + 2 * 5
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true
    opacity: enabled ? 1 : 0.45
    Accessible.role: Accessible.Button
    Accessible.name: text
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (button.enabled) button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    contentItem: Row {
        anchors.centerIn: parent
        spacing: Theme.spacingS
        SymbolGlyph {
            visible: button.symbol.length > 0
            anchors.verticalCenter: parent.verticalCenter
            symbol: button.symbol
            size: button.pixelSize + 1
            color: button.labelColor
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: button.text
            font.family: Theme.fontFamily
            font.pixelSize: button.pixelSize
            font.weight: button.weight
            color: button.labelColor
        }
    }
    background: Rectangle {
        radius: Theme.radiusButton
        color: button.hovered ? Theme.hoverFill : "transparent"
        FocusRing { target: button; targetRadius: Theme.radiusButton }
    }
}
