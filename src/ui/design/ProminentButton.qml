// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// The main action of a screen: white semibold label, optional leading symbol,
// on a filled violet capsule with a drop shadow; pressed, it dims and shrinks
// a little on a quick spring.
T.Button {
    id: button

    property string symbol: ""

    leftPadding: 11
    rightPadding: 11
    topPadding: 7
    bottomPadding: 7
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    focusPolicy: Qt.StrongFocus
    opacity: enabled ? (down ? 0.75 : 1) : 0.45
    scale: down ? 0.98 : 1
    Accessible.name: text
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (button.enabled) button.clicked()

    Behavior on opacity { PressAnimation {} }
    Behavior on scale { PressAnimation {} }

    // Laid out by the paddings: anchors on a control's content fight its
    // own placement and pushed the label to the leading edge.
    contentItem: Row {
        spacing: 7

        SymbolGlyph {
            visible: button.symbol.length > 0
            symbol: button.symbol
            size: Theme.symbolMedium
            font.weight: Font.Bold
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            text: button.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLabel
            font.weight: Font.DemiBold
            color: Theme.textBright
            anchors.verticalCenter: parent.verticalCenter
        }
    }

    background: Item {
        SoftShadow {
            y: 2
            width: parent.width
            height: parent.height
            glowRadius: 6
            radius: Theme.radiusProminent
            color: Theme.buttonShadow
        }
        Rectangle {
            anchors.fill: parent
            radius: Theme.radiusProminent
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.violet }
                GradientStop { position: 1; color: Theme.violetDeep }
            }
        }
    }

    FocusRing { target: button; targetRadius: Theme.radiusProminent }
}
