// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Shapes
import Tabrino.Design
import Tabrino.Insights

// Monthly spend by category: the donut with the monthly total in its
// middle, and beside it the legend.
Item {
    id: section

    required property SubscriptionStore store
    readonly property alias presenter: presenter

    implicitHeight: Math.max(donut.height, legend.implicitHeight)

    InsightsDonutPresenter { id: presenter; store: section.store }

    Item {
        id: donut
        objectName: "donut"
        width: 132
        height: 132
        anchors.verticalCenter: parent.verticalCenter

        // The sectors are drawn into one multisampled layer: Qt Quick
        // Shapes draw their edges without smoothing otherwise.
        Item {
            anchors.fill: parent
            layer.enabled: true
            layer.samples: 4
            layer.smooth: true

            Repeater {
                model: presenter.rows
                delegate: Shape {
                    id: sector
                    required property color color
                    required property string path
                    required property string accessibilityText

                    anchors.fill: parent
                    Accessible.role: Accessible.Graphic
                    Accessible.name: sector.accessibilityText

                    ShapePath {
                        fillColor: sector.color
                        fillRule: ShapePath.OddEvenFill
                        strokeWidth: -1
                        strokeColor: "transparent"
                        PathSvg { path: sector.path }
                    }
                }
            }
        }
        Column {
            anchors.centerIn: parent
            spacing: 0
            Accessible.role: Accessible.StaticText
            Accessible.name: presenter.totalAccessibilityText

            TabularText {
                objectName: "donutTotal"
                anchors.horizontalCenter: parent.horizontalCenter
                text: presenter.totalText
                pixelSize: Theme.fontFigure
                weight: Font.Bold
                letterSpacing: -0.5
                Accessible.ignored: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                //: Under the monthly total in the middle of the spend chart
                text: qsTr("per month")
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontCaption
                font.weight: Font.DemiBold
                color: Theme.donutCaption
                Accessible.ignored: true
            }
        }
    }

    // The sectors carry the same names and amounts for assistive technology.
    Column {
        id: legend
        objectName: "legend"
        anchors.left: donut.right
        anchors.leftMargin: 18
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        spacing: 7
        Accessible.ignored: true

        Repeater {
            model: presenter.rows
            delegate: Item {
                id: line
                required property string label
                required property color color
                required property string legendAmount

                width: legend.width
                height: name.implicitHeight

                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    width: 7
                    height: 7
                    radius: height / 2
                    color: line.color
                }
                ElidedText {
                    id: name
                    x: 7 + 7
                    width: parent.width - x - amount.width - Theme.spacingS
                    text: line.label
                    maximumLineCount: 1
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSmall
                    font.weight: Font.Medium
                    color: Theme.textLabel
                    Accessible.ignored: true
                }
                TabularText {
                    id: amount
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: line.legendAmount
                    pixelSize: Theme.fontSmall
                    weight: Font.DemiBold
                    color: Theme.legendAmount
                    Accessible.ignored: true
                }
            }
        }
    }
}
