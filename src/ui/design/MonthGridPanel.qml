// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A month of days to pick one from, headed by the month's name between
// buttons to the months before and after, under the locale's weekday names
// from its first weekday on. The keyboard moves a cursor (arrows by days, Page Up and Page Down
// by months) and Return or Space picks its day; a click picks at once.
FocusScope {
    id: grid

    required property DateFieldPresenter presenter
    signal picked()

    implicitWidth: 7 * 28
    implicitHeight: heading.height + weekdays.implicitHeight + 6 * 26
    activeFocusOnTab: true
    Accessible.role: Accessible.Table
    Accessible.name: grid.presenter.cursorSpokenText
    //: Read out for the month grid of a date field; Page Up, Page Down and Return are keys
    Accessible.description: qsTr("Arrows move the day, Page Up and Page Down the month, Return picks")

    Keys.onPressed: event => {
        switch (event.key) {
        case Qt.Key_Left: grid.presenter.moveCursorDays(-1); break
        case Qt.Key_Right: grid.presenter.moveCursorDays(1); break
        case Qt.Key_Up: grid.presenter.moveCursorDays(-7); break
        case Qt.Key_Down: grid.presenter.moveCursorDays(7); break
        case Qt.Key_PageUp: grid.presenter.moveCursorMonths(-1); break
        case Qt.Key_PageDown: grid.presenter.moveCursorMonths(1); break
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            grid.presenter.pickCursor()
            grid.picked()
            break
        default:
            return
        }
        event.accepted = true
    }

    Item {
        id: heading
        width: parent.width
        height: 26
        IconButton {
            anchors.left: parent.left
            size: 24
            symbol: "chevron.left"
            symbolSize: Theme.symbolSmall
            focusPolicy: Qt.NoFocus
            //: Read out for the month grid's button to the month before
            text: qsTr("Previous month")
            onClicked: grid.presenter.moveCursorMonths(-1)
        }
        Text {
            anchors.centerIn: parent
            text: grid.presenter.monthTitle
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
            font.weight: Font.DemiBold
            color: Theme.textBright
            Accessible.ignored: true
        }
        IconButton {
            anchors.right: parent.right
            size: 24
            symbol: "chevron.right"
            symbolSize: Theme.symbolSmall
            focusPolicy: Qt.NoFocus
            //: Read out for the month grid's button to the month after
            text: qsTr("Next month")
            onClicked: grid.presenter.moveCursorMonths(1)
        }
    }
    T.AbstractDayOfWeekRow {
        id: weekdays
        y: heading.height
        width: 7 * 28
        implicitHeight: 18
        delegate: Text {
            required property string shortName
            width: 28
            horizontalAlignment: Text.AlignHCenter
            text: shortName
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontCaption
            font.weight: Font.DemiBold
            color: Theme.textTertiary
            Accessible.ignored: true
        }
        contentItem: Row {
            Repeater {
                model: weekdays.source
                delegate: weekdays.delegate
            }
        }
    }
    Grid {
        id: days
        objectName: "days"
        y: heading.height + weekdays.implicitHeight
        rows: 6
        columns: 7
        Repeater {
            model: grid.presenter.days
            // Plain items, not buttons: the grid as a whole takes the keyboard.
            delegate: Item {
                id: cell
                required property var modelData
                required property int index
                width: 28
                height: 26
                Accessible.ignored: true

                Rectangle {
                    x: 2
                    y: 1
                    width: 24
                    height: 24
                    radius: height / 2
                    color: cell.modelData.isPicked ? Theme.violetDeep : pointer.containsMouse ? Theme.subtleFill : "transparent"
                    border.width: cell.modelData.isCursor && grid.activeFocus ? 2 : 0
                    border.color: Theme.violet
                }
                Text {
                    anchors.fill: parent
                    text: cell.modelData.day
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSmall
                    font.weight: cell.modelData.isToday ? Font.Bold : Font.Normal
                    color: cell.modelData.isPicked ? Theme.textBright
                         : cell.modelData.isToday ? Theme.violet
                         : cell.modelData.inMonth ? Theme.calendarDay : Theme.textFaint
                }
                MouseArea {
                    id: pointer
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        grid.presenter.pickCell(cell.index)
                        grid.picked()
                    }
                }
            }
        }
    }
}
