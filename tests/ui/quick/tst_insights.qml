// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtTest
import Tabrino.Design
import Tabrino.Main
import Tabrino.Testing

// The Insights tab in the panel, against a real store.
Item {
    id: root
    width: 360
    height: 640

    TestCase {
        name: "Insights"
        when: windowShown
        width: 360
        height: 640

        Component {
            id: panelComponent
            PanelView {
                store: Fixture.store
                settings: Fixture.settings
            }
        }

        property PanelView panel

        function init() {
            Fixture.clear()
            panel = createTemporaryObject(panelComponent, root)
            verify(panel)
            panel.forceActiveFocus()
            wait(0)
        }

        function find(name) {
            return findChild(panel, name)
        }

        function openInsights() {
            const tabs = find("tabControl")
            tryVerify(() => tabs.visible)
            waitForRendering(tabs)
            mouseClick(tabs, tabs.width * 0.75, 10)
            compare(panel.navigator.tab, PanelNavigator.Insights)
            tryVerify(() => find("lifetimeList") !== null && find("insightsTab").visible)
            waitForRendering(find("insightsTab"))
        }

        function lifetimeRow(index) {
            const list = find("lifetimeList")
            list.forceLayout()
            return list.itemAtIndex(index)
        }

        function test_archivingChangesTheLifetimeListAndTheDonut() {
            const netflix = Fixture.add({ name: "Netflix", price: "15.49", category: "streaming" })
            Fixture.add({ name: "Gym", price: "40", category: "fitness" })
            openInsights()
            const donut = find("donutSection").presenter
            const lifetime = find("lifetimeList")
            compare(donut.rows.count, 2)
            compare(find("donutTotal").text, "$55")
            compare(lifetime.count, 2)
            const netflixRow = lifetimeRow(1)
            compare(netflixRow.name, "Netflix")
            verify(!findChild(netflixRow, "archivedTag").visible)

            Fixture.store.archive(netflix)
            tryCompare(donut.rows, "count", 1)
            compare(donut.rows.get(0).label, "Fitness")
            compare(find("donutTotal").text, "$40")
            // The row stays, the same item, now dimmed and tagged.
            compare(lifetime.count, 2)
            compare(lifetimeRow(1), netflixRow)
            verify(netflixRow.isArchived)
            verify(findChild(netflixRow, "archivedTag").visible)
            compare(netflixRow.accessibilityText, "Netflix, Archived, ended Jun 2025, $15.49")
            tryCompare(netflixRow.children[0], "opacity", 0.52)
        }

        function test_figuresChangeWhileTheTabIsOpen() {
            const gym = Fixture.add({ name: "Gym", price: "40", category: "fitness" })
            openInsights()
            const cards = find("statCards").presenter.rows
            const gymRow = lifetimeRow(0)
            compare(cards.get(0).detail, "Gym")
            gym.name = "Gym Plus"  // an edit
            tryVerify(() => cards.get(0).detail === "Gym Plus")
            compare(gymRow.name, "Gym Plus")
            Fixture.add({ name: "Music", price: "5", category: "music" })  // a save
            tryCompare(find("donutTotal"), "text", "$45")
            tryCompare(find("lifetimeList"), "count", 2)
            compare(find("donutSection").presenter.rows.count, 2)
            compare(lifetimeRow(0), gymRow, "rows are updated, not made again")
        }

        function test_aLongAmountShrinksInsteadOfBeingCut() {
            Fixture.add({ name: "Yacht club", price: "123456.78", category: "other" })
            Fixture.add({ name: "Gym", price: "40", category: "fitness" })
            openInsights()
            const value = find("statValue")
            verify(value.pixelSize < 15)
            verify(value.pixelSize >= 11)
            const card = value.parent.parent.parent
            verify(value.width + 2 < card.width, "the amount fits its card")
        }

        function test_keyboardReachesAndScrollsTheTab() {
            for (let i = 0; i < 12; ++i)
                Fixture.add({ name: "Service " + i, price: String(5 + i), category: i % 2 ? "music" : "news" })
            openInsights()
            const view = find("insightsTab")
            const scroll = find("insightsScroll")
            verify(scroll.contentHeight > scroll.height, "more than fits")
            compare(scroll.height, 520)
            for (let step = 0; step < 6 && !view.activeFocus; ++step)
                keyClick(Qt.Key_Tab)
            verify(view.activeFocus)
            keyClick(Qt.Key_Down)
            verify(scroll.contentY > 0)
            keyClick(Qt.Key_End)
            compare(scroll.contentY, scroll.contentHeight - scroll.height)
            keyClick(Qt.Key_Home)
            compare(scroll.contentY, 0)
        }

        function test_historyUnderTheBars() {
            Fixture.add({ name: "Later", price: "10", days: 20 })
            openInsights()
            compare(find("historyBars").children.length - 1, 12)  // the bars beside their repeater
            verify(find("historyFootnote").visible)
            compare(find("historyFirstMonth").text, "Jul 24")
            compare(find("historyLastMonth").text, "Jun 25")
            // This month's snapshot was taken as the store stood before the
            // first subscription came; the other months stand in with today's total.
            compare(find("historyLow").text, "$0")
            compare(find("historySection").presenter.rows.get(0).accessibilityText, "July 2024, $10, estimated")
        }
    }
}
