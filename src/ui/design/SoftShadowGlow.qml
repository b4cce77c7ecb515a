// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
