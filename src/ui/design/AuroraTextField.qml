// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A plain text field on an inset, showing its placeholder while empty.
T.TextField {
    id: field

    property int pixelSize: Theme.fontBody

    implicitWidth: 160
    implicitHeight: Math.max(Theme.controlHeight, contentHeight + topPadding + bottomPadding)
    leftPadding: Theme.spacingM
    rightPadding: Theme.spacingM
    topPadding: 5
    bottomPadding: 5
    color: Theme.textPrimary
    selectionColor: Theme.violetDeep
    selectedTextColor: Theme.textBright
    placeholderTextColor: Theme.placeholder
    font.family: Theme.fontFamily
    font.pixelSize: pixelSize
    verticalAlignment: TextInput.AlignVCenter
    Accessible.name: placeholderText

    Text {
        x: field.leftPadding
        y: field.topPadding
        width: field.width - field.leftPadding - field.rightPadding
        height: field.height - field.topPadding - field.bottomPadding
        text: field.placeholderText
        font: field.font
        color: field.placeholderTextColor
        verticalAlignment: field.verticalAlignment
        visible: !field.length && !field.preeditText
        elide: Text.ElideRight
    }

    background: AuroraInset {
        border.color: field.activeFocus ? Theme.violet : Theme.fieldBorder
    }
}
