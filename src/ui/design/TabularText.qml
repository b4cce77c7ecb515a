// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import Tabrino.Design

// A figure whose digits all take the width of the font's widest digit, so
// amounts line up and do not jitter as they change (Inter's own digits are
// proportional, and Qt 6.4 cannot switch on its tabular-figures feature).
// With `countsUp`, a changed figure's digits roll in from below. Lists show
// many figures: a glyph carries bindings, never an animation of its own.
Row {
    id: figure

    property string text
    property int pixelSize: Theme.fontLabel
    property int weight: Font.Normal
    property real letterSpacing: 0
    property color color: Theme.textBright
    property bool countsUp: false
    readonly property real digitWidth: {
        let widest = 0
        for (let digit = 0; digit <= 9; ++digit)
            widest = Math.max(widest, metrics.advanceWidth(String(digit)))
        return widest
    }
    // 0 as a changed figure's digits start to roll in, 1 once they are in.
    property real arrival: 1
    property bool created: false

    spacing: letterSpacing
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    // Digits roll only on a change, not when the figure first appears.
    Component.onCompleted: created = true
    onTextChanged: {
        if (created && countsUp && !Theme.reduceMotion)
            roll.restart()
    }

    NumberAnimation {
        id: roll
        target: figure
        property: "arrival"
        from: 0
        to: 1
        duration: Theme.panelSwapMs
        easing: Theme.panelSwap
    }

    FontMetrics {
        id: metrics
        font.family: Theme.fontFamily
        font.pixelSize: figure.pixelSize
        font.weight: figure.weight
    }

    Repeater {
        model: figure.text.split("")
        delegate: Text {
            id: glyph
            required property string modelData
            readonly property bool isDigit: glyph.modelData >= "0" && glyph.modelData <= "9"

            width: glyph.isDigit ? figure.digitWidth : implicitWidth
            // A Row places its children's y itself: the roll shifts the drawing.
            transform: Translate { y: glyph.isDigit ? (1 - figure.arrival) * figure.pixelSize * 0.5 : 0 }
            opacity: glyph.isDigit ? Math.min(1, 2 * figure.arrival) : 1
            horizontalAlignment: Text.AlignHCenter
            text: glyph.modelData
            color: figure.color
            font.family: Theme.fontFamily
            font.pixelSize: figure.pixelSize
            font.weight: figure.weight
            Accessible.ignored: true
        }
    }
}
