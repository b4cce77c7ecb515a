// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtTest
import Tabrino.Design
import Tabrino.Editing
import Tabrino.Main
import Tabrino.Testing

// The add screen as a person uses it, by keyboard and by mouse, against a
// real store with the shipped catalog.
Item {
    id: root
    width: 360
    height: 640

    TestCase {
        id: testCase
        name: "AddFlow"
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
            Fixture.settings.notificationsRequested = true
            panel = createTemporaryObject(panelComponent, root)
            verify(panel)
            panel.forceActiveFocus()
        }

        function find(name) {
            return findChild(panel, name)
        }

        function addView() {
            return find("addView")
        }

        function openAdd() {
            verify(panel.navigator.openAdd())
            tryVerify(() => find("searchField") !== null && find("searchField").activeFocus)
            waitForRendering(find("searchField"))
        }

        function type(text) {
            for (const c of text)
                keyClick(c)
        }

        function pill(index) {
            return find("planPills").itemAt(index)
        }

        function resultNames() {
            const names = []
            const rows = find("resultRows")
            for (let i = 0; i < rows.count; ++i)
                names.push(rows.itemAt(i).name)
            return names
        }

        function test_typingThenReturnOpensThePlansOfTheFirstResult() {
            openAdd()
            type("netf")
            compare(find("searchField").text, "netf")
            compare(resultNames()[0], "Netflix")
            keyClick(Qt.Key_Return)
            compare(addView().flow.stage, AddFlow.Plan)
            compare(addView().flow.service.id, "netflix")
            compare(addView().title, "Netflix")
            tryVerify(() => find("planStage") !== null)
            verify(find("planPills").count > 1)
            verify(!find("selectionArea").visible, "several plans: nothing selected, no add button")
        }

        function test_blankSearchListsPopularServicesThenTheCustomRow() {
            openAdd()
            const names = resultNames()
            verify(names.length > 0 && names.length <= 8)
            compare(names[0], "Netflix")
            compare(find("customRow").text, "Add a custom subscription")
            type("zqxz")
            compare(resultNames(), [])
            compare(find("customRow").text, "Can't find it? Add \"zqxz\"")
            keyClick(Qt.Key_Return)
            compare(addView().flow.stage, AddFlow.Search, "Return without results does nothing")
        }

        function test_aPlanAddedByMouseIsSavedInDollarsAndRaisesTheTotal() {
            Fixture.settings.defaultCurrencyCode = "USD"
            Fixture.add({ name: "Gym", price: "10" })
            tryVerify(() => Fixture.trayAmountText() === "$10/mo")
            openAdd()
            type("netf")
            keyClick(Qt.Key_Return)
            tryVerify(() => find("planStage") !== null)
            waitForRendering(pill(1))
            mouseClick(pill(1))
            // The first charge and the add button have slid in.
            tryCompare(find("selectionArea"), "opacity", 1)
            tryCompare(find("selectionArea"), "height", find("selectionArea").implicitHeight)
            waitForRendering(find("addPlanButton"))
            mouseClick(find("addPlanButton"))
            compare(panel.navigator.screen, PanelNavigator.Main)
            compare(Fixture.store.active.length, 2)
            const added = Fixture.store.active.find(s => s.name === "Netflix")
            verify(added)
            compare(added.currencyCode, "USD")
            compare(added.serviceId, "netflix")
            verify(added.cancellationUrlString.length > 0)
            // Netflix Standard, 17.99 a month, beside the 10 already tracked.
            tryVerify(() => Fixture.trayAmountText() === "$28/mo")
            tryCompare(find("subscriptionList"), "count", 2)
        }

        function test_keyboardAloneAddsAPlan() {
            openAdd()
            type("netf")
            keyClick(Qt.Key_Return)
            tryVerify(() => find("planStage") !== null && pill(0).activeFocus)
            keyClick(Qt.Key_Down)
            compare(find("planStage").planModel.selectedIndex, 1)
            keyClick(Qt.Key_Return)
            compare(panel.navigator.screen, PanelNavigator.Main)
            compare(Fixture.store.active.length, 1)
            compare(Fixture.store.active[0].name, "Netflix")
        }

        function test_twoSpacesInTheCustomRowOpenTheFormWithNoName() {
            openAdd()
            type("  ")
            compare(find("customRow").text, "Can't find it? Add \"  \"")
            mouseClick(find("customRow"))
            compare(addView().flow.stage, AddFlow.Custom)
            compare(addView().title, "New Subscription")
            tryVerify(() => find("nameField") !== null)
            compare(find("nameField").text, "")
            compare(find("priceField").text, "")
            verify(!find("saveButton").enabled)
        }

        function test_cancelInTheFormClosesTheWholeAddScreen() {
            openAdd()
            mouseClick(find("customRow"))
            tryVerify(() => find("cancelButton") !== null)
            waitForRendering(find("cancelButton"))
            mouseClick(find("cancelButton"))
            compare(panel.navigator.screen, PanelNavigator.Main)
            compare(Fixture.store.active.length, 0)

            openAdd()
            mouseClick(find("customRow"))
            tryVerify(() => find("nameField") !== null && find("nameField").activeFocus)
            keyClick(Qt.Key_Escape)
            compare(panel.navigator.screen, PanelNavigator.Main)
        }

        function test_backReturnsToTheSameResultsAndEveryVisitStartsAfresh() {
            openAdd()
            type("spo")
            const before = resultNames()
            keyClick(Qt.Key_Return)
            tryVerify(() => find("planStage") !== null)
            mouseClick(find("backButton"))
            compare(addView().flow.stage, AddFlow.Search)
            tryVerify(() => find("searchField") !== null)
            compare(find("searchField").text, "spo")
            compare(resultNames(), before)
            mouseClick(find("backButton"))
            compare(panel.navigator.screen, PanelNavigator.Main)
            openAdd()
            compare(find("searchField").text, "")
            compare(addView().flow.stage, AddFlow.Search)
        }

        function test_customizeCarriesTheServiceIntoTheForm() {
            openAdd()
            type("icloud")
            keyClick(Qt.Key_Return)
            tryVerify(() => find("customizeButton") !== null)
            mouseClick(find("customizeButton"))
            compare(addView().flow.stage, AddFlow.Custom)
            compare(addView().flow.prefill.name, "iCloud+")
            compare(addView().flow.service.id, "", "the form stage holds no service")
            tryVerify(() => find("nameField") !== null)
            compare(find("nameField").text, "iCloud+")
            verify(find("priceField").text.length > 0)
            keyClick(Qt.Key_Return)
            compare(panel.navigator.screen, PanelNavigator.Main)
            compare(Fixture.store.active[0].serviceId, "icloud-plus")
        }

        function test_theFirstAddLooksForNotifications() {
            Fixture.settings.notificationsRequested = false
            openAdd()
            type("netf")
            keyClick(Qt.Key_Return)
            tryVerify(() => find("planStage") !== null)
            find("planStage").planModel.select(0)
            keyClick(Qt.Key_Return)
            compare(Fixture.store.active.length, 1)
            verify(Fixture.settings.notificationsRequested)
        }
    }
}
