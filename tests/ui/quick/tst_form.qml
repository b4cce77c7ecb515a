// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtTest
import Tabrino.Design
import Tabrino.Editing
import Tabrino.Main
import Tabrino.Testing

// The subscription form in the panel's edit screen and in the add flow,
// driven by keyboard and mouse against a real store.
Item {
    id: root
    width: 360
    height: 640

    TestCase {
        id: testCase
        name: "SubscriptionForm"
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
            Fixture.settings.defaultCurrencyCode = "USD"
            panel = createTemporaryObject(panelComponent, root)
            verify(panel)
            panel.forceActiveFocus()
        }

        function find(name) {
            return findChild(panel, name)
        }

        function type(text) {
            for (const c of text)
                keyClick(c)
        }

        function edit(record) {
            verify(panel.navigator.openEdit(record))
            tryVerify(() => find("nameField") !== null && find("nameField").activeFocus)
            waitForRendering(find("editForm"))
            return find("editForm")
        }

        // Replaces a text field's contents from the keyboard.
        function retype(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Delete)
            type(text)
        }

        function rowPriceText(index) {
            const list = find("subscriptionList")
            list.forceLayout()
            return list.itemAtIndex(index).presenter.priceText
        }

        function test_editingThePriceUpdatesTheRowAndTheTotal() {
            const record = Fixture.add({ name: "Gym", price: "10" })
            tryVerify(() => Fixture.trayAmountText() === "$10/mo")
            const form = edit(record)
            compare(find("priceField").text, "10")
            retype(find("priceField"), "25,50")
            verify(find("saveButton").enabled)
            keyClick(Qt.Key_Return)
            compare(panel.navigator.screen, PanelNavigator.Main)
            tryVerify(() => Fixture.trayAmountText() === "$26/mo")
            tryCompare(find("subscriptionList"), "count", 1)
            compare(rowPriceText(0), "$25.50")
        }

        function test_anInvalidPriceKeepsTheFormOpenAndWritesNothing() {
            const record = Fixture.add({ name: "Gym", price: "10" })
            edit(record)
            for (const text of ["12abc", "1,234.50", "-1"]) {
                retype(find("priceField"), text)
                verify(!find("saveButton").enabled, text)
                keyClick(Qt.Key_Return)
                compare(panel.navigator.screen, PanelNavigator.Edit)
            }
            keyClick(Qt.Key_Escape)
            compare(panel.navigator.screen, PanelNavigator.Main)
            tryCompare(find("subscriptionList"), "count", 1)
            compare(rowPriceText(0), "$10")
        }

        function test_valuesOutsideThePickersSurviveASave() {
            const record = Fixture.add({ name: "Gym", price: "10", currency: "BRL" })
            record.notificationLeadDays = 5
            Fixture.store.save()
            edit(record)
            compare(find("currencyPicker").currentIndex, -1)
            compare(find("leadPicker").currentIndex, -1)
            retype(find("nameField"), "Gym Plus")
            mouseClick(find("saveButton"))
            compare(panel.navigator.screen, PanelNavigator.Main)
            compare(record.name, "Gym Plus")
            compare(record.currencyCode, "BRL")
            compare(record.notificationLeadDays, 5)
        }

        function test_pickersWriteTheChosenValues() {
            const record = Fixture.add({ name: "Gym", price: "10" })
            const form = edit(record)
            const currency = find("currencyPicker")
            currency.forceActiveFocus()
            keyClick(Qt.Key_Space)
            tryVerify(() => currency.popup.opened)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            tryVerify(() => !currency.popup.visible)
            compare(form.formModel.currencyCode, "EUR")
            compare(form.formModel.currencySymbol, "€")
            // The default reminder follows the cycle being edited.
            mouseClick(find("cycleControl"), find("cycleControl").width * 0.7, find("cycleControl").height / 2)
            compare(form.formModel.cycleValue, "yearly")
            compare(find("leadPicker").displayText, "Default (14 days before)")
            keyClick(Qt.Key_Escape)
            compare(record.currencyCode, "USD", "Cancel wrote nothing")
            compare(record.billingCycleRaw, "monthly")
        }

        function test_archiveRemovesTheRow() {
            const record = Fixture.add({ name: "Gym" })
            tryCompare(find("subscriptionList"), "count", 1)
            edit(record)
            const archive = find("archiveButton")
            verify(archive.visible)
            archive.forceActiveFocus()
            keyClick(Qt.Key_Return)
            compare(panel.navigator.screen, PanelNavigator.Main)
            verify(!record.isActive)
            compare(Fixture.store.archived.length, 1)
            tryVerify(() => find("emptyState").visible)
        }

        function test_aNewFormWithATrialAndASplitSavesBoth() {
            verify(panel.navigator.openAdd())
            tryVerify(() => find("customRow") !== null)
            waitForRendering(find("customRow"))
            mouseClick(find("customRow"))
            tryVerify(() => find("nameField") !== null && find("nameField").activeFocus)
            verify(!find("archiveButton").visible)
            compare(find("saveButton").text, "Add")
            type("Gym")
            retype(find("priceField"), "40")
            const trial = find("trialToggle")
            trial.forceActiveFocus()
            keyClick(Qt.Key_Space)
            tryVerify(() => find("trialEndField").visible)
            mouseClick(find("shareToggle"))
            tryVerify(() => find("shareSlider").visible)
            find("shareSlider").forceActiveFocus()
            keyClick(Qt.Key_Left)
            keyClick(Qt.Key_Left)
            compare(find("addView").stageItem.formModel.shareText, "40%")
            mouseClick(find("saveButton"))
            compare(panel.navigator.screen, PanelNavigator.Main)
            const added = Fixture.store.active[0]
            compare(added.name, "Gym")
            verify(added.isTrial)
            verify(added.trialEndDate !== undefined && added.trialEndDate !== null)
            verify(added.isShared)
            compare(added.sharePercentage, 0.4)
        }

        function test_theDateFieldWorksFromTheKeyboard() {
            const record = Fixture.add({ name: "Gym", days: 5 })
            const form = edit(record)
            const field = find("nextChargeField")
            const start = new Date(form.formModel.nextBillingDate)
            find("calendarButton").forceActiveFocus()
            keyClick(Qt.Key_Return)
            tryVerify(() => field.popup.opened)
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_PageDown)
            keyClick(Qt.Key_Return)
            tryVerify(() => !field.popup.visible)
            const picked = new Date(form.formModel.nextBillingDate)
            const expected = new Date(start)
            expected.setUTCDate(expected.getUTCDate() + 1)
            expected.setUTCMonth(expected.getUTCMonth() + 1)
            compare(picked.getTime(), expected.getTime())

            // A typed date, and Escape closing the grid without a change.
            retype(find("dateText"), "2025-08-01")
            keyClick(Qt.Key_Tab)
            compare(field.presenter.year, 2025)
            compare(field.presenter.month, 7)
            compare(field.presenter.day, 1)
            find("calendarButton").forceActiveFocus()
            keyClick(Qt.Key_Space)
            tryVerify(() => field.popup.opened)
            keyClick(Qt.Key_Left)
            keyClick(Qt.Key_Escape)
            tryVerify(() => !field.popup.visible)
            compare(field.presenter.day, 1)
            compare(panel.navigator.screen, PanelNavigator.Edit, "Escape closed the grid, not the form")
        }
    }
}
