// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls.Basic

// A vertical scroll container as tall as its content up to `maxHeight`,
// scrolling beyond that. The content's height is taken on a later turn of
// the event loop, never inside a layout pass; until it has been taken the
// container follows the content freely.
Flickable {
    id: view

    required property real maxHeight
    default property alias content: holder.data
    // The content height last taken; 0 until the first report.
    property real reportedHeight: 0

    function takeHeight() {
        view.reportedHeight = holder.implicitHeight
    }

    implicitHeight: reportedHeight > 0 ? Math.min(reportedHeight, maxHeight) : holder.implicitHeight
    contentWidth: width
    contentHeight: holder.implicitHeight
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    flickableDirection: Flickable.VerticalFlick
    ScrollBar.vertical: ScrollBar { policy: view.contentHeight > view.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }

    Item {
        id: holder
        width: view.width
        // Down to the lowest edge of the content's children.
        implicitHeight: {
            let bottom = 0
            for (let i = 0; i < holder.children.length; ++i) {
                const child = holder.children[i]
                bottom = Math.max(bottom, child.y + Math.max(child.implicitHeight, child.height))
            }
            return bottom
        }
        height: implicitHeight
        onImplicitHeightChanged: report.restart()
    }
    Timer {
        id: report
        interval: 0
        running: true
        onTriggered: view.takeHeight()
    }
}
