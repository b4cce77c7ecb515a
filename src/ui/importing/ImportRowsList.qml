// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// The preview's rows under their group titles, as tall as they are up to
// `maxHeight`, scrolling beyond. (Qt 6.4 cannot make a section heading in
// a file with bound components, so this list lives in a file of its own.)
ListView {
    id: list

    required property real maxHeight
    // Group key ("new", "tracked", "unreadable") -> its heading.
    required property var sectionTitles

    height: Math.min(contentHeight, maxHeight)
    visible: count > 0
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    //: Read out for the import preview's list of what the chosen file holds
    Accessible.name: qsTr("Subscriptions in the file")
    section.property: "section"
    section.delegate: AuroraSectionLabel {
        required property string section
        topPadding: Theme.spacingS
        bottomPadding: 2
        // Without bound components the heading reaches the list by its id,
        // which Qt 6.4's qmllint does not follow.
        text: list.sectionTitles[section] || "" // qmllint disable unqualified
    }
    delegate: ImportRowView {
        width: ListView.view.width
    }
}
