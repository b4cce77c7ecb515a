// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import Tabrino.Design
import Tabrino.Importing

// What importing the chosen file would do, before anything is saved: the
// file and its kind, questions only the person can answer, the rows by
// group (new, already tracked, can't be read), a choice to skip or update
// what is tracked, and the button that imports it all in one save.
// `imported` follows a successful import; `back` leaves without one.
FocusScope {
    id: view

    required property SubscriptionStore store
    required property url file
    readonly property alias preview: preview
    signal imported()
    signal back()

    implicitHeight: content.implicitHeight
    Keys.onEscapePressed: view.back()
    // The keyboard starts on the import button where it can be pressed (a
    // button disabled while the file was read lost its focus), once the
    // window has settled where the focus is.
    function focusImportButton() {
        if (view.Window.activeFocusItem === view && importButton.enabled)
            importButton.forceActiveFocus()
    }
    Connections {
        target: view.Window.window
        function onActiveFocusItemChanged() { view.focusImportButton() }
    }

    ImportPreview {
        id: preview
        store: view.store
        file: view.file
        onImported: view.imported()
    }

    Column {
        id: content
        x: Theme.spacingXL
        width: view.width - 2 * Theme.spacingXL
        spacing: Theme.spacingM

        Column {
            width: parent.width
            spacing: 2
            Text {
                objectName: "importFileName"
                width: parent.width
                text: preview.fileName
                elide: Text.ElideMiddle
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontLabel
                font.weight: Font.DemiBold
                color: Theme.textPrimary
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            Text {
                objectName: "importSummary"
                width: parent.width
                visible: text.length > 0
                text: preview.summary
                wrapMode: Text.Wrap
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSmall
                color: Theme.textSecondary
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }

        Text {
            objectName: "importRefusal"
            width: parent.width
            visible: preview.refusal.length > 0
            text: preview.refusal
            wrapMode: Text.Wrap
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontLabel
            color: Theme.amber
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        Repeater {
            id: questions
            model: preview.questions
            delegate: ImportQuestion {
                required property int index
                objectName: "importQuestion"
                width: content.width
                onChosen: choice => preview.answer(index, choice)
            }
        }

        Item {
            width: parent.width
            height: trackedChoice.height
            visible: preview.trackedCount > 0
            Text {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                //: Label of the choice what the import does with subscriptions that are tracked already
                text: qsTr("Already tracked")
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontLabel
                color: Theme.textPrimary
                Accessible.ignored: true
            }
            AuroraSegmentedControl {
                id: trackedChoice
                objectName: "trackedChoice"
                anchors.right: parent.right
                width: 150
                segments: [{ value: false,
                             //: What the import does with subscriptions tracked already: leave them as they are
                             label: qsTr("Skip") },
                           { value: true,
                             //: What the import does with subscriptions tracked already: update them from the file
                             label: qsTr("Update") }]
                selection: preview.updatesTracked
                onActivated: value => preview.updatesTracked = value
            }
        }

        ImportRowsList {
            objectName: "importRows"
            width: parent.width
            // The panel's 640 less the rest of the screen, each question taking its part.
            maxHeight: Math.max(120, 380 - 64 * questions.count)
            model: preview.rows
            sectionTitles: preview.sectionTitles
        }

        Text {
            objectName: "importWaiting"
            width: parent.width
            visible: text.length > 0
            text: preview.error.length > 0 ? preview.error : preview.waitingFor
            wrapMode: Text.Wrap
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSmall
            color: preview.error.length > 0 ? Theme.amber : Theme.textTertiary
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        Item {
            width: parent.width
            height: importButton.implicitHeight + Theme.spacingM
            ProminentButton {
                id: importButton
                objectName: "importButton"
                anchors.right: parent.right
                text: preview.importLabel
                enabled: preview.canImport
                // Enabled by an answer: the keyboard follows, unless the
                // person moved it elsewhere.
                onEnabledChanged: if (enabled) view.focusImportButton()
                onClicked: preview.apply()
            }
        }
    }
}
