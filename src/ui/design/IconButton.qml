// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A square icon button on a faint rounded background; its accessible name
// is its `text`, which is never drawn.
T.Button {
    id: button

    required property string symbol
    property int size: Theme.iconButtonSize
    property int symbolSize: Theme.symbolMedium

    implicitWidth: size
    implicitHeight: size
    focusPolicy: Qt.StrongFocus
    display: T.AbstractButton.IconOnly
    Accessible.name: text
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (button.enabled) button.clicked()

    contentItem: SymbolGlyph {
        symbol: button.symbol
        size: button.symbolSize
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: button.down ? Theme.textSubdued : Theme.controlLabel
    }

    background: Rectangle {
        radius: Theme.radiusButton
        color: button.down ? Theme.controlFillPressed : button.hovered ? Theme.controlFillHovered : Theme.controlFill
        FocusRing { target: button; targetRadius: Theme.radiusButton }
    }
}
