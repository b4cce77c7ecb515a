// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import Qt.labs.platform as Platform
import Tabrino.Design
import Tabrino.Settings

// The settings screen under its title row: six sections in a scroll view
// that hugs them up to 460. Every change takes effect at once; `done`
// closes the screen.
FocusScope {
    id: view

    required property SubscriptionStore store
    required property AppSettings settings
    // The program's calendar file; absent where the screen is shown alone.
    property CalendarFileKeeper calendarFile
    readonly property alias presenter: presenter
    readonly property alias exporter: exporter
    readonly property alias saveDialog: saveDialog
    readonly property alias openDialog: openDialog
    signal done()
    // The file the person chose to import, for the panel to preview.
    signal importChosen(url file)

    implicitHeight: scroll.implicitHeight
    Keys.onEscapePressed: view.done()

    SettingsPresenter {
        id: presenter
        settings: view.settings
        store: view.store
    }
    SettingsExport {
        id: exporter
        store: view.store
    }
    SettingsImport { id: importer }

    Shortcut {
        id: quitShortcut
        sequence: "Ctrl+Q"
        onActivated: presenter.quit()
    }

    // The file is built when the button is pressed; the dialog then asks
    // where it goes, as a dialog of the panel's own window.
    function startExport(format, button) {
        saveDialog.returnFocusTo = button
        exporter.begin(format, view.Window.window)
        saveDialog.open()
        // The widget dialog takes a proposed name only once it is up.
        saveDialog.currentFile = exporter.suggestedFile
    }

    // A dialog window of its own over the panel (the desktop's through the
    // portal where one runs): drawn inside the 360-point panel, a file
    // dialog has no room for its name field and folder list.
    Platform.FileDialog {
        id: saveDialog
        property Item returnFocusTo
        objectName: "saveDialog"
        parentWindow: view.Window.window
        //: Title of the dialog that asks where an export is saved
        title: qsTr("Export")
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: exporter.nameFilters
        defaultSuffix: exporter.defaultSuffix
        folder: exporter.folder
        onAccepted: {
            exporter.finish(file)
            if (returnFocusTo)
                returnFocusTo.forceActiveFocus()
        }
        onRejected: {
            exporter.cancel()
            if (returnFocusTo)
                returnFocusTo.forceActiveFocus()
        }
    }

    // The same kind of dialog window asks which file to import.
    Platform.FileDialog {
        id: openDialog
        objectName: "openDialog"
        parentWindow: view.Window.window
        //: Title of the dialog that asks which file to import
        title: qsTr("Import")
        fileMode: Platform.FileDialog.OpenFile
        nameFilters: importer.nameFilters
        folder: importer.folder
        onAccepted: {
            const chosen = importer.finish(file)
            if (chosen.toString().length > 0)
                view.importChosen(chosen)
            else
                importButton.forceActiveFocus()
        }
        onRejected: {
            importer.cancel()
            importButton.forceActiveFocus()
        }
    }

    // Tabbing to a control below the fold scrolls it into view.
    Connections {
        target: view.Window.window
        function onActiveFocusItemChanged() {
            const item = view.Window.window ? view.Window.window.activeFocusItem : null
            // Any control of the sections, those out of view above all.
            for (let ancestor = item; ancestor; ancestor = ancestor.parent) {
                if (ancestor === sections) {
                    scroll.reveal(item)
                    return
                }
            }
        }
    }

    ContentHeightScrollView {
        id: scroll
        objectName: "settingsScroll"
        width: view.width
        maxHeight: 460

        function reveal(item) {
            const top = item.mapToItem(scroll.contentItem, 0, 0).y - Theme.spacingM
            const bottom = top + item.height + 2 * Theme.spacingM
            if (top < scroll.contentY)
                scroll.contentY = Math.max(0, top)
            else if (bottom > scroll.contentY + scroll.height)
                scroll.contentY = Math.min(scroll.contentHeight - scroll.height, bottom - scroll.height)
        }

        Column {
            id: sections
            x: Theme.spacingXL
            width: scroll.width - 2 * Theme.spacingXL
            topPadding: Theme.spacingXS
            bottomPadding: Theme.spacingXL
            spacing: 14

            SettingsSection {
                objectName: "generalSection"
                width: sections.width
                //: Heading of a settings section
                title: qsTr("General")

                SettingsToggle {
                    objectName: "launchAtLoginToggle"
                    width: parent.width
                    text: qsTr("Launch at login")
                    checked: presenter.launchAtLogin
                    onToggled: checked => presenter.setLaunchAtLogin(checked)
                }
                SettingsNote {
                    objectName: "launchAtLoginError"
                    width: parent.width
                    visible: presenter.launchAtLoginError.length > 0
                    tone: SettingsNote.Tone.Warning
                    text: presenter.launchAtLoginError
                }
                SettingsToggle {
                    objectName: "catalogToggle"
                    width: parent.width
                    //: A setting: download the catalog of services and their usual prices now and then
                    text: qsTr("Keep typical prices updated")
                    note: qsTr("Anonymously refreshes the service catalog every few days")
                    checked: view.settings.catalogAutoUpdate
                    onToggled: checked => view.settings.catalogAutoUpdate = checked
                }
                SettingsPicker {
                    objectName: "currencyPicker"
                    width: parent.width
                    //: A setting: the currency of new subscriptions and of the totals
                    caption: qsTr("Currency")
                    choices: presenter.currencyChoices
                    selectedIndex: presenter.currencyIndex
                    onChosen: index => presenter.chooseCurrency(index)
                }
                SettingsToggle {
                    objectName: "oneCurrencyToggle"
                    width: parent.width
                    text: qsTr("Show totals in one currency")
                    note: qsTr("Converts other currencies at the European Central Bank's rates, fetched anonymously once a day")
                    checked: view.settings.showsTotalsInOneCurrency
                    onToggled: checked => view.settings.showsTotalsInOneCurrency = checked
                }
            }

            SettingsSection {
                width: sections.width
                //: Heading of the settings section about Tabrino's item in the panel's system tray
                title: qsTr("Tray")

                SettingsPicker {
                    objectName: "displayModePicker"
                    width: parent.width
                    //: A setting: what the tray item shows (the icon, the monthly total, ...)
                    caption: qsTr("Show")
                    choices: presenter.displayModeChoices
                    selectedIndex: presenter.displayModeIndex
                    onChosen: index => presenter.chooseDisplayMode(index)
                }
                SettingsNote {
                    objectName: "trayNote"
                    width: parent.width
                    visible: presenter.trayNote.length > 0
                    text: presenter.trayNote
                }
                SettingsToggle {
                    objectName: "indicatorToggle"
                    width: parent.width
                    //: A setting: a dot on the tray icon when a renewal is near
                    text: qsTr("Renewal indicator")
                    note: qsTr("A small dot when something renews within 3 days")
                    checked: view.settings.showsRenewalIndicator
                    onToggled: checked => view.settings.showsRenewalIndicator = checked
                }
            }

            SettingsSection {
                width: sections.width
                //: Heading of the settings section about reminders before charges
                title: qsTr("Notifications")

                SettingsPicker {
                    objectName: "defaultLeadPicker"
                    width: parent.width
                    //: A setting: how long before a charge reminders come, unless a subscription says otherwise
                    caption: qsTr("Default lead")
                    choices: presenter.leadChoices
                    selectedIndex: presenter.defaultLeadIndex
                    onChosen: index => presenter.chooseDefaultLead(index)
                }
                SettingsPicker {
                    objectName: "yearlyLeadPicker"
                    width: parent.width
                    //: A setting: how long before a charge of a yearly plan its reminder comes
                    caption: qsTr("Yearly plans")
                    choices: presenter.leadChoices
                    selectedIndex: presenter.yearlyLeadIndex
                    onChosen: index => presenter.chooseYearlyLead(index)
                }
                SettingsNote {
                    width: parent.width
                    text: qsTr("Per-subscription overrides live in each subscription's details.")
                }
            }

            SettingsSection {
                width: sections.width
                //: Heading of the settings section for export and import
                title: qsTr("Your Data")

                // The calendar's button wraps to a line of its own.
                Flow {
                    width: parent.width
                    spacing: Theme.spacingM
                    SettingsButton {
                        id: exportCsvButton
                        objectName: "exportCsvButton"
                        text: qsTr("Export CSV")
                        onClicked: view.startExport(SettingsExport.Csv, exportCsvButton)
                    }
                    SettingsButton {
                        id: exportJsonButton
                        objectName: "exportJsonButton"
                        text: qsTr("Export JSON")
                        onClicked: view.startExport(SettingsExport.Json, exportJsonButton)
                    }
                    SettingsButton {
                        id: exportCalendarButton
                        objectName: "exportCalendarButton"
                        text: qsTr("Export Calendar (.ics)")
                        onClicked: view.startExport(SettingsExport.Calendar, exportCalendarButton)
                    }
                }
                SettingsNote {
                    objectName: "exportError"
                    width: parent.width
                    visible: exporter.error.length > 0
                    tone: SettingsNote.Tone.Warning
                    text: exporter.error
                }
                SettingsToggle {
                    objectName: "calendarFileToggle"
                    width: parent.width
                    text: qsTr("Keep a calendar file up to date")
                    note: view.calendarFile
                          //: Under the calendar file switch; %1 is the file's path
                          ? qsTr("%1, for your calendar app to subscribe to").arg(view.calendarFile.displayedPath)
                          : ""
                    checked: view.settings.keepsCalendarFile
                    onToggled: checked => view.settings.keepsCalendarFile = checked
                }
                SettingsRow {
                    width: parent.width
                    //: Label of the import button: where an imported file comes from
                    caption: qsTr("From a backup or another app")
                    SettingsButton {
                        id: importButton
                        objectName: "importButton"
                        text: qsTr("Import…")
                        //: Read out for the import button: the files it takes; Wallos and SubTrackr are other apps
                        Accessible.description: qsTr("A Tabrino, Wallos or SubTrackr export, or a spreadsheet")
                        onClicked: {
                            importer.begin(view.Window.window)
                            openDialog.open()
                        }
                    }
                }
                SettingsNote {
                    width: parent.width
                    text: qsTr("Everything stays on this computer. Exports are yours to keep.")
                }
            }

            SettingsSection {
                objectName: "archivedSection"
                width: sections.width
                title: presenter.archivedTitle

                SettingsNote {
                    objectName: "archivedEmptyNote"
                    width: parent.width
                    visible: presenter.archivedCount === 0
                    text: qsTr("Archived subscriptions keep their history for lifetime stats.")
                }
                SettingsDisclosure {
                    objectName: "archivedDisclosure"
                    width: parent.width
                    visible: presenter.archivedCount > 0
                    text: presenter.disclosureText
                    expanded: presenter.showingArchived
                    onClicked: presenter.showingArchived = !presenter.showingArchived
                }
                ListView {
                    id: archivedList
                    objectName: "archivedList"
                    width: parent.width
                    height: contentHeight
                    visible: presenter.showsArchivedList
                    interactive: false
                    spacing: Theme.spacingS
                    activeFocusOnTab: false
                    Accessible.role: Accessible.List
                    Accessible.name: presenter.archivedTitle
                    model: ArchivedListModel { store: view.store }
                    delegate: ArchivedRow {
                        width: ListView.view.width
                        onRestore: view.store.unarchive(subscription)
                        onRemove: view.store.deletePermanently(subscription)
                    }
                    remove: Transition {
                        RowSpringAnimation { property: "opacity"; to: 0 }
                        RowSpringAnimation { property: "x"; to: 24 }
                    }
                    add: Transition {
                        RowSpringAnimation { property: "opacity"; from: 0; to: 1 }
                    }
                    displaced: Transition {
                        RowSpringAnimation { properties: "y" }
                    }
                }
            }

            SettingsSection {
                width: sections.width
                //: Heading of the settings section with Tabrino's version
                title: qsTr("About")

                Item {
                    width: parent.width
                    height: name.implicitHeight
                    Text {
                        id: name
                        text: "Tabrino"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontLabel
                        font.weight: Font.DemiBold
                        color: Theme.textPrimary
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text + " " + presenter.versionText
                    }
                    Text {
                        objectName: "versionText"
                        anchors.right: parent.right
                        anchors.baseline: name.baseline
                        text: presenter.versionText
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontBody
                        color: Theme.textTertiary
                        Accessible.ignored: true
                    }
                }
                SettingsNote {
                    width: parent.width
                    tone: SettingsNote.Tone.Secondary
                    text: qsTr("All data stays on your computer. No account. No tracking.")
                }
                Rectangle {
                    width: parent.width
                    height: 1
                    color: Theme.hairline
                    Accessible.ignored: true
                }
                SettingsButton {
                    objectName: "quitButton"
                    text: qsTr("Quit Tabrino")
                    // The shortcut as this desktop's keyboard names it ("Strg+Q").
                    Accessible.description: quitShortcut.nativeText
                    onClicked: presenter.quit()
                }
            }
        }
    }
}
