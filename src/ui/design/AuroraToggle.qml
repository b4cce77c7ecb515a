// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A switch with its label on the leading side.
T.Switch {
    id: toggle

    implicitWidth: Math.max(implicitBackgroundWidth, implicitContentWidth + indicator.width + spacing)
    implicitHeight: 24
    spacing: 8
    focusPolicy: Qt.StrongFocus
    Accessible.name: text
    // A screen reader's Toggle or Press flips the switch as a click does,
    // `toggled` included: Qt 6.4 would only set `checked`, and whoever
    // listens for the user's change would never hear of it.
    Accessible.onToggleAction: toggle.flip()
    Accessible.onPressAction: toggle.flip()

    function flip() {
        if (!toggle.enabled)
            return
        toggle.toggle()
        toggle.toggled()
    }

    indicator: Rectangle {
        x: toggle.width - width
        anchors.verticalCenter: parent.verticalCenter
        width: 34
        height: 20
        radius: 10
        color: toggle.checked ? Theme.violetDeep : Qt.rgba(1, 1, 1, 0.16)
        Behavior on color { ColorAnimation { duration: Theme.reduceMotion ? 0 : 150 } }
        Rectangle {
            x: toggle.checked ? parent.width - width - 2 : 2
            anchors.verticalCenter: parent.verticalCenter
            width: 16
            height: 16
            radius: 8
            color: "white"
            Behavior on x { PanelSwapAnimation {} }
        }
        FocusRing { target: toggle; radius: 12 }
    }

    contentItem: Text {
        text: toggle.text
        rightPadding: toggle.indicator.width + toggle.spacing
        verticalAlignment: Text.AlignVCenter
        font.family: Theme.fontFamily
        font.pixelSize: 13
        color: Theme.textPrimary
    }
}
