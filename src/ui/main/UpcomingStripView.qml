// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import Tabrino.Design
import Tabrino.Main

// "Up Next": the first four charges of the coming seven days.
AuroraCard {
    id: strip

    required property SubscriptionStore store
    required property date now
    readonly property alias presenter: presenter

    implicitHeight: content.implicitHeight + 2 * 12
    Accessible.role: Accessible.Grouping
    Accessible.name: presenter.accessibilityText

    UpcomingStripPresenter { id: presenter; store: strip.store; now: strip.now }

    Column {
        id: content
        anchors.fill: parent
        anchors.margins: 12
        spacing: 8

        AuroraSectionLabel { text: qsTr("Up Next") }
        Text {
            visible: presenter.isEmpty
            text: qsTr("Nothing renews this week 🎉")
            font.family: Theme.fontFamily
            font.pixelSize: 12
            font.weight: Font.Medium
            color: Qt.rgba(1, 1, 1, 0.55)
            Accessible.ignored: true
        }
        Row {
            visible: !presenter.isEmpty
            width: parent.width
            Repeater {
                model: presenter.cells
                delegate: Item {
                    id: slot
                    required property var modelData
                    required property int index
                    width: content.width / presenter.cells.length
                    height: cellView.implicitHeight
                    Rectangle {
                        visible: slot.index > 0
                        width: 1
                        height: parent.height
                        color: Qt.rgba(1, 1, 1, 0.08)
                    }
                    UpcomingCell {
                        id: cellView
                        x: slot.index > 0 ? 10 : 0
                        width: parent.width - x - 4
                        charge: slot.modelData
                    }
                }
            }
        }
    }
}
