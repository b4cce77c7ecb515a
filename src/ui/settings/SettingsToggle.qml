// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A toggle whose label may carry a smaller line beneath it.
Column {
    id: item

    property alias text: toggle.text
    property alias checked: toggle.checked
    property string note: ""
    readonly property alias toggle: toggle
    signal toggled(bool checked)

    spacing: Theme.spacingXXS

    AuroraToggle {
        id: toggle
        width: item.width
        Accessible.description: item.note
        onToggled: item.toggled(toggle.checked)
    }
    SettingsNote {
        visible: item.note.length > 0
        width: item.width - toggle.indicator.width - toggle.spacing
        text: item.note
        Accessible.ignored: true
    }
}
