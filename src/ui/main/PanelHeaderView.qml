// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Main

// The monthly total with its glow, the yearly figure, the note on converted
// totals, and the change against last month.
Column {
    id: header

    required property SubscriptionStore store
    readonly property alias presenter: presenter

    leftPadding: Theme.spacingXXL
    rightPadding: Theme.spacingXXL
    topPadding: Theme.spacingXXXL
    bottomPadding: Theme.spacingXXL
    spacing: 0

    PanelHeaderPresenter { id: presenter; store: header.store }

    Row {
        spacing: Theme.spacingXXS
        Accessible.role: Accessible.StaticText
        Accessible.name: presenter.monthlyAccessibilityText

        Item {
            implicitWidth: monthly.implicitWidth
            implicitHeight: monthly.implicitHeight
            Halo {
                source: monthly
                radius: 14
                samples: 29
                color: Theme.heroHalo
            }
            Halo {
                source: monthly
                radius: 3
                samples: 7
                color: Theme.heroHaloTight
            }
            TabularText {
                id: monthly
                objectName: "monthlyText"
                text: presenter.monthlyText
                countsUp: true
                pixelSize: Theme.fontHero
                weight: Font.Bold
                letterSpacing: -1.2
                Accessible.ignored: true
            }
        }
        Text {
            anchors.baseline: parent.children[0].bottom
            anchors.baselineOffset: -10
            text: presenter.perMonthText
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontTitle
            font.weight: Font.DemiBold
            color: Theme.textSecondary
            Accessible.ignored: true
        }
    }
    TabularText {
        objectName: "yearlyText"
        topPadding: Theme.spacingS
        text: presenter.yearlyText
        countsUp: true
        pixelSize: Theme.fontSmall
        color: Theme.heroCaption
    }
    ConversionNoteView {
        objectName: "conversionNote"
        topPadding: 6
        width: header.width - header.leftPadding - header.rightPadding
        store: header.store
    }
    Item {
        width: 1
        height: pill.visible || pill.opacity > 0 ? Theme.spacingXL : 0
    }
    DeltaPill {
        id: pill
        objectName: "deltaPill"
        presenter: presenter
        shown: presenter.showsDelta
    }
}
