// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// Content that grows and fades in while `shown`, and folds away again, on
// the panelSwap spring (at once with reduced motion). Folded away it takes
// no room and no keyboard focus.
Item {
    id: reveal

    property bool shown: false
    default property alias content: body.data

    implicitHeight: shown ? body.implicitHeight : 0
    clip: true
    opacity: shown ? 1 : 0
    visible: shown || opacity > 0
    enabled: shown

    Behavior on implicitHeight { PanelSwapAnimation {} }
    Behavior on opacity { PanelSwapAnimation {} }

    Column {
        id: body
        width: reveal.width
        y: reveal.shown ? 0 : -8
        Behavior on y { PanelSwapAnimation {} }
    }
}
