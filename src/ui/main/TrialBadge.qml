// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// "TRIAL", beside the name of a subscription on its free trial.
Rectangle {
    implicitWidth: label.implicitWidth + 2 * 5
    implicitHeight: label.implicitHeight + 2 * 1
    radius: 4
    color: Qt.rgba(Theme.trialChip.r, Theme.trialChip.g, Theme.trialChip.b, 0.14)
    border.width: 1
    border.color: Qt.rgba(Theme.trialChip.r, Theme.trialChip.g, Theme.trialChip.b, 0.32)
    Accessible.ignored: true

    Text {
        id: label
        anchors.centerIn: parent
        text: qsTr("TRIAL")
        font.family: Theme.fontFamily
        font.pixelSize: 10
        font.weight: Font.Bold
        font.letterSpacing: 0.6
        color: Theme.red
    }
}
