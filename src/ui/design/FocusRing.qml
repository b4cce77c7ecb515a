// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// The keyboard focus, drawn around a control whenever it holds it, two
// pixels wide just outside it, its corners following the control's.
Rectangle {
    required property Item target
    // The corner radius of the control it goes round.
    property real targetRadius: 0

    anchors.fill: parent
    anchors.margins: -2
    radius: targetRadius + 2
    color: "transparent"
    border.width: 2
    border.color: Theme.violet
    visible: target.activeFocus
    Accessible.ignored: true
}
