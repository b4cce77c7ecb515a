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

    implicitHeight: content.implicitHeight + 2 * content.anchors.margins
    Accessible.role: Accessible.Grouping
    Accessible.name: presenter.accessibilityText

    UpcomingStripPresenter { id: presenter; store: strip.store; now: strip.now }

    Column {
        id: content
        anchors.fill: parent
        anchors.margins: Theme.spacingXL
        spacing: Theme.spacingM

        AuroraSectionLabel {
            //: The heading of the strip of the coming week's charges, shown in capitals
            text: qsTr("Up Next")
        }
        Text {
            visible: presenter.isEmpty
            text: presenter.emptyText + " 🎉"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
            font.weight: Font.Medium
            color: Theme.textSecondary
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
                        color: Theme.hairline
                    }
                    UpcomingCell {
                        id: cellView
                        x: slot.index > 0 ? Theme.spacingL : 0
                        width: parent.width - x - Theme.spacingXS
                        charge: slot.modelData
                    }
                }
            }
        }
    }
}
