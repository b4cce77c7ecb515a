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

    implicitHeight: buttons.implicitHeight + 2 * 10

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.rgba(1, 1, 1, 0.03) }
            GradientStop { position: 1; color: Qt.rgba(1, 1, 1, 0) }
        }
    }
    Rectangle {
        width: parent.width
        height: 1
        color: Qt.rgba(1, 1, 1, 0.08)
    }
    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8

        ProminentButton {
            objectName: "footerAddButton"
            visible: footer.showsAdd
            symbol: "plus"
            text: qsTr("Add Subscription")
            onClicked: footer.add()
        }
        IconButton {
            objectName: "settingsButton"
            anchors.verticalCenter: parent.verticalCenter
            symbol: "gearshape"
            size: 30
            text: qsTr("Settings")
            onClicked: footer.settings()
        }
    }
}
