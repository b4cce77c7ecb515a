// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A slider over a range in fixed steps.
T.Slider {
    id: slider

    implicitWidth: 200
    implicitHeight: 22
    snapMode: T.Slider.SnapAlways
    focusPolicy: Qt.StrongFocus
    // A screen reader's steps move the slider as the arrow keys do, `moved`
    // included, so whoever keeps the value hears of them.
    Accessible.onIncreaseAction: slider.step(1)
    Accessible.onDecreaseAction: slider.step(-1)

    function step(direction) {
        if (!slider.enabled)
            return
        if (direction > 0)
            slider.increase()
        else
            slider.decrease()
        slider.moved()
    }

    background: Rectangle {
        x: slider.leftPadding
        y: slider.topPadding + slider.availableHeight / 2 - height / 2
        width: slider.availableWidth
        height: 4
        radius: height / 2
        color: Theme.sliderTrack
        Rectangle {
            width: slider.visualPosition * parent.width
            height: parent.height
            radius: height / 2
            color: Theme.violet
        }
    }
    handle: Rectangle {
        x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
        y: slider.topPadding + slider.availableHeight / 2 - height / 2
        width: 16
        height: 16
        radius: height / 2
        color: Theme.knob
        FocusRing { target: slider; targetRadius: slider.handle.height / 2 }
    }
}
