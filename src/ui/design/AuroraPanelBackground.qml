// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Shapes
import Tabrino.Design

// The panel's background: a translucent dark gradient with a soft violet
// glow near the top-leading corner.
Rectangle {
    radius: Theme.radiusCard
    border.width: 1
    border.color: Theme.panelBorder
    gradient: Gradient {
        GradientStop { position: 0; color: Theme.panelFillTop }
        GradientStop { position: 1; color: Theme.panelFillBottom }
    }

    // The glow: a radial fade from violet to nothing, centred on the top
    // edge near the leading corner. Drawn inside the rounded corner itself:
    // clipping cuts to the rectangle, not to its rounding.
    Shape {
        id: glow
        readonly property real centreX: 20
        readonly property real reach: 170
        readonly property real corner: parent.radius
        width: centreX + reach
        height: reach
        ShapePath {
            strokeColor: "transparent"
            fillGradient: RadialGradient {
                centerX: glow.centreX
                centerY: 0
                centerRadius: glow.reach
                focalX: glow.centreX
                focalY: 0
                GradientStop { position: 0; color: Theme.panelGlow }
                GradientStop { position: 1; color: Theme.panelGlowEnd }
            }
            startX: 0
            startY: glow.corner
            PathArc { x: glow.corner; y: 0; radiusX: glow.corner; radiusY: glow.corner }
            PathLine { x: glow.width; y: 0 }
            PathLine { x: glow.width; y: glow.height }
            PathLine { x: 0; y: glow.height }
            PathLine { x: 0; y: glow.corner }
        }
    }
}
