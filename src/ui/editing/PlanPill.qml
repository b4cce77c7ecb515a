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
    readonly property real trailingWidth: priceWidth + Theme.spacingM + 16

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
        radius: Theme.radiusOption
        color: pill.selected ? Theme.selectedFill : pill.hovered ? Theme.raisedFill : Theme.pillFill
        border.width: 1
        border.color: pill.selected ? Theme.selectedBorder : Theme.hairline
        Behavior on color { ColorAnimation { duration: Theme.reduceMotion ? 0 : Theme.panelSwapMs; easing: Theme.panelSwap } }
        FocusRing { target: pill; targetRadius: Theme.radiusOption }
    }

    contentItem: Row {
        leftPadding: Theme.spacingXL
        rightPadding: Theme.spacingXL
        spacing: Theme.spacingM
        ElidedText {
            anchors.verticalCenter: parent.verticalCenter
            // What the price and the check mark leave.
            width: pill.availableWidth - 2 * Theme.spacingXL - Theme.spacingM - pill.trailingWidth
            text: pill.name
            maximumLineCount: 1
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLabel
            font.weight: Font.Medium
            color: Theme.textPrimary
        }
        TabularText {
            anchors.verticalCenter: parent.verticalCenter
            text: pill.priceText
            pixelSize: Theme.fontBody
            weight: Font.DemiBold
            color: Theme.planPrice
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
