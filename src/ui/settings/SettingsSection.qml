// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// One titled card of the settings screen; its rows stack inside the card.
Column {
    id: section

    required property string title
    default property alias content: body.data

    spacing: Theme.spacingS

    AuroraSectionLabel {
        leftPadding: Theme.spacingXS
        text: section.title
    }
    AuroraCard {
        width: section.width
        height: body.implicitHeight + 2 * body.x
        Column {
            id: body
            x: Theme.spacingXL
            y: Theme.spacingXL
            width: parent.width - 2 * x
            spacing: Theme.spacingL
        }
    }
}
