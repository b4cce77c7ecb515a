import QtQuick
import Qt5Compat.GraphicalEffects
import Tabrino.Design

// A coloured glow around the drawn pixels of `source`, placed over it. Drawn
// only where shaders run; the software renderer shows the source plain.
Loader {
    id: halo

    property Item source
    property real radius: 4
    property int samples: 9
    property color color: "white"

    anchors.fill: source
    active: Theme.shaderEffects
    // Loaded components reach this file's ids unqualified: binding them to
    // this scope stops a Loader from making them.
    // qmllint disable unqualified
    sourceComponent: Glow {
        source: halo.source
        cached: true
        radius: halo.radius
        samples: halo.samples
        color: halo.color
    }
}
