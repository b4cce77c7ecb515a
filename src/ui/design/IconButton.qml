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
    property int size: 28
    property int symbolSize: 13

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
        color: Qt.rgba(1, 1, 1, button.down ? 0.6 : 0.9)
    }

    background: Rectangle {
        radius: 7
        color: Qt.rgba(1, 1, 1, button.down ? 0.06 : (button.hovered ? 0.16 : 0.12))
        FocusRing { target: button; radius: 9 }
    }
}
