// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A symbol by its name ("gearshape"), drawn from the symbol font.
Text {
    required property string symbol
    property int size: Theme.symbolSmall

    text: Theme.symbol(symbol)
    font.family: Theme.symbolFontFamily
    font.pixelSize: size
    color: Theme.textBright
    Accessible.ignored: true
}
