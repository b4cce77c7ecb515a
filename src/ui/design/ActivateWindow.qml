// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick

// Invisible: once created, and on a later turn of the event loop, raises and
// activates the window it sits in (QWindow::requestActivate), so typing
// reaches the panel at once.
Item {
    id: activator

    width: 0
    height: 0
    visible: false

    function activate() {
        const window = activator.Window.window
        if (window) {
            window.raise()
            window.requestActivate()
        }
    }

    Timer {
        interval: 0
        running: true
        onTriggered: activator.activate()
    }
}
