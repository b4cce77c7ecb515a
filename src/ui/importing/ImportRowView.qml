// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// One row of the preview: the subscription's name over what it costs and
// when it renews, and how values were read where the file's had no match;
// for a line that cannot be read, its line and the reason.
Item {
    id: row

    required property string section
    required property string name
    required property string detail
    required property string note
    required property string spoken
    readonly property bool unreadable: section === "unreadable"

    implicitHeight: lines.implicitHeight + 2 * Theme.spacingXS
    Accessible.role: Accessible.ListItem
    Accessible.name: spoken

    Column {
        id: lines
        y: Theme.spacingXS
        width: row.width
        spacing: 1

        ElidedText {
            width: parent.width
            text: row.name
            elide: row.unreadable ? Text.ElideNone : Text.ElideRight
            wrapMode: row.unreadable ? Text.Wrap : Text.NoWrap
            maximumLineCount: row.unreadable ? 3 : 1
            font.family: Theme.fontFamily
            font.pixelSize: row.unreadable ? Theme.fontSmall : Theme.fontLabel
            font.weight: row.unreadable ? Font.Normal : Font.Medium
            color: row.unreadable ? Theme.amber : Theme.textPrimary
            Accessible.ignored: true
        }
        ElidedText {
            width: parent.width
            visible: text.length > 0
            text: row.detail
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSmall
            color: Theme.textSecondary
            Accessible.ignored: true
        }
        Text {
            width: parent.width
            visible: text.length > 0
            text: row.note
            wrapMode: Text.Wrap
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontCaption
            color: Theme.textTertiary
            Accessible.ignored: true
        }
    }
}
