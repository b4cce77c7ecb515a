// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls.Basic as Controls
import Tabrino.Design

// One archived subscription: icon, name, Restore, and the trash button that
// deletes it for good.
Item {
    id: row

    required property Subscription subscription
    signal restore()
    signal remove()

    implicitHeight: 30
    Accessible.role: Accessible.ListItem
    Accessible.name: subscription.name

    ServiceIconView {
        id: icon
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        subscription: row.subscription
        size: Theme.serviceIconSmall
    }
    ElidedText {
        anchors.left: icon.right
        anchors.leftMargin: Theme.spacingM
        anchors.right: restoreButton.left
        anchors.rightMargin: Theme.spacingM
        anchors.verticalCenter: parent.verticalCenter
        text: row.subscription.name
        maximumLineCount: 1
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontLabel
        color: Theme.textPrimary
        Accessible.ignored: true
    }
    SettingsButton {
        id: restoreButton
        objectName: "restoreButton"
        anchors.right: deleteButton.left
        anchors.rightMargin: Theme.spacingS
        anchors.verticalCenter: parent.verticalCenter
        //: Button beside an archived subscription: makes it active again
        text: qsTr("Restore")
        Accessible.description: row.subscription.name
        onClicked: row.restore()
    }
    IconButton {
        id: deleteButton
        objectName: "deleteButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        size: 24
        symbol: "trash"
        symbolSize: Theme.symbolMedium
        hoverEnabled: true
        //: Tooltip and name of the trash button beside an archived subscription
        text: qsTr("Delete permanently — removes it from lifetime stats")
        Accessible.description: row.subscription.name
        onClicked: row.remove()
        Controls.ToolTip.visible: hovered
        Controls.ToolTip.delay: 500
        Controls.ToolTip.text: text
    }
}
