// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A service's tile: its colour under a top gloss, a soft shadow of the same
// colour, and a white glyph. Decorative: the row around it carries the name.
Item {
    id: icon

    property alias subscription: presenter.subscription
    property alias name: presenter.name
    property alias colorHex: presenter.colorHex
    property alias symbolName: presenter.symbolName
    property real size: Theme.serviceIconLarge

    implicitWidth: size
    implicitHeight: size
    Accessible.ignored: true

    ServiceIcon { id: presenter }

    SoftShadow {
        y: 2
        width: tile.width
        height: tile.height
        glowRadius: 4
        radius: tile.radius
        color: Theme.withAlpha(presenter.tileColor, 0.25)
    }
    Rectangle {
        id: tile
        anchors.fill: parent
        radius: icon.size * 0.28
        color: presenter.tileColor
        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.iconGloss }
                GradientStop { position: 0.58; color: Theme.sheenEnd }
            }
        }
    }
    Text {
        anchors.centerIn: parent
        text: presenter.glyph
        color: Theme.textBright
        font.family: presenter.glyphIsSymbol ? Theme.symbolFontFamily : Theme.fontFamily
        font.pixelSize: presenter.glyphIsSymbol ? icon.size * 0.44 : icon.size * 0.47
        font.weight: presenter.glyphIsSymbol ? Font.DemiBold : Font.Bold
    }
}
