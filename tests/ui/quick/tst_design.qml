// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtTest
import Tabrino.Design
import Tabrino.Testing

// The design system's controls with behaviour of their own.
Item {
    id: root
    width: 360
    height: 640

    TestCase {
        id: testCase
        name: "Design"
        when: windowShown
        width: 360
        height: 640

        Component {
            id: contentHeightView
            ContentHeightScrollView {
                property alias block: block
                width: 300
                maxHeight: 330
                Rectangle { id: block; width: 300; height: 100; color: "steelblue" }
            }
        }

        Component {
            id: segmented
            AuroraSegmentedControl {
                width: 300
                segments: [{ value: 0, label: "List" }, { value: 1, label: "Insights" }]
                selection: 0
            }
        }

        Component {
            id: figure
            TabularText { pixelSize: 40; weight: Font.Bold }
        }

        function test_amountsHaveDigitsOfEqualWidth() {
            const ones = createTemporaryObject(figure, root, { text: "$1,111" })
            const eights = createTemporaryObject(figure, root, { text: "$8,888" })
            waitForRendering(eights)
            compare(ones.implicitWidth, eights.implicitWidth)
            verify(ones.digitWidth > 0)
        }

        function test_contentHeightScrollViewTakesItsContentsHeightUpToItsMaximum() {
            const view = createTemporaryObject(contentHeightView, root)
            tryCompare(view, "implicitHeight", 100)
            verify(!view.interactive || view.contentHeight <= view.height)
            view.block.height = 900
            tryCompare(view, "implicitHeight", 330)
            compare(view.contentHeight, 900)
            view.height = view.implicitHeight
            view.contentY = 570
            compare(view.contentY, 570, "the rest of the content scrolls into view")
        }

        function test_segmentPillJumpsWithReducedMotion() {
            Fixture.setReduceMotion(true)
            tryCompare(Theme, "reduceMotion", true, 5000)
            const control = createTemporaryObject(segmented, root)
            waitForRendering(control)
            mouseClick(control, control.width * 0.75, control.height / 2)
            compare(control.selection, 1)
            compare(control.pill.x, control.pill.width, "no animation: the pill is already there")
            Fixture.setReduceMotion(false)
            tryCompare(Theme, "reduceMotion", false, 5000)
            mouseClick(control, control.width * 0.25, control.height / 2)
            compare(control.selection, 0)
            verify(control.pill.x > 0, "with motion the pill is still on its way")
            tryCompare(control.pill, "x", 0)
        }
}
}
