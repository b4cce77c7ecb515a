// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// What a person with no active subscription sees: two tilted cards under a
// glowing card symbol, an invitation, and the add button.
Column {
    id: empty

    signal add()

    topPadding: 48
    bottomPadding: 44
    spacing: 0

    Item {
        id: illustration
        anchors.horizontalCenter: parent.horizontalCenter
        width: 120
        height: 72
        Accessible.ignored: true

        Rectangle {
            anchors.centerIn: parent
            anchors.horizontalCenterOffset: -17
            anchors.verticalCenterOffset: 4
            width: 74
            height: 48
            radius: 10
            rotation: -9
            color: Qt.rgba(Theme.violetDeep.r, Theme.violetDeep.g, Theme.violetDeep.b, 0.16)
        }
        Rectangle {
            anchors.centerIn: parent
            anchors.horizontalCenterOffset: 14
            anchors.verticalCenterOffset: -2
            width: 74
            height: 48
            radius: 10
            rotation: 6
            color: Qt.rgba(Theme.violetDeep.r, Theme.violetDeep.g, Theme.violetDeep.b, 0.30)
        }
        Halo {
            source: card
            radius: 10
            samples: 21
            color: Qt.rgba(Theme.heroGlow.r, Theme.heroGlow.g, Theme.heroGlow.b, 0.40)
        }
        SymbolGlyph {
            id: card
            anchors.centerIn: parent
            symbol: "creditcard.fill"
            size: 26
            font.weight: Font.Medium
            color: Theme.violet
        }
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        topPadding: 14
        text: qsTr("Track your first subscription")
        Accessible.role: Accessible.Heading
        Accessible.name: text
        font.family: Theme.fontFamily
        font.pixelSize: 15
        font.weight: Font.Bold
        color: "white"
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        topPadding: 4
        bottomPadding: 16
        text: qsTr("Takes about 10 seconds.")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        font.family: Theme.fontFamily
        font.pixelSize: 12
        color: Qt.rgba(1, 1, 1, 0.55)
    }
    ProminentButton {
        objectName: "emptyStateAddButton"
        anchors.horizontalCenter: parent.horizontalCenter
        symbol: "plus"
        text: qsTr("Add Subscription")
        onClicked: empty.add()
    }
}
