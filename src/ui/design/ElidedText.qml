// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls.Basic as Controls

// Text cut off with an ellipsis where it does not fit, which shows the
// whole of it in a tooltip while the pointer rests on it: names and longer
// translations must stay readable.
Text {
    id: label

    elide: Text.ElideRight

    HoverHandler {
        id: hover
        enabled: label.truncated
    }
    Controls.ToolTip.visible: hover.hovered && label.truncated
    Controls.ToolTip.delay: 500
    Controls.ToolTip.text: label.text
}
