// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Insights

// The Insights tab: the stat cards, spend by category, the last twelve
// months and lifetime spend, in a container as tall as its content up to
// `maxHeight`, scrolling beyond. The container is one stop of the Tab
// chain; the arrow, page, Home and End keys scroll it.
FocusScope {
    id: view

    required property SubscriptionStore store
    required property date now
    property real maxHeight: 520

    implicitHeight: scroll.implicitHeight
    activeFocusOnTab: true
    Accessible.role: Accessible.Pane
    //: Read out for the screen of charts and figures about the spend
    Accessible.name: qsTr("Insights")

    function scrollBy(distance) {
        const bottom = Math.max(0, scroll.contentHeight - scroll.height)
        scroll.contentY = Math.max(0, Math.min(bottom, scroll.contentY + distance))
    }

    Keys.onUpPressed: view.scrollBy(-40)
    Keys.onDownPressed: view.scrollBy(40)
    Keys.onPressed: event => {
        const page = scroll.height * 0.9
        const moves = { [Qt.Key_PageUp]: -page, [Qt.Key_PageDown]: page,
                        [Qt.Key_Home]: -scroll.contentHeight, [Qt.Key_End]: scroll.contentHeight }
        if (event.key in moves) {
            view.scrollBy(moves[event.key])
            event.accepted = true
        }
    }

    ContentHeightScrollView {
        id: scroll
        objectName: "insightsScroll"
        width: view.width
        maxHeight: view.maxHeight

        Column {
            id: blocks
            width: scroll.width
            leftPadding: Theme.spacingXXL
            rightPadding: Theme.spacingXXL
            topPadding: Theme.spacingM
            bottomPadding: 14
            readonly property real innerWidth: width - leftPadding - rightPadding

            InsightsStatCardsRow {
                objectName: "statCards"
                width: blocks.innerWidth
                store: view.store
            }
            AuroraSectionLabel {
                topPadding: Theme.spacingXXXL
                bottomPadding: Theme.spacingL
                //: Heading of the insights' chart of monthly spend per category
                text: qsTr("Spend by Category")
            }
            InsightsDonutSection {
                objectName: "donutSection"
                width: blocks.innerWidth
                store: view.store
            }
            AuroraSectionLabel {
                topPadding: Theme.spacingXXXL
                bottomPadding: Theme.spacingL
                //: Heading of the insights' chart of each month's spend
                text: qsTr("Last 12 Months")
            }
            InsightsHistorySection {
                objectName: "historySection"
                width: blocks.innerWidth
                store: view.store
                now: view.now
            }
            AuroraSectionLabel {
                topPadding: Theme.spacingXXXL
                bottomPadding: Theme.spacingXS
                //: Heading of the insights' list of what each subscription has cost so far
                text: qsTr("Lifetime Spend")
            }
            InsightsLifetimeList {
                objectName: "lifetimeSection"
                width: blocks.innerWidth
                store: view.store
                now: view.now
                limit: 10
            }
        }
    }

    FocusRing {
        target: view
        anchors.margins: 2
        radius: Theme.radiusOption
    }
}
