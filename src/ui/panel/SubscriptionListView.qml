pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Tabrino.Design
import Tabrino.Panel

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
    reuseItems: true
    ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Subscriptions")

    model: UpcomingListModel { id: rows; store: list.store }

    // Each row's `subscription` comes from the model's role of that name.
    delegate: SubscriptionRowView {
        id: delegateRow
        width: ListView.view.width
        store: list.store
        now: list.now
        onEdit: list.edit(delegateRow.subscription)
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
