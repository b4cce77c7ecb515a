// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// One figure of the insights: a small label, the amount per month and a
// line of detail. The amount shrinks (to 70 %) rather than being cut when
// the card is narrow; the label keeps one size. Read as one element.
AuroraCard {
    id: card

    required property string label
    required property string value
    required property string detail
    required property string accessibilityText
    required property string perMonthText

    readonly property int valueSize: Theme.fontTitle
    // The amount's size: as large as fits beside "/mo", down to 70 %.
    readonly property int fittedValueSize: {
        const room = content.width - perMonth.implicitWidth - 2
        const natural = naturalValue.implicitWidth
        const fitting = natural > room ? Math.floor(card.valueSize * room / natural) : card.valueSize
        return Math.max(Math.ceil(card.valueSize * 0.7), fitting)
    }

    radius: Theme.radiusStatCard
    implicitHeight: content.implicitHeight + 2 * content.x
    Accessible.role: Accessible.StaticText
    Accessible.name: card.accessibilityText

    // The amount at its full size, measured and never shown.
    TabularText {
        id: naturalValue
        visible: false
        Accessible.ignored: true
        text: card.value
        pixelSize: card.valueSize
        weight: Font.Bold
        letterSpacing: -0.3
    }
    FontMetrics {
        id: valueMetrics
        font.family: Theme.fontFamily
        font.pixelSize: card.fittedValueSize
        font.weight: Font.Bold
    }

    Column {
        id: content
        x: Theme.spacingL
        y: Theme.spacingL
        width: card.width - 2 * x
        spacing: 3

        ElidedText {
            width: parent.width
            text: card.label
            // One size on every card: English fits on a line; a longer
            // translation wraps once, then elides.
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontTiny
            font.weight: Font.Bold
            font.letterSpacing: 0.2
            font.capitalization: Font.AllUppercase
            color: Theme.textTertiary
            Accessible.ignored: true
        }
        Item {
            width: parent.width
            height: value.height
            clip: true

            TabularText {
                id: value
                objectName: "statValue"
                baselineOffset: valueMetrics.ascent
                text: card.value
                pixelSize: card.fittedValueSize
                weight: Font.Bold
                letterSpacing: -0.3
                Accessible.ignored: true
            }
            Text {
                id: perMonth
                x: value.width + 2
                anchors.baseline: value.baseline
                text: card.perMonthText
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontCaption
                color: Theme.textTertiary
                Accessible.ignored: true
            }
        }
        Text {
            width: parent.width
            text: card.detail
            elide: Text.ElideRight
            maximumLineCount: 1
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSmall
            color: Theme.statDetail
            Accessible.ignored: true
        }
    }
}
