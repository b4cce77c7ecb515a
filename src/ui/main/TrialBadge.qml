// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// "TRIAL", beside the name of a subscription on its free trial.
Rectangle {
    implicitWidth: label.implicitWidth + 2 * 5
    implicitHeight: label.implicitHeight + 2 * 1
    radius: Theme.radiusTag
    color: Theme.trialFill
    border.width: 1
    border.color: Theme.trialBorder
    Accessible.ignored: true

    Text {
        id: label
        anchors.centerIn: parent
        //: A small tag beside the name of a subscription on a free trial; capitals where the language allows
        text: qsTr("TRIAL")
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontCaption
        font.weight: Font.Bold
        font.letterSpacing: 0.6
        color: Theme.red
    }
}
