// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtTest
import Tabrino.Design
import Tabrino.Main
import Tabrino.Testing

// The panel as a person uses it, against a real store.
Item {
    id: root
    width: 360
    height: 640

    TestCase {
        id: testCase
        name: "Panel"
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

        function shown(name) {
            const item = find(name)
            return item !== null && item.visible
        }

        // The menu's shown entries, a divider as "-".
        function menuEntries(menu) {
            const entries = []
            for (let i = 0; i < menu.items.length; ++i) {
                const item = menu.items[i]
                if (item.visible)
                    entries.push(item.separator ? "-" : item.text)
            }
            return entries
        }

        function rowAt(index) {
            const list = find("subscriptionList")
            list.forceLayout()
            return list.itemAtIndex(index)
        }

        function rowTexts() {
            const names = []
            for (let i = 0; i < find("subscriptionList").count; ++i)
                names.push(rowAt(i).subscription.name)
            return names
        }

        function test_emptyStateFollowsTheActiveListOnly() {
            Fixture.add({ name: "Old", archived: true })
            tryVerify(() => shown("emptyState"))
            verify(shown("settingsButton"))
            verify(!shown("footerAddButton"))
            const added = Fixture.add({ name: "Netflix" })
            tryVerify(() => !shown("emptyState"))
            verify(shown("footerAddButton"))
            Fixture.store.archive(added)
            tryVerify(() => shown("emptyState"))
        }

        function test_footerButtonsOpenTheirScreens() {
            Fixture.add({ name: "Netflix" })
            tryVerify(() => shown("footerAddButton"))
            mouseClick(find("footerAddButton"))
            compare(panel.navigator.screen, PanelNavigator.Add)
            verify(!shown("footer"))
            mouseClick(find("backButton"))
            compare(panel.navigator.screen, PanelNavigator.Main)
            mouseClick(find("settingsButton"))
            compare(panel.navigator.screen, PanelNavigator.Settings)
            keyClick(Qt.Key_Escape)
            compare(panel.navigator.screen, PanelNavigator.Main)
        }

        function test_ctrlNOpensTheAddScreenOnce() {
            let opened = 0
            panel.navigator.screenChanged.connect(() => {
                if (panel.navigator.screen === PanelNavigator.Add)
                    ++opened
            })
            keySequence("Ctrl+N")
            compare(opened, 1)
            keySequence("Ctrl+N")
            compare(opened, 1, "Ctrl+N does nothing on an overlay")
            panel.navigator.close()
            Fixture.add({ name: "Netflix" })
            tryVerify(() => shown("footerAddButton"))
            keySequence("Ctrl+N")
            compare(opened, 2)
        }

        function test_tabSurvivesTheEmptyState() {
            const only = Fixture.add({ name: "Netflix" })
            tryVerify(() => shown("tabControl"))
            mouseClick(find("tabControl"), find("tabControl").width * 0.75, 10)
            compare(panel.navigator.tab, PanelNavigator.Insights)
            Fixture.store.archive(only)
            tryVerify(() => shown("emptyState"))
            Fixture.add({ name: "Spotify" })
            tryVerify(() => shown("insightsTab"))
            compare(panel.navigator.tab, PanelNavigator.Insights)
        }

        function test_listIsOrderedByNextChargeWithStableTies() {
            Fixture.add({ name: "Later", days: 9 })
            Fixture.add({ name: "First tie", days: 3 })
            Fixture.add({ name: "Soonest", days: 1 })
            Fixture.add({ name: "Second tie", days: 3 })
            tryCompare(find("subscriptionList"), "count", 4)
            compare(rowTexts(), ["Soonest", "First tie", "Second tie", "Later"])
        }

        function test_stripShowsFourOfFiveCharges() {
            for (let day = 0; day < 5; ++day)
                Fixture.add({ name: "S" + day, days: day })
            const strip = findChild(panel, "listTab").children[1]
            tryCompare(strip.presenter.cells, "length", 4)
            compare(strip.presenter.cells[3].name, "S3")
        }

        function test_noPillWithoutAChange() {
            Fixture.add({ name: "Netflix" })
            tryVerify(() => shown("listTab"))
            verify(!find("deltaPill").visible)
        }

        function test_contextMenuEntriesAndActions() {
            const plain = Fixture.add({ name: "Plain", days: 10 })
            Fixture.add({ name: "Cancellable", days: 12, url: "https://example.com/cancel" })
            tryCompare(find("subscriptionList"), "count", 2)
            const list = find("subscriptionList")
            const row = rowAt(0)
            compare(row.subscription.name, "Plain")
            compare(menuEntries(row.contextMenu()), ["Edit…", "-", "Mark as Trial", "-", "Archive"])
            compare(menuEntries(rowAt(1).contextMenu()), ["Edit…", "-", "Mark as Trial", "Open Cancellation Page", "-", "Archive"])

            // Mark as Trial: the trial ends on the next billing date, saved.
            row.contextMenu().items[2].triggered()
            verify(plain.isTrial)
            compare(plain.trialEndDate, plain.nextBillingDate)
            tryVerify(() => findChild(row, "trialBadge").visible)
            compare(row.contextMenu().items[2].text, "End Trial — Keep Subscription")
            row.contextMenu().items[2].triggered()
            verify(!plain.isTrial)
            verify(plain.trialEndDate === undefined || plain.trialEndDate === null)

            // Edit… opens the edit screen for that record.
            row.contextMenu().items[0].triggered()
            compare(panel.navigator.screen, PanelNavigator.Edit)
            compare(panel.navigator.editing, plain)
            panel.navigator.close()
        }

        function test_archiveRemovesTheRow() {
            Fixture.add({ name: "Keep", days: 2 })
            Fixture.add({ name: "Drop", days: 4 })
            tryCompare(find("subscriptionList"), "count", 2)
            const row = rowAt(1)
            row.contextMenu().items[5].triggered()
            tryCompare(find("subscriptionList"), "count", 1)
            compare(rowTexts(), ["Keep"])
            compare(Fixture.store.archived.length, 1)
        }

        function test_rowClickAndReturnEdit() {
            const record = Fixture.add({ name: "Netflix" })
            tryCompare(find("subscriptionList"), "count", 1)
            const row = rowAt(0)
            mouseClick(row)
            compare(panel.navigator.editing, record)
            mouseClick(find("backButton"))
            compare(panel.navigator.screen, PanelNavigator.Main)
            compare(panel.navigator.tab, PanelNavigator.List)
            row.forceActiveFocus()
            keyClick(Qt.Key_Return)
            compare(panel.navigator.screen, PanelNavigator.Edit)
        }
}
}
