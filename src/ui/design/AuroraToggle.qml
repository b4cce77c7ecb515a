// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A switch with its label on the leading side.
T.Switch {
    id: toggle

    implicitWidth: Math.max(implicitBackgroundWidth, implicitContentWidth + indicator.width + spacing)
    implicitHeight: Theme.optionHeight
    spacing: Theme.spacingM
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
        radius: height / 2
        color: toggle.checked ? Theme.violetDeep : Theme.switchTrackOff
        Behavior on color { ColorAnimation { duration: Theme.reduceMotion ? 0 : 150 } }
        Rectangle {
            x: toggle.checked ? parent.width - width - 2 : 2
            anchors.verticalCenter: parent.verticalCenter
            width: 16
            height: 16
            radius: height / 2
            color: Theme.knob
            Behavior on x { PanelSwapAnimation {} }
        }
        FocusRing { target: toggle; targetRadius: toggle.indicator.height / 2 }
    }

    contentItem: Text {
        text: toggle.text
        rightPadding: toggle.indicator.width + toggle.spacing
        verticalAlignment: Text.AlignVCenter
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontLabel
        color: Theme.textPrimary
    }
}
