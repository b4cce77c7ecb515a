pragma ComponentBehavior: Bound
import QtQuick
import Tabrino.Design

// A figure whose digits all take the width of the font's widest digit, so
// amounts line up and do not jitter as they change (Inter's own digits are
// proportional, and Qt 6.4 cannot switch on its tabular-figures feature).
// When the figure changes, its digits roll in from below (counting up).
Row {
    id: figure

    property string text
    property int pixelSize: 13
    property int weight: Font.Normal
    property real letterSpacing: 0
    property color color: "white"
    readonly property real digitWidth: {
        let widest = 0
        for (let digit = 0; digit <= 9; ++digit)
            widest = Math.max(widest, metrics.advanceWidth(String(digit)))
        return widest
    }
    // Digits roll only on a change, not when the figure first appears.
    property bool rolls: false

    spacing: letterSpacing
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Timer {
        interval: 0
        running: true
        onTriggered: figure.rolls = true
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
            horizontalAlignment: Text.AlignHCenter
            text: glyph.modelData
            color: figure.color
            font.family: Theme.fontFamily
            font.pixelSize: figure.pixelSize
            font.weight: figure.weight
            Accessible.ignored: true
            transform: Translate { id: shift }

            ParallelAnimation {
                id: roll
                NumberAnimation { target: shift; property: "y"; from: glyph.font.pixelSize * 0.5; to: 0
                                  duration: Theme.panelSwapMs; easing: Theme.panelSwap }
                NumberAnimation { target: glyph; property: "opacity"; from: 0; to: 1; duration: Theme.panelSwapMs / 2 }
            }
            Component.onCompleted: if (figure.rolls && glyph.isDigit && !Theme.reduceMotion) roll.start()
        }
    }
}
