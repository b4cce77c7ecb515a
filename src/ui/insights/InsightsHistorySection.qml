// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Shapes
import Tabrino.Design
import Tabrino.Insights

// The last twelve months: the lowest and the current month in figures, one
// bar per month (the current one in violet, estimated ones faded), the
// first and last month's names, and a note when any month is estimated.
Column {
    id: section

    required property SubscriptionStore store
    required property date now
    readonly property alias presenter: presenter

    spacing: Theme.spacingS

    InsightsHistoryPresenter { id: presenter; store: section.store; now: section.now }

    FontMetrics {
        id: lowMetrics
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontCaption
        font.weight: Font.DemiBold
    }
    FontMetrics {
        id: lastMetrics
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSmall
        font.weight: Font.Bold
    }

    Item {
        width: section.width
        height: last.height

        TabularText {
            objectName: "historyLow"
            anchors.baseline: last.baseline
            baselineOffset: lowMetrics.ascent
            text: presenter.lowText
            pixelSize: Theme.fontCaption
            weight: Font.DemiBold
            color: Theme.textQuiet
        }
        TabularText {
            id: last
            objectName: "historyLast"
            anchors.right: parent.right
            baselineOffset: lastMetrics.ascent
            text: presenter.lastText
            pixelSize: Theme.fontSmall
            weight: Font.Bold
            color: Theme.violet
        }
    }

    Row {
        id: bars
        objectName: "historyBars"
        width: section.width
        height: 78
        spacing: Theme.spacingXS

        Repeater {
            model: presenter.rows
            delegate: Item {
                id: bar
                required property real barHeight
                required property real barOpacity
                required property bool isCurrent
                required property string accessibilityText
                // Follows the figure on the panelSwap spring.
                property real shownHeight: barHeight

                width: (bars.width - bars.spacing * (presenter.rows.count - 1)) / presenter.rows.count
                height: bars.height
                opacity: bar.barOpacity
                Accessible.role: Accessible.Graphic
                Accessible.name: bar.accessibilityText

                Behavior on shownHeight { PanelSwapAnimation {} }

                Shape {
                    y: bar.height - bar.shownHeight
                    width: bar.width
                    height: bar.shownHeight

                    // Rounded 3 at the top and 1 at the bottom.
                    ShapePath {
                        fillColor: Theme.barFill
                        fillGradient: bar.isCurrent ? currentFill : null
                        strokeWidth: -1
                        strokeColor: "transparent"
                        startX: 0
                        startY: 3
                        PathArc { x: 3; y: 0; radiusX: 3; radiusY: 3 }
                        PathLine { x: bar.width - 3; y: 0 }
                        PathArc { x: bar.width; y: 3; radiusX: 3; radiusY: 3 }
                        PathLine { x: bar.width; y: bar.shownHeight - 1 }
                        PathArc { x: bar.width - 1; y: bar.shownHeight; radiusX: 1; radiusY: 1 }
                        PathLine { x: 1; y: bar.shownHeight }
                        PathArc { x: 0; y: bar.shownHeight - 1; radiusX: 1; radiusY: 1 }
                        PathLine { x: 0; y: 3 }
                    }
                    LinearGradient {
                        id: currentFill
                        x1: 0
                        y1: 0
                        x2: 0
                        y2: bar.shownHeight
                        GradientStop { position: 0; color: Theme.violet }
                        GradientStop { position: 1; color: Theme.violetDeep }
                    }
                }
            }
        }
    }

    Item {
        width: section.width
        height: firstMonth.implicitHeight

        Text {
            id: firstMonth
            objectName: "historyFirstMonth"
            text: presenter.firstMonthText
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontCaption
            font.weight: Font.Medium
            color: Theme.textQuiet
        }
        Text {
            objectName: "historyLastMonth"
            anchors.right: parent.right
            text: presenter.lastMonthText
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontCaption
            font.weight: Font.Medium
            color: Theme.violet
        }
    }

    Text {
        objectName: "historyFootnote"
        visible: presenter.showsFootnote
        width: section.width
        wrapMode: Text.Wrap
        //: Under the chart of the last 12 months' spend
        text: qsTr("Faded bars are estimated from your current subscriptions.")
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontTiny
        color: Theme.textFaint
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Text {
        objectName: "historyRecordedNote"
        visible: presenter.showsRecordedNote
        width: section.width
        wrapMode: Text.Wrap
        //: Under the chart of the last 12 months' spend, when some months' totals were recorded in
        //: another currency or without converting
        text: qsTr("Faded months recorded unconverted or in another currency show what was recorded.")
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontTiny
        color: Theme.textTertiary
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
