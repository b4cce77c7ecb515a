// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// An overlay's title row: a back button, the title centred between two
// equal squares.
Item {
    id: header

    required property string title
    signal back()

    implicitHeight: Theme.iconButtonSize

    IconButton {
        id: backButton
        objectName: "backButton"
        anchors.left: parent.left
        symbol: "chevron.left"
        symbolSize: Theme.symbolSmall
        //: The name of the button at the top left that leaves a screen
        text: qsTr("Back")
        onClicked: header.back()
    }
    Text {
        anchors.left: backButton.right
        anchors.right: parent.right
        anchors.rightMargin: backButton.width
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignHCenter
        text: header.title
        elide: Text.ElideRight
        maximumLineCount: 1
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontLabel
        font.weight: Font.DemiBold
        color: Theme.textBright
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
}
