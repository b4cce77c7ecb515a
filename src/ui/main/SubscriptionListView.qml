// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Tabrino.Design
import Tabrino.Main

// The active subscriptions, earliest charge first. As tall as its rows up to
// `maxHeight`, scrolling beyond; rows that come and go fade and slide from
// the top edge on the rowSpring.
ListView {
    id: list

    required property SubscriptionStore store
    required property date now
    property real maxHeight: 380
    signal edit(Subscription subscription)

    implicitHeight: Math.min(contentHeight, maxHeight)
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    keyNavigationEnabled: true
    activeFocusOnTab: false
    reuseItems: false
    // One row is made ahead, not a screenful: those cost the first opening
    // more than they saved any frame, and one keeps a row that has just been
    // added there before the list has grown to show it.
    cacheBuffer: 48
    ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
    Accessible.role: Accessible.List
    //: Spoken name of the list of subscriptions
    Accessible.name: qsTr("Subscriptions")

    model: UpcomingListModel { id: rows; store: list.store }

    // Each row's `subscription` comes from the model's role of that name.
    // Rows keep 4 points from the list's edges, room for their focus ring
    // inside the list's clip.
    delegate: SubscriptionRowView {
        id: delegateRow
        required property int index
        x: Theme.spacingXS
        width: ListView.view.width - 2 * Theme.spacingXS
        store: list.store
        now: list.now
        onEdit: list.edit(delegateRow.subscription)
        // A row that goes (archived from its menu, say) hands the keyboard
        // to the row that takes its place, so the focus is never lost.
        ListView.onRemove: if (delegateRow.activeFocus) list.focusRowNear(delegateRow.index)
    }

    // The row about to go is still at `index`: its neighbour below takes its
    // place, or, when it was the last, the one above.
    function focusRowNear(index) {
        const row = list.itemAtIndex(index + 1) ?? list.itemAtIndex(index - 1)
        if (row)
            row.forceActiveFocus()
        else
            list.forceActiveFocus()
    }

    add: Transition {
        RowSpringAnimation { property: "opacity"; from: 0; to: 1 }
        RowSpringAnimation { property: "y"; from: -20 }
    }
    remove: Transition {
        RowSpringAnimation { property: "opacity"; to: 0 }
        RowSpringAnimation { property: "y"; to: -20 }
    }
    displaced: Transition {
        RowSpringAnimation { properties: "y" }
    }
    move: Transition {
        RowSpringAnimation { properties: "y" }
    }
}
