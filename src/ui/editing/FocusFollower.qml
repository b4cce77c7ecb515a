// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick

// Keeps the control that takes the keyboard focus in view inside a
// scrolling container, so Tab and the arrows never move into hidden rows.
Item {
    id: follower

    required property Flickable view

    width: 0
    height: 0
    visible: false

    Connections {
        target: follower.Window.window
        function onActiveFocusItemChanged() {
            const window = follower.Window.window
            const item = window ? window.activeFocusItem : null
            if (!item || !follower.isInside(item))
                return
            const top = item.mapToItem(follower.view.contentItem, 0, 0).y
            const view = follower.view
            if (top < view.contentY)
                view.contentY = Math.max(0, top - 4)
            else if (top + item.height > view.contentY + view.height)
                view.contentY = Math.min(view.contentHeight - view.height, top + item.height - view.height + 4)
        }
    }

    function isInside(item) {
        for (let p = item.parent; p; p = p.parent)
            if (p === follower.view.contentItem)
                return true
        return false
    }
}
