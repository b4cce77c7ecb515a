// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A compact date field: the date in the user's short format, which can be
// typed over, and a calendar button that opens a month grid. In the grid the
// arrows move the day, Page Up and Page Down the month, Return or Space
// picks and Escape closes. Alt+Down opens the grid from the text.
// `title` names the field for assistive technology; it is not drawn.
FocusScope {
    id: field

    required property string title
    property alias date: presenter.date
    readonly property alias presenter: presenter
    readonly property alias popup: popup

    implicitWidth: input.implicitWidth + Theme.spacingXS + calendarButton.implicitWidth
    implicitHeight: Theme.controlHeight
    activeFocusOnTab: false
    Accessible.role: Accessible.Grouping
    Accessible.name: title

    DateFieldPresenter { id: presenter }

    function openGrid() {
        presenter.resetCursor()
        popup.open()
    }

    // What the field shows follows the date again after an edit, kept or not.
    function revertText() {
        input.text = Qt.binding(() => presenter.text)
    }

    AuroraTextField {
        id: input
        objectName: "dateText"
        width: 104
        focus: true
        text: presenter.text
        horizontalAlignment: TextInput.AlignLeft
        Accessible.name: field.title
        Accessible.description: presenter.spokenText
        onEditingFinished: {
            presenter.parse(text)
            field.revertText()
        }
        Keys.onPressed: event => {
            if ((event.key === Qt.Key_Down && (event.modifiers & Qt.AltModifier)) || event.key === Qt.Key_F4) {
                field.openGrid()
                event.accepted = true
            }
        }
    }
    IconButton {
        id: calendarButton
        objectName: "calendarButton"
        anchors.left: input.right
        anchors.leftMargin: Theme.spacingXS
        anchors.verticalCenter: input.verticalCenter
        size: Theme.controlHeight
        symbol: "calendar"
        symbolSize: Theme.symbolMedium
        //: Read out for the calendar button beside a date field; %1 is the field's name ("Next charge")
        text: qsTr("Choose %1").arg(field.title)
        onClicked: field.openGrid()
        Keys.onReturnPressed: field.openGrid()
        Keys.onEnterPressed: field.openGrid()
    }

    T.Popup {
        id: popup
        objectName: "datePopup"
        y: field.height + Theme.spacingXS
        // Kept inside the panel's window, which would clip it.
        margins: Theme.spacingXS
        padding: Theme.spacingM
        focus: true
        modal: false
        closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutsideParent
        onOpened: popup.contentItem.forceActiveFocus()
        onClosed: calendarButton.forceActiveFocus()

        background: Rectangle {
            color: Theme.panelTop
            radius: Theme.radiusOption
            border.color: Theme.outline
        }

        contentItem: MonthGridPanel {
            objectName: "monthGrid"
            presenter: presenter
            onPicked: popup.close()
        }
    }
}
