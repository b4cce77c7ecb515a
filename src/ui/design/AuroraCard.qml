// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick

// A card: a faint top-to-bottom sheen behind a hairline border.
Rectangle {
    id: card

    property bool emphasized: false

    radius: 14
    border.width: 1
    border.color: Qt.rgba(1, 1, 1, card.emphasized ? 0.14 : 0.08)
    gradient: Gradient {
        GradientStop { position: 0; color: Qt.rgba(1, 1, 1, card.emphasized ? 0.10 : 0.065) }
        GradientStop { position: 1; color: Qt.rgba(1, 1, 1, card.emphasized ? 0.05 : 0.03) }
    }
}
