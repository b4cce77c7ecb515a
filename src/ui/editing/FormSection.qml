// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// One titled card of the subscription form; its rows stack under the title.
AuroraCard {
    id: section

    required property string title
    default property alias content: body.data

    implicitHeight: body.implicitHeight + 2 * body.x
    Accessible.role: Accessible.Grouping
    Accessible.name: title

    Column {
        id: body
        x: Theme.spacingXL
        y: Theme.spacingXL
        width: section.width - 2 * x
        spacing: 9

        AuroraSectionLabel { text: section.title }
    }
}
