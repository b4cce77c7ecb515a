// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tabrino.Design
import Tabrino.Editing

// The one form for a subscription's details, new or edited, in titled
// cards that scroll up to 420 high, over a fixed footer with Cancel
// (Escape) and Add or Save (Return, while the entries are valid).
FocusScope {
    id: form

    required property SubscriptionStore store
    // The seed of a new record (from the add flow); ignored when editing.
    property prefill prefill
    // The record edited; none for a new one.
    property Subscription subscription: null
    readonly property alias formModel: formModel

    signal done()

    function save() {
        if (formModel.save())
            form.done()
    }
    function cancel() {
        form.done()
    }
    function archive() {
        formModel.archive()
        form.done()
    }

    implicitHeight: scroller.implicitHeight + footer.implicitHeight
    Keys.onReturnPressed: form.save()
    Keys.onEnterPressed: form.save()
    Keys.onEscapePressed: form.cancel()

    SubscriptionFormModel {
        id: formModel
        store: form.store
        prefill: form.prefill
        subscription: form.subscription
    }

    ActivateWindow {}
    FocusFollower { view: scroller }

    ContentHeightScrollView {
        id: scroller
        objectName: "formScroll"
        width: parent.width
        maxHeight: 420

        Column {
            id: sections
            width: scroller.width
            spacing: Theme.spacingL

            FormSection {
                width: sections.width
                //: Heading of the form's first section: the subscription's name, price and category
                title: qsTr("Service")

                LabeledField {
                    id: nameRow
                    width: parent.width
                    //: Label of the subscription's name field
                    caption: qsTr("Name")
                    AuroraTextField {
                        objectName: "nameField"
                        width: nameRow.controlWidth
                        focus: true
                        placeholderText: qsTr("Subscription name")
                        text: formModel.name
                        Accessible.name: qsTr("Name")
                        onTextEdited: formModel.name = text
                    }
                }
                LabeledField {
                    id: priceRow
                    width: parent.width
                    caption: qsTr("Price")
                    Text {
                        id: symbol
                        height: Theme.controlHeight
                        verticalAlignment: Text.AlignVCenter
                        text: formModel.currencySymbol
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontBody
                        color: Theme.textSecondary
                        Accessible.ignored: true
                    }
                    AuroraTextField {
                        objectName: "priceField"
                        width: priceRow.controlWidth - symbol.width - currency.width - 2 * priceRow.spacing
                        //: Placeholder of the price field: an amount as typed, with the decimal mark users write
                        placeholderText: qsTr("0.00")
                        inputMethodHints: Qt.ImhFormattedNumbersOnly
                        text: formModel.priceText
                        Accessible.name: qsTr("Price")
                        onTextEdited: formModel.priceText = text
                    }
                    AuroraPickerShell {
                        id: currency
                        objectName: "currencyPicker"
                        width: 74
                        model: formModel.currencyChoices
                        currentIndex: formModel.currencyIndex
                        Accessible.name: qsTr("Currency")
                        Accessible.description: displayText
                        onActivated: index => {
                            formModel.currencyCode = formModel.currencyChoices[index].value
                            currency.currentIndex = Qt.binding(() => formModel.currencyIndex)
                        }
                    }
                }
                LabeledField {
                    id: categoryRow
                    width: parent.width
                    caption: qsTr("Category")
                    AuroraPickerShell {
                        id: category
                        objectName: "categoryPicker"
                        width: categoryRow.controlWidth
                        model: formModel.categoryChoices
                        currentIndex: formModel.categoryIndex
                        Accessible.name: qsTr("Category")
                        Accessible.description: displayText
                        onActivated: index => {
                            formModel.categoryValue = formModel.categoryChoices[index].value
                            category.currentIndex = Qt.binding(() => formModel.categoryIndex)
                        }
                        contentItem: Row {
                            leftPadding: Theme.spacingM
                            spacing: Theme.spacingS
                            SymbolGlyph {
                                anchors.verticalCenter: parent.verticalCenter
                                visible: category.currentIndex >= 0
                                symbol: category.currentIndex >= 0 ? formModel.categoryChoices[category.currentIndex].symbol : ""
                                size: Theme.symbolMedium
                                color: Theme.violet
                            }
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                text: category.displayText
                                font.family: Theme.fontFamily
                                font.pixelSize: Theme.fontBody
                                color: Theme.textPrimary
                            }
                        }
                        delegate: T.ItemDelegate {
                            id: option
                            required property var modelData
                            required property int index
                            width: category.width
                            implicitHeight: Theme.optionHeight
                            text: option.modelData.label
                            highlighted: category.highlightedIndex === option.index
                            Accessible.name: text
                            contentItem: Row {
                                leftPadding: Theme.spacingM
                                spacing: Theme.spacingS
                                SymbolGlyph {
                                    anchors.verticalCenter: parent.verticalCenter
                                    symbol: option.modelData.symbol
                                    size: Theme.symbolMedium
                                }
                                Text {
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: option.text
                                    font.family: Theme.fontFamily
                                    font.pixelSize: Theme.fontBody
                                    color: Theme.textBright
                                }
                            }
                            background: Rectangle {
                                color: option.highlighted ? Theme.violetDeep : "transparent"
                                radius: Theme.radiusHighlight
                            }
                        }
                    }
                }
            }

            FormSection {
                width: sections.width
                //: Heading of the form's section of billing cycle, next charge and reminder
                title: qsTr("Billing")

                AuroraSegmentedControl {
                    objectName: "cycleControl"
                    width: parent.width
                    // A charge every week, month, quarter, year or custom number of days.
                    segments: [{ value: "weekly",
                                 //: A billing cycle to pick: charged every week
                                 label: qsTr("Week") },
                               { value: "monthly",
                                 //: A billing cycle to pick: charged every month
                                 label: qsTr("Month") },
                               { value: "quarterly",
                                 //: A billing cycle to pick: charged every three months
                                 label: qsTr("Quarter") },
                               { value: "yearly",
                                 //: A billing cycle to pick: charged every year
                                 label: qsTr("Year") },
                               { value: "custom",
                                 //: A billing cycle to pick: charged every so many days, typed below
                                 label: qsTr("Custom") }]
                    selection: formModel.cycleValue
                    onActivated: value => formModel.cycleValue = value
                }
                LabeledField {
                    width: parent.width
                    visible: formModel.showsCustomDays
                    //: Label before the field for a custom cycle's day count: "Every [30] days"
                    caption: qsTr("Every")
                    AuroraTextField {
                        objectName: "customDaysField"
                        width: 50
                        placeholderText: "30"
                        text: formModel.customDaysText
                        //: The custom cycle's day count field, read out: "Every", then the count, then "days"
                        Accessible.name: qsTr("Every")
                        //: After a custom cycle's day count: "Every [30] days"
                        Accessible.description: qsTr("days", "", formModel.customDays)
                        onTextEdited: formModel.customDaysText = text
                    }
                    Text {
                        height: Theme.controlHeight
                        verticalAlignment: Text.AlignVCenter
                        //: After a custom cycle's day count: "Every [30] days"
                        text: qsTr("days", "", formModel.customDays)
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontBody
                        color: Theme.textSecondary
                        Accessible.ignored: true
                    }
                }
                LabeledField {
                    width: parent.width
                    //: Label of the date the subscription is next charged
                    caption: qsTr("Next charge")
                    AuroraDateField {
                        objectName: "nextChargeField"
                        title: qsTr("Next charge")
                        date: formModel.nextBillingDate
                        onDateChanged: formModel.nextBillingDate = date
                    }
                }
                LabeledField {
                    id: remindRow
                    width: parent.width
                    //: Label of the reminder choice ("3 days before")
                    caption: qsTr("Remind me")
                    AuroraPickerShell {
                        id: lead
                        objectName: "leadPicker"
                        width: remindRow.controlWidth
                        model: formModel.leadChoices
                        currentIndex: formModel.leadIndex
                        Accessible.name: qsTr("Remind me")
                        Accessible.description: displayText
                        onActivated: index => {
                            formModel.leadDaysChoice = formModel.leadChoices[index].value
                            lead.currentIndex = Qt.binding(() => formModel.leadIndex)
                        }
                    }
                }
            }

            FormSection {
                width: sections.width
                //: Heading of the form's section of trial, sharing, payment and notes
                title: qsTr("Details")

                AuroraToggle {
                    objectName: "trialToggle"
                    width: parent.width
                    //: A switch: the subscription is a free trial that turns into a paid one
                    text: qsTr("Free trial")
                    checked: formModel.isTrial
                    onToggled: formModel.isTrial = checked
                }
                Reveal {
                    width: parent.width
                    shown: formModel.isTrial
                    LabeledField {
                        width: parent.width
                        //: Label of the date a free trial turns into a paid subscription
                        caption: qsTr("Trial ends")
                        AuroraDateField {
                            objectName: "trialEndField"
                            title: qsTr("Trial ends")
                            date: formModel.trialEndDate
                            onDateChanged: formModel.trialEndDate = date
                        }
                    }
                }
                AuroraToggle {
                    objectName: "shareToggle"
                    width: parent.width
                    //: A switch: the user pays only a share of the subscription
                    text: qsTr("Split with others")
                    checked: formModel.isShared
                    onToggled: formModel.isShared = checked
                }
                Reveal {
                    width: parent.width
                    shown: formModel.isShared
                    LabeledField {
                        id: shareRow
                        width: parent.width
                        //: Label of the slider for the user's percent of a split subscription
                    caption: qsTr("My share")
                        AuroraSlider {
                            objectName: "shareSlider"
                            width: shareRow.controlWidth - shareValue.width - shareRow.spacing
                            height: Theme.controlHeight
                            from: 5
                            to: 95
                            stepSize: 5
                            value: formModel.sharePercent
                            Accessible.name: qsTr("My share")
                            onMoved: formModel.sharePercent = value
                        }
                        Text {
                            id: shareValue
                            width: 36
                            height: Theme.controlHeight
                            verticalAlignment: Text.AlignVCenter
                            horizontalAlignment: Text.AlignRight
                            text: formModel.shareText
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontBody
                            font.weight: Font.DemiBold
                            color: Theme.textPrimary
                            Accessible.ignored: true
                        }
                    }
                }
                LabeledField {
                    id: paymentRow
                    width: parent.width
                    //: Label of the field naming how the subscription is paid (a card, an account)
                    caption: qsTr("Payment")
                    AuroraTextField {
                        objectName: "paymentField"
                        width: paymentRow.controlWidth
                        //: Placeholder of the payment field: a card named by its last four digits
                        placeholderText: qsTr("e.g. Amex •••• 1005")
                        text: formModel.paymentMethod
                        Accessible.name: qsTr("Payment")
                        onTextEdited: formModel.paymentMethod = text
                    }
                }
                LabeledField {
                    id: notesRow
                    width: parent.width
                    caption: qsTr("Notes")
                    AuroraTextField {
                        objectName: "notesField"
                        width: notesRow.controlWidth
                        //: Placeholder of the notes field
                        placeholderText: qsTr("Optional")
                        text: formModel.notes
                        Accessible.name: qsTr("Notes")
                        onTextEdited: formModel.notes = text
                    }
                }
            }

            FormSection {
                width: sections.width
                visible: formModel.isEditMode
                //: Heading of the section with the button that archives the subscription
                title: qsTr("Archive")

                PlainButton {
                    objectName: "archiveButton"
                    symbol: "archivebox"
                    text: qsTr("Archive Subscription")
                    onClicked: form.archive()
                }
            }
        }
    }

    Item {
        id: footer
        anchors.top: scroller.bottom
        width: parent.width
        implicitHeight: buttons.implicitHeight + 2 * Theme.spacingM

        Row {
            id: buttons
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            spacing: Theme.spacingM
            PlainButton {
                objectName: "cancelButton"
                anchors.verticalCenter: parent.verticalCenter
                //: The form's button that closes it without saving
                text: qsTr("Cancel")
                onClicked: form.cancel()
            }
            ProminentButton {
                objectName: "saveButton"
                text: formModel.saveButtonText
                enabled: formModel.isValid
                onClicked: form.save()
            }
        }
    }
}
