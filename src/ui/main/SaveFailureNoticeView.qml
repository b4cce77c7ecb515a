// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Main
import Tabrino.Settings

// A line above the panel's content while changes wait to be saved or the
// calendar file cannot be written; it blocks nothing and goes once a save
// succeeds.
Item {
    id: root

    required property SubscriptionStore store
    property CalendarFileKeeper calendarFile

    implicitHeight: notice.shown ? label.implicitHeight + 2 * Theme.spacingM : 0
    visible: notice.shown

    SaveFailureNotice {
        id: notice
        store: root.store
        calendarFile: root.calendarFile
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: Theme.spacingXS
        radius: Theme.radiusField
        color: Theme.redDeep
        opacity: 0.35
    }
    Text {
        id: label
        objectName: "saveFailureText"
        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        text: notice.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontBody
        color: Theme.textPrimary
        Accessible.role: Accessible.AlertMessage
        Accessible.name: text
    }
}
