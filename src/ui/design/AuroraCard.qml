// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A card: a faint top-to-bottom sheen behind a hairline border.
Rectangle {
    radius: Theme.radiusCard
    border.width: 1
    border.color: Theme.hairline
    gradient: Gradient {
        GradientStop { position: 0; color: Theme.cardFillTop }
        GradientStop { position: 1; color: Theme.cardFillBottom }
    }
}
