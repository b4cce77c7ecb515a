// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// The screen's small buttons: a short label on a faint rounded fill.
T.Button {
    id: button

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    horizontalPadding: 10
    verticalPadding: 5
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true
    opacity: enabled ? 1 : 0.45
    Accessible.role: Accessible.Button
    Accessible.name: text
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (button.enabled) button.clicked()

    contentItem: Text {
        text: button.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.family: Theme.fontFamily
        font.pixelSize: 12
        font.weight: Font.Medium
        color: Qt.rgba(1, 1, 1, button.down ? 0.6 : 0.9)
    }
    background: Rectangle {
        radius: 6
        color: Qt.rgba(1, 1, 1, button.down ? 0.06 : (button.hovered ? 0.16 : 0.11))
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.08)
        FocusRing { target: button; radius: 8 }
    }
}
