// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design
import Tabrino.Editing

// The add screen under its title row: the catalog search, a service's plan
// picker, or the form for a custom subscription. The host shows `title`
// above it and sends its back button to back(); `done` ends the flow.
FocusScope {
    id: view

    required property SubscriptionStore store
    // A catalog plan the plan picker starts with; none (the empty plan) from
    // the panel.
    property catalogPlan initialPlan
    readonly property alias flow: flow
    readonly property string title: flow.title
    readonly property Item stageItem: stage.item as Item

    signal done()

    function back() {
        flow.back()
    }

    implicitHeight: stage.implicitHeight
    // Escape leaves the search and the plan picker step by step; the form
    // takes its own Escape as Cancel.
    Keys.onEscapePressed: view.back()

    AddFlow {
        id: flow
        store: view.store
        initialPlan: view.initialPlan
        onDone: view.done()
    }

    Loader {
        id: stage
        width: parent.width
        focus: true
        sourceComponent: flow.stage === AddFlow.Plan ? planStage
                       : flow.stage === AddFlow.Custom ? customStage : searchStage
        onLoaded: {
            view.stageItem.forceActiveFocus()
            if (!Theme.reduceMotion) {
                swap.target = view.stageItem
                swap.restart()
            }
        }
    }
    // Every change of stage fades the new one in on panelSwap.
    NumberAnimation {
        id: swap
        property: "opacity"
        from: 0
        to: 1
        duration: Theme.panelSwapMs
        easing: Theme.panelSwap
    }

    // The stages reach the flow; Qt 6.4's qmllint does not follow ids into
    // inline components (and binding them to this scope stops a Loader
    // from making them).
    // qmllint disable unqualified
    Component {
        id: searchStage
        FocusScope {
            id: search
            objectName: "searchStage"
            implicitHeight: searchColumn.implicitHeight

            ActivateWindow {}
            // The field takes the keyboard at once, and again once the
            // window is surely key, so typing lands in it.
            Timer {
                interval: 100
                running: true
                onTriggered: searchField.forceActiveFocus()
            }
            FocusFollower { view: results }

            Column {
                id: searchColumn
                width: parent.width
                spacing: Theme.spacingM

                SearchField {
                    id: searchField
                    objectName: "searchField"
                    width: parent.width
                    focus: true
                    leftPadding: 30
                    //: Placeholder of the catalog search: examples of services to search for
                    placeholderText: qsTr("Netflix, Spotify, iCloud…")
                    text: view.flow.query
                    Accessible.role: Accessible.EditableText
                    Accessible.name: qsTr("Search services")
                    Accessible.description: placeholderText
                    onTextEdited: view.flow.query = text
                    onSubmitted: view.flow.selectFirstResult()
                    Keys.onDownPressed: searchField.nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)

                    SymbolGlyph {
                        x: Theme.spacingL
                        anchors.verticalCenter: parent.verticalCenter
                        symbol: "magnifyingglass"
                        size: 15
                        color: Theme.textTertiary
                    }
                }

                ContentHeightScrollView {
                    id: results
                    objectName: "results"
                    width: parent.width
                    maxHeight: 330

                    Column {
                        id: rows
                        width: results.width
                        Accessible.role: Accessible.List
                        //: Read out for the list of catalog services found
                        Accessible.name: qsTr("Services")

                        Repeater {
                            objectName: "resultRows"
                            model: view.flow.results
                            delegate: ServiceResultRow {
                                required property int index
                                width: results.width
                                onClicked: view.flow.choose(index)
                            }
                        }
                        CustomServiceRow {
                            objectName: "customRow"
                            width: rows.width
                            text: view.flow.customRowLabel
                            onClicked: view.flow.chooseCustom()
                        }
                    }
                }
            }
        }
    }

    Component {
        id: planStage
        PlanPickerView {
            objectName: "planStage"
            store: view.store
            service: view.flow.service
            initialPlan: view.flow.initialPlan
            onCustomize: seed => view.flow.customize(seed)
            onConfirmed: view.done()
        }
    }

    Component {
        id: customStage
        SubscriptionFormView {
            objectName: "customStage"
            store: view.store
            prefill: view.flow.prefill
            onDone: view.done()
        }
    }
    // qmllint enable unqualified
}
