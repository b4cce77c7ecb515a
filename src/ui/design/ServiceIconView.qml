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
    property real size: 32

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
        color: Qt.rgba(presenter.tileColor.r, presenter.tileColor.g, presenter.tileColor.b, 0.25)
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
                GradientStop { position: 0; color: Qt.rgba(1, 1, 1, 0.20) }
                GradientStop { position: 0.58; color: Qt.rgba(1, 1, 1, 0) }
            }
        }
    }
    Text {
        anchors.centerIn: parent
        text: presenter.glyph
        color: "white"
        font.family: presenter.glyphIsSymbol ? Theme.symbolFontFamily : Theme.fontFamily
        font.pixelSize: presenter.glyphIsSymbol ? icon.size * 0.44 : icon.size * 0.47
        font.weight: presenter.glyphIsSymbol ? Font.DemiBold : Font.Bold
    }
}
