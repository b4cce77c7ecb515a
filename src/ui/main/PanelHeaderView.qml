// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Main

// The monthly total with its glow, the yearly figure, and the change
// against last month.
Column {
    id: header

    required property SubscriptionStore store
    readonly property alias presenter: presenter

    leftPadding: 16
    rightPadding: 16
    topPadding: 20
    bottomPadding: 16
    spacing: 0

    PanelHeaderPresenter { id: presenter; store: header.store }

    Row {
        spacing: 2
        Accessible.role: Accessible.StaticText
        Accessible.name: presenter.monthlyAccessibilityText

        Item {
            implicitWidth: monthly.implicitWidth
            implicitHeight: monthly.implicitHeight
            Halo {
                source: monthly
                radius: 14
                samples: 29
                color: Qt.rgba(Theme.heroGlow.r, Theme.heroGlow.g, Theme.heroGlow.b, 0.38)
            }
            Halo {
                source: monthly
                radius: 3
                samples: 7
                color: Qt.rgba(Theme.heroGlow.r, Theme.heroGlow.g, Theme.heroGlow.b, 0.18)
            }
            TabularText {
                id: monthly
                objectName: "monthlyText"
                text: presenter.monthlyText
                countsUp: true
                pixelSize: 40
                weight: Font.Bold
                letterSpacing: -1.2
                Accessible.ignored: true
            }
        }
        Text {
            anchors.baseline: parent.children[0].bottom
            anchors.baselineOffset: -10
            text: qsTr("/mo")
            font.family: Theme.fontFamily
            font.pixelSize: 15
            font.weight: Font.DemiBold
            color: Qt.rgba(1, 1, 1, 0.55)
            Accessible.ignored: true
        }
    }
    TabularText {
        objectName: "yearlyText"
        topPadding: 6
        text: presenter.yearlyText
        countsUp: true
        pixelSize: 11
        color: Qt.rgba(1, 1, 1, 0.5)
    }
    Item {
        width: 1
        height: pill.visible || pill.opacity > 0 ? 12 : 0
    }
    DeltaPill {
        id: pill
        objectName: "deltaPill"
        presenter: presenter
        shown: presenter.showsDelta
    }
}
