// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A coloured glow around the drawn pixels of `source`, placed over it. Drawn
// only where shaders run; the software renderer shows the source plain. The
// glow's file is loaded only where it is drawn: loading the effects module
// opens an OpenGL context, and with it the whole graphics stack.
Loader {
    id: halo

    property Item source
    property real radius: 4
    property int samples: 9
    required property color color

    anchors.fill: source
    Component.onCompleted: {
        if (Theme.shaderEffects)
            setSource("HaloGlow.qml", {halo: halo});
    }
}
