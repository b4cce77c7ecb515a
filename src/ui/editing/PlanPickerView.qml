// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import Tabrino.Design
import Tabrino.Editing

// The plans of one catalog service as pills. With a plan selected, the
// first charge date and the add button slide in; "Customize details…"
// continues in the form instead. Return adds the selected plan.
FocusScope {
    id: picker

    required property SubscriptionStore store
    required property catalogService service
    property catalogPlan initialPlan
    readonly property alias planModel: planModel

    signal customize(prefill seed)
    signal confirmed()

    function confirm() {
        if (planModel.confirm())
            picker.confirmed()
    }

    implicitHeight: column.implicitHeight
    Keys.onReturnPressed: picker.confirm()
    Keys.onEnterPressed: picker.confirm()

    PlanPickerModel {
        id: planModel
        store: picker.store
        service: picker.service
        initialPlan: picker.initialPlan
    }

    Column {
        id: column
        width: parent.width
        spacing: Theme.spacingL

        ServiceIconView {
            anchors.horizontalCenter: parent.horizontalCenter
            size: 44
            name: planModel.serviceName
            colorHex: planModel.colorHex
            symbolName: planModel.symbol
        }

        Column {
            objectName: "plans"
            width: parent.width
            spacing: Theme.spacingS
            Accessible.role: Accessible.List
            //: Read out for the list of a service's plans to pick from
            Accessible.name: qsTr("Plans")

            Repeater {
                id: pills
                objectName: "planPills"
                model: planModel.plans
                delegate: PlanPill {
                    id: pill
                    required property var modelData
                    required property int index
                    width: column.width
                    focus: pill.index === Math.max(0, planModel.selectedIndex)
                    name: pill.modelData.name
                    priceText: pill.modelData.priceText
                    accessibilityText: pill.modelData.accessibilityText
                    selected: pill.index === planModel.selectedIndex
                    onClicked: planModel.select(pill.index)
                    Keys.onUpPressed: picker.step(pill.index - 1)
                    Keys.onDownPressed: picker.step(pill.index + 1)
                    // Taken here, never left to the picker: under the GNOME
                    // and GTK platform themes (GNOME, XFCE) a button presses
                    // itself on Return, which would swallow the key.
                    Keys.onReturnPressed: picker.returnPressed(pill.index)
                    Keys.onEnterPressed: picker.returnPressed(pill.index)
                }
            }
        }

        Reveal {
            objectName: "selectionArea"
            width: parent.width
            shown: planModel.hasSelection

            Item { width: 1; height: Theme.spacingXXS }
            LabeledField {
                width: parent.width
                //: Label of the date the picked plan is first charged
                caption: qsTr("First charge")
                AuroraDateField {
                    objectName: "firstChargeField"
                    title: qsTr("First charge")
                    date: planModel.nextBillingDate
                    onDateChanged: planModel.nextBillingDate = date
                }
            }
            Item { width: 1; height: Theme.spacingL }
            ProminentButton {
                objectName: "addPlanButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: planModel.addButtonText
                onClicked: picker.confirm()
            }
        }

        PlainButton {
            objectName: "customizeButton"
            anchors.horizontalCenter: parent.horizontalCenter
            //: Button under a service's plans: continue in the full form instead
            text: qsTr("Customize details…")
            pixelSize: Theme.fontSmall
            weight: Font.Medium
            textOpacity: 0.5
            onClicked: picker.customize(planModel.customizedPrefill())
        }
    }

    // Return on a pill adds the selected plan; with nothing selected yet it
    // picks that pill's plan rather than doing nothing.
    function returnPressed(index) {
        if (planModel.hasSelection)
            picker.confirm()
        else
            planModel.select(index)
    }

    // Arrow keys move the selection, and the focus with it, as in a radio group.
    function step(index) {
        if (index < 0 || index >= pills.count)
            return
        planModel.select(index)
        pills.itemAt(index).forceActiveFocus(Qt.TabFocusReason)
    }
}
