// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Qt5Compat.GraphicalEffects
import Tabrino.Design

// The glow a Halo draws where shaders run.
Glow {
    required property Halo halo

    source: halo.source
    cached: true
    radius: halo.radius
    samples: halo.samples
    color: halo.color
}
