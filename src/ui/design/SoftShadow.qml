// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound

import QtQuick
import Tabrino.Design

// The soft shadow of a rounded rectangle, laid over the rectangle it falls
// from (offset it by hand) and spreading `glowRadius` beyond it. Where shaders
// run, an analytic glow (no offscreen pass, so long lists can show many);
// under the software renderer, which draws no shader effects, three stacked
// faint outlines that fade outwards. The glow's file is loaded only
// where it is drawn: loading the effects module opens an OpenGL context, and
// with it the whole graphics stack.
Item {
    id: shadow

    property real glowRadius: 4
    // The corner radius of the rectangle that casts it.
    property real radius: 0
    required property color color

    Loader {
        anchors.fill: parent
        Component.onCompleted: {
            if (Theme.shaderEffects)
                setSource("SoftShadowGlow.qml", {shadow: shadow});
        }
    }
    Repeater {
        model: Theme.shaderEffects ? 0 : 3
        Rectangle {
            required property int index
            readonly property real spread: shadow.glowRadius * (index + 1) / 3
            x: -spread
            y: -spread
            width: shadow.width + 2 * spread
            height: shadow.height + 2 * spread
            radius: shadow.radius + spread
            color: Theme.withAlpha(shadow.color, shadow.color.a / 6)
        }
    }
}
