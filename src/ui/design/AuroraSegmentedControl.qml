// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// Equal-width segments in one row; the selected one sits on a pill, one
// shared element that slides to a newly chosen segment. `segments` holds
// objects { value, label }; `selection` is the chosen value.
FocusScope {
    id: control

    required property var segments
    property var selection
    // The pill's place, for tests and for the accessibility tree.
    readonly property int selectedIndex: indexOf(selection)
    readonly property alias pill: pill

    signal activated(var value)

    function indexOf(value) {
        for (let i = 0; i < segments.length; ++i)
            if (segments[i].value === value)
                return i
        return -1
    }

    function choose(index) {
        if (index < 0 || index >= segments.length)
            return
        selection = segments[index].value
        activated(selection)
    }

    implicitHeight: Theme.fontLabel + 2 * 5 + 4 + 2 * Theme.spacingXXS
    activeFocusOnTab: true
    Accessible.role: Accessible.PageTabList
    Accessible.name: segments.map(s => s.label).join(", ")

    Keys.onLeftPressed: choose(selectedIndex - 1)
    Keys.onRightPressed: choose(selectedIndex + 1)

    Rectangle {
        anchors.fill: parent
        radius: Theme.radiusProminent
        color: Theme.insetFill
        border.width: 1
        border.color: Theme.trackBorder
    }

    Item {
        id: track
        anchors.fill: parent
        anchors.margins: Theme.spacingXXS
        readonly property real segmentWidth: control.segments.length > 0 ? width / control.segments.length : 0

        SoftShadow {
            x: pill.x
            y: pill.y + 1
            width: pill.width
            height: pill.height
            visible: pill.visible
            glowRadius: 4
            radius: pill.radius
            color: Theme.pillShadow
        }
        Rectangle {
            id: pill
            objectName: "segmentPill"
            visible: control.selectedIndex >= 0
            x: Math.max(0, control.selectedIndex) * track.segmentWidth
            width: track.segmentWidth
            height: track.height
            radius: Theme.radiusButton
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.segmentFillTop }
                GradientStop { position: 1; color: Theme.raisedFill }
            }
            Behavior on x { PanelSwapAnimation {} }
        }

        Row {
            anchors.fill: parent
            Repeater {
                model: control.segments
                // A tab button, so a screen reader says "page tab": Qt 6.4
                // puts a control's own role over one set here. Not checkable:
                // the selection alone says which segment is on.
                delegate: T.TabButton {
                    id: segment
                    required property var modelData
                    required property int index
                    readonly property bool isSelected: segment.index === control.selectedIndex

                    width: track.segmentWidth
                    height: track.height
                    focusPolicy: Qt.NoFocus
                    checkable: false
                    text: segment.modelData.label
                    onClicked: control.choose(segment.index)
                    Accessible.name: text
                    Accessible.selectable: true
                    Accessible.selected: isSelected
                    Accessible.onPressAction: segment.clicked()

                    contentItem: Text {
                        text: segment.text
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontLabel
                        font.weight: Font.DemiBold
                        color: segment.isSelected ? Theme.textBright : Theme.textSecondary
                    }
                }
            }
        }
    }
    FocusRing { target: control; targetRadius: Theme.radiusProminent }
}
