// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Editing
import Tabrino.Importing
import Tabrino.Main
import Tabrino.Settings

// The panel: one main screen and the add, settings and edit overlays, one
// at a time, on the panel background. 360 wide; as tall as the shown screen
// up to 640.
FocusScope {
    id: panel

    required property SubscriptionStore store
    required property AppSettings settings
    // The program's calendar file, for the settings screen.
    property CalendarFileKeeper calendarFile
    readonly property alias navigator: navigator
    readonly property alias clock: clock
    readonly property bool isEmpty: rows.count === 0

    implicitWidth: 360
    implicitHeight: Math.min(content.implicitHeight, 640)
    focus: true

    PanelNavigator { id: navigator }
    PanelClock { id: clock }
    UpcomingListModel { id: rows; store: panel.store }

    // Day-dependent texts are brought up to date whenever the panel shows.
    Connections {
        target: panel.Window.window
        function onVisibleChanged() {
            if (panel.Window.window.visible)
                clock.refresh()
        }
    }

    // One shortcut serves both add buttons, so two are never live at once.
    Shortcut {
        sequence: "Ctrl+N"
        enabled: navigator.screen === PanelNavigator.Main
        onActivated: navigator.openAdd()
    }

    // Shows a screen that just came: the keyboard goes to it, and it fades in.
    function swapIn(screen) {
        screen.forceActiveFocus()
        if (!Theme.reduceMotion) {
            fadeIn.target = screen
            fadeIn.restart()
        }
    }

    AuroraPanelBackground { anchors.fill: parent }

    Column {
        id: content
        width: parent.width

        SaveFailureNoticeView {
            id: saveFailure
            objectName: "saveFailureNotice"
            width: parent.width
            store: panel.store
            calendarFile: panel.calendarFile
        }

        // The main screen lives as long as the panel, so its list keeps its
        // place; an overlay is made when it opens and dropped when it closes.
        Item {
            id: stage
            width: parent.width
            implicitHeight: overlay.active ? overlay.implicitHeight : main.implicitHeight
            clip: true

            MainScreen {
                id: main
                objectName: "mainScreen"
                width: parent.width
                visible: !overlay.active
                store: panel.store
                navigator: panel.navigator
                now: clock.now
                isEmpty: panel.isEmpty
                topPadding: Theme.spacingXL
                availableHeight: 640 - footer.implicitHeight - saveFailure.implicitHeight
                onVisibleChanged: if (visible) panel.swapIn(main)
            }
            Loader {
                id: overlay
                width: parent.width
                active: navigator.screen !== PanelNavigator.Main
                sourceComponent: {
                    switch (navigator.screen) {
                    case PanelNavigator.Add: return addScreen
                    case PanelNavigator.Settings: return settingsScreen
                    case PanelNavigator.Edit: return editScreen
                    case PanelNavigator.Import: return importScreen
                    default: return null
                    }
                }
                onLoaded: panel.swapIn(item)
            }
            // Every change of screen fades the new one in on panelSwap.
            NumberAnimation {
                id: fadeIn
                property: "opacity"
                from: 0
                to: 1
                duration: Theme.panelSwapMs
                easing: Theme.panelSwap
            }
        }

        PanelFooter {
            id: footer
            objectName: "footer"
            visible: navigator.screen === PanelNavigator.Main
            width: parent.width
            showsAdd: !panel.isEmpty
            onAdd: navigator.openAdd()
            onSettings: navigator.openSettings()
        }
    }

    // The overlays reach the panel's navigator; Qt 6.4's qmllint does not
    // follow ids into inline components (and binding them to this scope
    // stops a Loader from making them).
    // qmllint disable unqualified
    Component {
        id: addScreen
        FocusScope {
            objectName: "addScreen"
            width: panel.width
            implicitHeight: addColumn.implicitHeight
            Column {
                id: addColumn
                width: parent.width
                topPadding: Theme.spacingXL
                bottomPadding: Theme.spacingXL
                spacing: Theme.spacingL
                OverlayHeader {
                    x: Theme.spacingXL
                    width: parent.width - 2 * Theme.spacingXL
                    title: addView.title
                    onBack: addView.back()
                }
                AddSubscriptionView {
                    id: addView
                    objectName: "addView"
                    x: Theme.spacingXL
                    width: parent.width - 2 * Theme.spacingXL
                    focus: true
                    store: panel.store
                    onDone: navigator.close()
                }
            }
        }
    }
    Component {
        id: settingsScreen
        FocusScope {
            objectName: "settingsScreen"
            width: panel.width
            implicitHeight: settingsColumn.implicitHeight
            Column {
                id: settingsColumn
                width: parent.width
                topPadding: Theme.spacingXL
                spacing: Theme.spacingL
                OverlayHeader {
                    x: Theme.spacingXL
                    width: parent.width - 2 * Theme.spacingXL
                    //: The title of the settings screen
                    title: qsTr("Settings")
                    onBack: navigator.close()
                }
                SettingsView {
                    width: parent.width
                    focus: true
                    store: panel.store
                    settings: panel.settings
                    calendarFile: panel.calendarFile
                    onDone: navigator.close()
                    onImportChosen: file => navigator.openImport(file)
                }
            }
        }
    }
    Component {
        id: editScreen
        FocusScope {
            objectName: "editScreen"
            width: panel.width
            implicitHeight: editColumn.implicitHeight
            Column {
                id: editColumn
                width: parent.width
                topPadding: Theme.spacingXL
                bottomPadding: Theme.spacingXL
                spacing: Theme.spacingL
                OverlayHeader {
                    x: Theme.spacingXL
                    width: parent.width - 2 * Theme.spacingXL
                    title: navigator.editing ? navigator.editing.name : ""
                    onBack: navigator.close()
                }
                SubscriptionFormView {
                    objectName: "editForm"
                    x: Theme.spacingXL
                    width: parent.width - 2 * Theme.spacingXL
                    focus: true
                    store: panel.store
                    subscription: navigator.editing
                    onDone: navigator.close()
                }
            }
        }
    }
    Component {
        id: importScreen
        FocusScope {
            objectName: "importScreen"
            width: panel.width
            implicitHeight: importColumn.implicitHeight
            Column {
                id: importColumn
                width: parent.width
                topPadding: Theme.spacingXL
                bottomPadding: Theme.spacingXL
                spacing: Theme.spacingL
                OverlayHeader {
                    x: Theme.spacingXL
                    width: parent.width - 2 * Theme.spacingXL
                    //: The title of the screen that previews a file to import before bringing it in
                    title: qsTr("Import")
                    onBack: navigator.backToSettings()
                }
                ImportPreviewView {
                    objectName: "importView"
                    width: parent.width
                    focus: true
                    store: panel.store
                    file: navigator.importFile
                    onBack: navigator.backToSettings()
                    onImported: navigator.close()
                }
            }
        }
    }
    // qmllint enable unqualified
}
