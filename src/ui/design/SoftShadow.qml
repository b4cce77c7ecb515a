import QtQuick
import Qt5Compat.GraphicalEffects
import Tabrino.Design

// The soft shadow of a rounded rectangle, laid over the rectangle it falls
// from (offset it by hand) and spreading `glowRadius` beyond it. Where shaders
// run, an analytic glow (no offscreen pass, so long lists can show many);
// under the software renderer, which draws no shader effects, three stacked
// translucent outlines that fade outwards.
Item {
    id: shadow

    property real glowRadius: 4
    // The corner radius of the rectangle that casts it.
    property real radius: 0
    property color color: "black"

    Loader {
        anchors.fill: parent
        active: Theme.shaderEffects
        // Loaded components reach this file's ids unqualified: binding them to
        // this scope stops a Loader from making them.
        // qmllint disable unqualified
        sourceComponent: RectangularGlow {
            glowRadius: shadow.glowRadius
            cornerRadius: shadow.radius + shadow.glowRadius
            color: shadow.color
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
            color: Qt.rgba(shadow.color.r, shadow.color.g, shadow.color.b, shadow.color.a / 3)
        }
    }
}
