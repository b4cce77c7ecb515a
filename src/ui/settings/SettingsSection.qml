// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// One titled card of the settings screen; its rows stack inside the card.
Column {
    id: section

    required property string title
    default property alias content: body.data

    spacing: 6

    AuroraSectionLabel {
        leftPadding: 4
        text: section.title
    }
    AuroraCard {
        width: section.width
        height: body.implicitHeight + 2 * 12
        Column {
            id: body
            x: 12
            y: 12
            width: parent.width - 24
            spacing: 10
        }
    }
}
