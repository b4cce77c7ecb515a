// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// The keyboard focus, drawn around a control whenever it holds it.
Rectangle {
    required property Item target

    anchors.fill: parent
    anchors.margins: -2
    color: "transparent"
    border.width: 2
    border.color: Theme.violet
    visible: target.activeFocus
    Accessible.ignored: true
}
