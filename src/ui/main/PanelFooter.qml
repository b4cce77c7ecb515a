// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// The main screen's footer: the add button (when there is a list to add
// to) and the settings button, at the trailing edge.
Item {
    id: footer

    property bool showsAdd: true
    signal add()
    signal settings()

    implicitHeight: buttons.implicitHeight + 2 * Theme.spacingL

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.footerSheen }
            GradientStop { position: 1; color: Theme.sheenEnd }
        }
    }
    Rectangle {
        width: parent.width
        height: 1
        color: Theme.hairline
    }
    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: Theme.spacingXL
        anchors.verticalCenter: parent.verticalCenter
        spacing: Theme.spacingM

        ProminentButton {
            objectName: "footerAddButton"
            visible: footer.showsAdd
            symbol: "plus"
            //: A button at the bottom of the panel
            text: qsTr("Add Subscription")
            onClicked: footer.add()
        }
        IconButton {
            objectName: "settingsButton"
            anchors.verticalCenter: parent.verticalCenter
            symbol: "gearshape"
            size: 30
            //: The name of the gear button at the bottom of the panel
            text: qsTr("Settings")
            onClicked: footer.settings()
        }
    }
}
