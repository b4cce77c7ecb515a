// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// One plan of a service: its name, and its price per cycle in US dollars;
// the selected pill carries a check mark and a violet edge. The pills work
// as a radio group: Up and Down select the neighbouring plan. A radio button,
// so a screen reader says so (Qt 6.4 puts a control's own role over one set
// here); it is checked exactly when its plan is the selected one.
T.RadioButton {
    id: pill

    required property string name
    required property string priceText
    required property string accessibilityText
    property bool selected: false
    property real priceWidth: 0
    // The price, and room for the check mark whether it shows or not, so
    // the name does not move when the pill is selected.
    readonly property real trailingWidth: priceWidth + 8 + 16

    implicitHeight: 36
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    checked: selected
    Accessible.name: accessibilityText
    Accessible.selectable: true
    Accessible.selected: selected
    // Qt 6.4 runs nothing of its own for a screen reader's Press or Toggle.
    Accessible.onPressAction: pill.clicked()
    Accessible.onToggleAction: pill.clicked()

    background: Rectangle {
        radius: 10
        color: pill.selected ? Qt.rgba(Theme.violetDeep.r, Theme.violetDeep.g, Theme.violetDeep.b, 0.22)
                             : Qt.rgba(1, 1, 1, pill.hovered ? 0.09 : 0.05)
        border.width: 1
        border.color: pill.selected ? Qt.rgba(Theme.violet.r, Theme.violet.g, Theme.violet.b, 0.7)
                                    : Qt.rgba(1, 1, 1, 0.08)
        Behavior on color { ColorAnimation { duration: Theme.reduceMotion ? 0 : Theme.panelSwapMs; easing: Theme.panelSwap } }
        FocusRing { target: pill; radius: 12 }
    }

    contentItem: Row {
        leftPadding: 12
        rightPadding: 12
        spacing: 8
        Text {
            anchors.verticalCenter: parent.verticalCenter
            // What the price and the check mark leave.
            width: pill.availableWidth - 24 - 8 - pill.trailingWidth
            text: pill.name
            elide: Text.ElideRight
            maximumLineCount: 1
            font.family: Theme.fontFamily
            font.pixelSize: 13
            font.weight: Font.Medium
            color: Theme.textPrimary
        }
        TabularText {
            anchors.verticalCenter: parent.verticalCenter
            text: pill.priceText
            pixelSize: 12
            weight: Font.DemiBold
            color: Qt.rgba(1, 1, 1, 0.8)
            Accessible.ignored: true
            onImplicitWidthChanged: pill.priceWidth = implicitWidth
            Component.onCompleted: pill.priceWidth = implicitWidth
        }
        SymbolGlyph {
            objectName: "checkmark"
            anchors.verticalCenter: parent.verticalCenter
            visible: pill.selected
            symbol: "checkmark.circle.fill"
            size: 16
            color: Theme.violet
        }
    }
}
