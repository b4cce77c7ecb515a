// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A small explanatory line; `tone` picks tertiary (default), secondary or
// the warning colour.
Text {
    enum Tone { Tertiary, Secondary, Warning }
    property int tone: SettingsNote.Tone.Tertiary

    wrapMode: Text.Wrap
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSmall
    color: tone === SettingsNote.Tone.Warning ? Theme.amber
         : tone === SettingsNote.Tone.Secondary ? Theme.textSubdued : Theme.textTertiary
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
