// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// One thing only the person can tell: the prompt over a picker of its
// answers, showing none until one is chosen.
Column {
    id: question

    required property string prompt
    required property var choices
    required property int selectedIndex
    readonly property alias picker: picker
    signal chosen(int index)

    spacing: Theme.spacingXS

    Text {
        width: question.width
        text: question.prompt
        wrapMode: Text.Wrap
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontLabel
        color: Theme.textPrimary
        Accessible.ignored: true
    }
    AuroraPickerShell {
        id: picker
        width: question.width
        model: question.choices.map((label, index) => ({ value: index, label: label }))
        currentIndex: question.selectedIndex
        Accessible.name: question.prompt
        Accessible.description: displayText
        onActivated: index => question.chosen(index)
        FocusRing { target: picker; radius: 10 }
    }
}
