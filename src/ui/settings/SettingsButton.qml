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
    horizontalPadding: Theme.spacingL
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
        font.pixelSize: Theme.fontBody
        font.weight: Font.Medium
        color: button.down ? Theme.textSubdued : Theme.controlLabel
    }
    background: Rectangle {
        radius: Theme.radiusSmallButton
        color: button.down ? Theme.controlFillPressed : button.hovered ? Theme.controlFillHovered : Theme.settingsButtonFill
        border.width: 1
        border.color: Theme.hairline
        FocusRing { target: button; targetRadius: Theme.radiusSmallButton }
    }
}
