import QtQuick
import QtQuick.Shapes
import Tabrino.Design

// The panel's background: a translucent dark gradient with a soft violet
// glow near the top-leading corner.
Rectangle {
    radius: 14
    clip: true
    border.width: 1
    border.color: Qt.rgba(1, 1, 1, 0.10)
    gradient: Gradient {
        GradientStop { position: 0; color: Qt.rgba(Theme.panelTop.r, Theme.panelTop.g, Theme.panelTop.b, 0.62) }
        GradientStop { position: 1; color: Qt.rgba(Theme.panelBottom.r, Theme.panelBottom.g, Theme.panelBottom.b, 0.76) }
    }

    // The glow: a radial fade from violet to nothing, centred just off
    // the top-leading corner.
    Shape {
        x: -150
        y: -170
        width: 340
        height: 340
        ShapePath {
            strokeColor: "transparent"
            fillGradient: RadialGradient {
                centerX: 170
                centerY: 170
                centerRadius: 170
                focalX: 170
                focalY: 170
                GradientStop { position: 0; color: Qt.rgba(Theme.violetDeep.r, Theme.violetDeep.g, Theme.violetDeep.b, 0.34) }
                GradientStop { position: 1; color: Qt.rgba(Theme.violetDeep.r, Theme.violetDeep.g, Theme.violetDeep.b, 0) }
            }
            startX: 0
            startY: 0
            PathLine { x: 340; y: 0 }
            PathLine { x: 340; y: 340 }
            PathLine { x: 0; y: 340 }
            PathLine { x: 0; y: 0 }
        }
    }
}
