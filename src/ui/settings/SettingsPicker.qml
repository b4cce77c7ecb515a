// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A captioned picker over { value, label } choices; `selectedIndex` is -1
// when the stored value is not among them, which shows no selection. Only a
// user's pick reports `chosen`.
SettingsRow {
    id: row

    required property var choices
    required property int selectedIndex
    readonly property alias picker: picker
    signal chosen(int index)

    AuroraPickerShell {
        id: picker
        width: 150
        model: row.choices
        currentIndex: row.selectedIndex
        Accessible.name: row.caption
        Accessible.description: displayText
        onActivated: index => row.chosen(index)
        FocusRing { target: picker; targetRadius: Theme.radiusField }
    }
}
