// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A field row: a fixed-width caption on the leading side, the controls
// declared inside it beside the caption. A caption too long for one line,
// as translations can be, takes a second.
Row {
    id: row

    required property string caption
    readonly property real controlWidth: width - label.width - spacing

    spacing: Theme.spacingM

    ElidedText {
        id: label
        width: 76
        height: Math.max(implicitHeight, Theme.controlHeight)
        verticalAlignment: Text.AlignVCenter
        text: row.caption
        wrapMode: Text.Wrap
        maximumLineCount: 2
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontBody
        color: Theme.fieldCaption
        Accessible.ignored: true
    }
}
