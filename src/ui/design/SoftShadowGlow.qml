import QtQuick
import Qt5Compat.GraphicalEffects
import Tabrino.Design

// The glow a SoftShadow draws where shaders run.
RectangularGlow {
    required property SoftShadow shadow

    glowRadius: shadow.glowRadius
    cornerRadius: shadow.radius + shadow.glowRadius
    color: shadow.color
}
