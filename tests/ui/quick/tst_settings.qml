// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtTest
import Tabrino.Design
import Tabrino.Main
import Tabrino.Settings
import Tabrino.Testing

// The settings screen against a real store and real settings in temporary
// folders; the autostart folder is the test run's own.
Item {
    id: root
    width: 360
    height: 640

    TestCase {
        id: testCase
        name: "Settings"
        when: windowShown
        width: 360
        height: 640

        Component {
            id: settingsComponent
            SettingsView {
                width: 360
                store: Fixture.store
                settings: Fixture.settings
            }
        }
        Component {
            id: panelComponent
            PanelView {
                store: Fixture.store
                settings: Fixture.settings
            }
        }

        property SettingsView view

        function init() {
            Fixture.clear()
            SettingsHelper.blockAutostart(false)
            Fixture.settings.trayDisplayModeName = "iconAndTotal"
            Fixture.settings.defaultCurrencyCode = "USD"
            Fixture.settings.defaultLeadDays = 3
            Fixture.settings.yearlyLeadDays = 14
            Fixture.settings.showsRenewalIndicator = true
            Fixture.settings.catalogAutoUpdate = true
        }

        function open() {
            view = createTemporaryObject(settingsComponent, root)
            verify(view)
            view.forceActiveFocus()
            waitForRendering(view)
            return view
        }

        function find(name) {
            return findChild(view, name)
        }

        function toggleOf(name) {
            return find(name).toggle
        }

        function pickerOf(name) {
            return find(name).picker
        }

        // Picks with the keyboard, as the arrow keys do on a closed picker.
        function pick(name, index) {
            const picker = pickerOf(name)
            picker.forceActiveFocus()
            const from = picker.currentIndex
            const key = index > from ? Qt.Key_Down : Qt.Key_Up
            for (let i = 0; i < Math.abs(index - from); ++i)
                keyClick(key)
            compare(picker.currentIndex, index)
        }

        // Sections above may still be opening, moving the item after the
        // scroll: reveal it until it stands still inside the view.
        function scrollTo(item) {
            let last = NaN
            tryVerify(function() {
                find("settingsScroll").reveal(item)
                const top = item.mapToItem(view, 0, 0).y
                const settled = top === last && top >= 0 && top + item.height <= view.height
                last = top
                return settled
            }, 5000, "the item stays in view")
            waitForRendering(view)
        }

        function test_focusOutOfViewScrollsTheControlIn() {
            open()
            const quit = find("quitButton")
            const inView = function() {
                const top = quit.mapToItem(view, 0, 0).y
                return top >= 0 && top + quit.height <= view.height
            }
            verify(!inView(), "the last button starts below the fold")
            quit.forceActiveFocus()
            tryVerify(inView, 5000, "the focused button scrolls into view")
        }

        function test_togglesWriteTheirSettings() {
            open()
            mouseClick(toggleOf("catalogToggle"))
            compare(Fixture.settings.catalogAutoUpdate, false)
            mouseClick(toggleOf("indicatorToggle"))
            compare(Fixture.settings.showsRenewalIndicator, false)
            toggleOf("indicatorToggle").forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(Fixture.settings.showsRenewalIndicator, true)
            // A change made elsewhere shows at once.
            Fixture.settings.catalogAutoUpdate = true
            compare(toggleOf("catalogToggle").checked, true)
        }

        function test_picksWriteTheirSettingsAndTheTrayFollows() {
            Fixture.add({ name: "Netflix", price: "12.99" })
            const label = SettingsHelper.trayLabel()
            tryCompare(label, "amountText", "$13/mo")
            verify(label.showsIcon)
            open()
            compare(pickerOf("displayModePicker").displayText, "Icon and total")

            pick("displayModePicker", 0)
            compare(Fixture.settings.trayDisplayModeName, "total")
            compare(label.showsIcon, false)
            compare(label.amountText, "$13/mo")
            pick("displayModePicker", 1)
            compare(Fixture.settings.trayDisplayModeName, "iconOnly")
            compare(label.showsIcon, true)
            compare(label.amountText, "")

            pick("currencyPicker", 1)
            compare(Fixture.settings.defaultCurrencyCode, "EUR")
            pick("displayModePicker", 2)
            tryCompare(label, "amountText", "€13/mo")

            pick("defaultLeadPicker", 3)
            compare(Fixture.settings.defaultLeadDays, 7)
            compare(pickerOf("defaultLeadPicker").displayText, "7 days before")
            pick("yearlyLeadPicker", 0)
            compare(Fixture.settings.yearlyLeadDays, 0)
            compare(pickerOf("yearlyLeadPicker").displayText, "Off")
        }

        function test_valuesOutsideTheListsShowNoSelectionAndStay() {
            Fixture.settings.defaultLeadDays = 5
            Fixture.settings.defaultCurrencyCode = "BRL"
            open()
            compare(pickerOf("defaultLeadPicker").currentIndex, -1)
            compare(pickerOf("defaultLeadPicker").displayText, "")
            compare(pickerOf("currencyPicker").currentIndex, -1)
            compare(pickerOf("yearlyLeadPicker").displayText, "14 days before")
            wait(50)
            compare(Fixture.settings.defaultLeadDays, 5)
            compare(Fixture.settings.defaultCurrencyCode, "BRL")
            // Until the user picks one.
            pick("defaultLeadPicker", 0)
            compare(Fixture.settings.defaultLeadDays, 0)
        }

        function test_launchAtLoginWritesAndRemovesTheAutostartEntry() {
            open()
            const toggle = toggleOf("launchAtLoginToggle")
            compare(toggle.checked, false)
            mouseClick(toggle)
            verify(SettingsHelper.autostartEntryExists())
            compare(toggle.checked, true)
            verify(!find("launchAtLoginError").visible)

            // The next visit reads the entry again.
            open()
            compare(toggleOf("launchAtLoginToggle").checked, true)
            mouseClick(toggleOf("launchAtLoginToggle"))
            verify(!SettingsHelper.autostartEntryExists())
            compare(toggleOf("launchAtLoginToggle").checked, false)
        }

        function test_anUnwritableAutostartFolderShowsTheTextAndFlipsTheToggleBack() {
            SettingsHelper.blockAutostart(true)
            open()
            const toggle = toggleOf("launchAtLoginToggle")
            mouseClick(toggle)
            compare(toggle.checked, false)
            verify(find("launchAtLoginError").visible)
            const error = find("launchAtLoginError").text
            verify(error.startsWith("Couldn't write the autostart entry in "), error)
            verify(error.endsWith("/autostart: the folder could not be created."), error)
            // It stays until an update works.
            mouseClick(toggle)
            verify(find("launchAtLoginError").visible)
            SettingsHelper.blockAutostart(false)
            mouseClick(toggle)
            compare(toggle.checked, true)
            verify(!find("launchAtLoginError").visible)
            mouseClick(toggle)
        }

        function test_archivedSectionCountsAndDiscloses() {
            open()
            compare(find("archivedSection").title, "Archived (0)")
            verify(find("archivedEmptyNote").visible)
            verify(!find("archivedDisclosure").visible)

            for (const name of ["One", "Two", "Three"])
                Fixture.add({ name: name, archived: true })
            compare(find("archivedSection").title, "Archived (3)")
            verify(!find("archivedEmptyNote").visible)
            const disclosure = find("archivedDisclosure")
            compare(disclosure.text, "Show")
            verify(!find("archivedList").visible)
            scrollTo(disclosure)
            mouseClick(disclosure)
            compare(disclosure.text, "Hide")
            verify(find("archivedList").visible)
            tryCompare(find("archivedList"), "count", 3)
            disclosure.forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(disclosure.text, "Show")

            // Every visit starts collapsed.
            mouseClick(disclosure)
            open()
            compare(find("archivedDisclosure").text, "Show")
        }

        function archivedRow(index) {
            const list = find("archivedList")
            list.forceLayout()
            return list.itemAtIndex(index)
        }

        function test_restoreBringsARecordBackWithAFutureDate() {
            const record = Fixture.add({ name: "Gym", days: -40, archived: true })
            Fixture.add({ name: "Other", archived: true })
            open()
            find("archivedDisclosure").clicked()
            tryCompare(find("archivedList"), "count", 2)
            const row = archivedRow(0).subscription === record ? archivedRow(0) : archivedRow(1)
            scrollTo(find("archivedList"))
            mouseClick(findChild(row, "restoreButton"))
            verify(record.isActive)
            verify(record.nextBillingDate > Fixture.now)
            compare(Fixture.store.active.length, 1)
            compare(find("archivedSection").title, "Archived (1)")
            tryCompare(find("archivedList"), "count", 1)
        }

        function test_deleteRemovesItFromLifetimeFiguresAtOnce() {
            const kept = Fixture.add({ name: "Kept", days: 3 })
            const doomed = Fixture.add({ name: "Doomed", days: 3, archived: true })
            kept.startDate = new Date(Date.UTC(2024, 0, 1))
            doomed.startDate = new Date(Date.UTC(2024, 0, 1))
            Fixture.store.save()
            tryCompare(Fixture.store.lifetimeSpend, "length", 2)
            open()
            find("archivedDisclosure").clicked()
            tryCompare(find("archivedList"), "count", 1)
            const trash = findChild(archivedRow(0), "deleteButton")
            compare(trash.text, "Delete permanently — removes it from lifetime stats")
            scrollTo(trash)
            mouseClick(trash)
            compare(Fixture.store.archived.length, 0)
            compare(find("archivedSection").title, "Archived (0)")
            tryCompare(Fixture.store.lifetimeSpend, "length", 1)
            compare(Fixture.store.lifetimeSpend[0].subscription.name, "Kept")
        }

        function test_aboutShowsTheVersion() {
            open()
            compare(find("versionText").text, "1.0 (1)")
        }

        // The records in the order the store hands them over, cut from a
        // file of the exporter's tests: CSV records end at line feeds outside
        // quotes, JSON objects at the line that closes them.
        function reordered(text, format, names) {
            let header = ""
            let records = []
            if (format === "csv") {
                let quoted = false
                let start = 0
                for (let i = 0; i <= text.length; ++i) {
                    if (text[i] === '"')
                        quoted = !quoted
                    if (i === text.length || (text[i] === "\n" && !quoted)) {
                        records.push(text.slice(start, i))
                        start = i + 1
                    }
                }
                header = records.shift()
            } else {
                records = text.slice(2, -2).split("\n  },\n").map((part, i, all) => i < all.length - 1 ? part + "\n  }" : part)
            }
            const key = record => names.findIndex(name => format === "csv"
                ? record.startsWith(name) || record.startsWith('"' + name)
                : record.includes('"name" : "' + name + '"'))
            records.sort((a, b) => key(a) - key(b))
            return format === "csv" ? [header].concat(records).join("\n") : "[\n" + records.join(",\n") + "\n]"
        }

        // Saves through the dialog window: opened from the button with the
        // suggested name, answered with `name` in `folder`. (Typing into the
        // desktop's dialog is the end-to-end tests' part.)
        function saveThroughTheDialog(buttonName, folder, name) {
            const button = find(buttonName)
            scrollTo(button)
            mouseClick(button)
            const dialog = view.saveDialog
            tryVerify(() => dialog.visible)
            verify(view.exporter.pending)
            verify(String(dialog.currentFile).includes("Tabrino%20Export.") || String(dialog.currentFile).includes("Tabrino Export."),
                   "the suggested name: " + dialog.currentFile)
            dialog.currentFile = folder + (String(folder).endsWith("/") ? "" : "/") + name
            dialog.accept()
            tryVerify(() => !view.exporter.pending)
            tryVerify(() => button.activeFocus, 2000, "back on the button that asked")
        }

        function test_exportThroughTheDialogWritesTheExportersBytes() {
            SettingsHelper.addExportSample()
            const names = Fixture.store.active.concat(Fixture.store.archived).map(s => s.name)
            compare(names, ["Netflix, Premium", "  Gym  ", "Figma", "Cloud Drive", "iCloud+"])
            open()
            // A bare name gets the format's extension.
            saveThroughTheDialog("exportCsvButton", SettingsHelper.temporaryFile(""), "export")
            compare(SettingsHelper.readFile(SettingsHelper.temporaryFile("export.csv")),
                    reordered(SettingsHelper.expectedExport("subscriptions.csv"), "csv", names))
            saveThroughTheDialog("exportJsonButton", SettingsHelper.temporaryFile(""), "export")
            compare(SettingsHelper.readFile(SettingsHelper.temporaryFile("export.json")),
                    reordered(SettingsHelper.expectedExport("subscriptions.json"), "json", names))
            verify(!find("exportError").visible)
        }

        function test_aFailedExportIsShown() {
            open()
            // Into a "folder" that is a file: refused even where the tests run as root.
            saveThroughTheDialog("exportCsvButton", SettingsHelper.temporaryFile(""), "taken")
            saveThroughTheDialog("exportCsvButton", SettingsHelper.temporaryFile("taken.csv"), "cannot-write-here")
            verify(find("exportError").visible)
            compare(find("exportError").text, "Couldn't save the export. Try again in another folder.")
        }

        function test_theRealPanelWindowIsHeldOpenDuringTheDialog() {
            verify(SettingsHelper.holdKeepsPanelWindowOpen())
        }

        function test_ctrlQQuitsFromTheSettingsScreenOnly() {
            SettingsHelper.catchQuit()
            const before = SettingsHelper.quitRequests
            const panel = createTemporaryObject(panelComponent, root)
            panel.forceActiveFocus()
            waitForRendering(panel)
            keySequence("Ctrl+Q")
            wait(0)
            compare(SettingsHelper.quitRequests, before, "the main screen has no Ctrl+Q")
            mouseClick(findChild(panel, "settingsButton"))
            compare(panel.navigator.screen, PanelNavigator.Settings)
            keySequence("Ctrl+Q")
            tryCompare(SettingsHelper, "quitRequests", before + 1)
            const quitButton = findChild(panel, "quitButton")
            findChild(panel, "settingsScroll").reveal(quitButton)
            waitForRendering(panel)
            mouseClick(quitButton)
            tryCompare(SettingsHelper, "quitRequests", before + 2)
            // Escape and the back button both close the screen.
            keyClick(Qt.Key_Escape)
            compare(panel.navigator.screen, PanelNavigator.Main)
        }
    }
}
