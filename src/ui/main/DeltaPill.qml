// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Main

// The change in monthly spending against last month, as a capsule that
// fades and grows in, and out again when there is no change to show.
Rectangle {
    id: pill

    required property PanelHeaderPresenter presenter
    property bool shown: false

    implicitWidth: content.implicitWidth + 2 * Theme.spacingM
    implicitHeight: content.implicitHeight + 2 * Theme.spacingXS
    radius: height / 2
    color: Theme.subtleFill
    border.width: 1
    border.color: Theme.hairline
    visible: opacity > 0
    opacity: shown ? 1 : 0
    scale: shown ? 1 : 0.9
    Behavior on opacity { PanelSwapAnimation {} }
    Behavior on scale { PanelSwapAnimation {} }
    Accessible.role: Accessible.StaticText
    Accessible.name: presenter.deltaAccessibilityText

    Row {
        id: content
        anchors.centerIn: parent
        spacing: Theme.spacingXS
        SymbolGlyph {
            anchors.verticalCenter: parent.verticalCenter
            symbol: pill.presenter.deltaSymbol
            size: 9
            font.weight: Font.Bold
            color: pill.presenter.deltaArrowColor
        }
        TabularText {
            anchors.verticalCenter: parent.verticalCenter
            text: pill.presenter.deltaText
            pixelSize: Theme.fontSmall
            weight: Font.DemiBold
            color: Theme.deltaText
            Accessible.ignored: true
        }
    }
}
