// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// "ARCHIVED", beside the name of a subscription that has ended.
Rectangle {
    implicitWidth: label.implicitWidth + 2 * 5
    implicitHeight: label.implicitHeight + 2 * 1
    radius: Theme.radiusTag
    color: Theme.raisedFill
    border.width: 1
    border.color: Theme.outline
    Accessible.role: Accessible.StaticText
    //: Read out for the tag beside an archived subscription's name
    Accessible.name: qsTr("Archived")

    Text {
        id: label
        anchors.centerIn: parent
        //: A small tag beside an archived subscription's name, in capitals where the language has them
        text: qsTr("ARCHIVED")
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontTiny
        font.weight: Font.Bold
        font.letterSpacing: 0.5
        color: Theme.textSecondary
        Accessible.ignored: true
    }
}
