// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A caption on the leading side and its control on the trailing side.
Item {
    id: row

    required property string caption
    default property alias control: slot.data

    implicitHeight: Math.max(label.implicitHeight, slot.childrenRect.height)

    Text {
        id: label
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        text: row.caption
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontLabel
        color: Theme.textPrimary
        Accessible.ignored: true
    }
    Item {
        id: slot
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: childrenRect.width
        height: childrenRect.height
    }
}
