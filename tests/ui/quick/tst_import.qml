// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtTest
import Tabrino.Design
import Tabrino.Main
import Tabrino.Testing

// The import screen in the panel, against a real store: opened from the
// settings with a chosen file, it shows the preview and asks what it must,
// writes nothing until its button is pressed, then leads to the list;
// Escape leads back to the settings.
Item {
    id: root
    width: 360
    height: 640

    TestCase {
        name: "Import"
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

        function open(sample) {
            Fixture.clear()
            Fixture.settings.defaultCurrencyCode = "USD"
            panel = createTemporaryObject(panelComponent, root)
            verify(panel)
            panel.forceActiveFocus()
            verify(panel.navigator.openSettings())
            verify(panel.navigator.openImport(Qt.resolvedUrl("../../import/samples/" + sample)))
            tryVerify(() => findChild(panel, "importButton") !== null)
            waitForRendering(panel)
            return findChild(panel, "importButton")
        }

        function test_aQuestionThenOnePressImportsAndShowsTheList() {
            const button = open("wallos.csv")
            compare(findChild(panel, "importSummary").text, "Wallos export (CSV): 5 new")
            compare(findChild(panel, "importRows").count, 5)
            // "£" is written in more places than Britain: asked for first.
            const question = findChild(panel, "importQuestion")
            compare(question.prompt, "Which currency is “£”?")
            verify(!button.enabled)
            compare(findChild(panel, "importWaiting").text, "Choose which currency “£” is.")

            question.picker.forceActiveFocus()
            keyClick(Qt.Key_Down)  // the first choice: GBP
            tryCompare(question, "selectedIndex", 0)
            verify(button.enabled)
            compare(Fixture.store.active.length, 0)
            mouseClick(button)
            tryCompare(panel.navigator, "screen", PanelNavigator.Main)
            compare(Fixture.store.active.length, 4)
            compare(Fixture.store.archived.length, 1)
        }

        function test_theKeyboardStartsOnTheButtonAndEscapeLeadsBack() {
            const button = open("subtrackr.csv")
            tryVerify(() => button.activeFocus)
            compare(button.text, "Import 6")
            keyClick(Qt.Key_Escape)
            tryCompare(panel.navigator, "screen", PanelNavigator.Settings)
            compare(Fixture.store.active.length + Fixture.store.archived.length, 0)
        }
    }
}
