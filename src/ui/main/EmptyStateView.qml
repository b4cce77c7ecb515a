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
            color: Theme.illustrationBack
        }
        Rectangle {
            anchors.centerIn: parent
            anchors.horizontalCenterOffset: 14
            anchors.verticalCenterOffset: -2
            width: 74
            height: 48
            radius: 10
            rotation: 6
            color: Theme.illustrationFront
        }
        Halo {
            source: card
            radius: 10
            samples: 21
            color: Theme.illustrationGlow
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
        //: The heading of the panel while no subscription is tracked
        text: qsTr("Track your first subscription")
        Accessible.role: Accessible.Heading
        Accessible.name: text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontTitle
        font.weight: Font.Bold
        color: Theme.textBright
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        topPadding: Theme.spacingXS
        bottomPadding: Theme.spacingXXL
        //: Under "Track your first subscription": adding one is quick
        text: qsTr("Takes about 10 seconds.")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontBody
        color: Theme.textSecondary
    }
    ProminentButton {
        objectName: "emptyStateAddButton"
        anchors.horizontalCenter: parent.horizontalCenter
        symbol: "plus"
        //: The button under "Track your first subscription"
        text: qsTr("Add Subscription")
        onClicked: empty.add()
    }
}
