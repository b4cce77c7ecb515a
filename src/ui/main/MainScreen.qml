// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Insights
import Tabrino.Main

// The main screen: the first-run invitation while nothing is tracked,
// otherwise the List and Insights tabs.
Column {
    id: main

    required property SubscriptionStore store
    required property PanelNavigator navigator
    required property date now
    required property bool isEmpty
    // The height the screen may take; the list gets what the rest leaves,
    // up to 380, and scrolls beyond.
    property real availableHeight: 640
    readonly property real chromeHeight: topPadding + tabs.height + tabGap.height + header.height + strip.height
                                         + stripGap.height + listGap.height

    EmptyStateView {
        objectName: "emptyState"
        visible: main.isEmpty
        width: main.width
        onAdd: main.navigator.openAdd()
    }

    Column {
        visible: !main.isEmpty
        width: main.width

        AuroraSegmentedControl {
            id: tabs
            objectName: "tabControl"
            x: Theme.spacingXXL
            y: 0
            width: main.width - 2 * Theme.spacingXXL
            segments: [{ value: PanelNavigator.List,
                         //: A tab of the panel: the list of subscriptions
                         label: qsTr("List") },
                       { value: PanelNavigator.Insights,
                         //: A tab of the panel: charts and figures on the spending
                         label: qsTr("Insights") }]
            selection: main.navigator.tab
            onActivated: value => main.navigator.tab = value
        }
        Item { id: tabGap; width: 1; height: Theme.spacingXS }

        Column {
            objectName: "listTab"
            visible: main.navigator.tab === PanelNavigator.List
            width: main.width
            spacing: 0

            PanelHeaderView {
                id: header
                width: main.width
                store: main.store
            }
            UpcomingStripView {
                id: strip
                x: Theme.spacingXXL
                width: main.width - 2 * Theme.spacingXXL
                store: main.store
                now: main.now
            }
            Item { id: stripGap; width: 1; height: Theme.spacingM }
            SubscriptionListView {
                id: list
                objectName: "subscriptionList"
                width: main.width
                store: main.store
                now: main.now
                maxHeight: Math.max(96, Math.min(380, main.availableHeight - main.chromeHeight))
                onEdit: subscription => main.navigator.openEdit(subscription)
            }
            Item { id: listGap; width: 1; height: Theme.spacingS }
        }

        // Made the first time the tab is chosen and kept from then on: a panel
        // opened only for the list never builds the charts, and a later switch
        // only shows them.
        Loader {
            objectName: "insightsTab"
            visible: main.navigator.tab === PanelNavigator.Insights
            active: visible || status === Loader.Ready
            width: main.width
            // qmllint disable unqualified
            sourceComponent: Component {
                InsightsView {
                    width: main.width
                    store: main.store
                    now: main.now
                    maxHeight: Math.min(520, main.availableHeight - main.topPadding - tabs.height - tabGap.height)
                }
            }
            // qmllint enable unqualified
        }
    }
}
