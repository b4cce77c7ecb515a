// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Qt.labs.platform as Platform
import Tabrino.Design
import Tabrino.Main

// One subscription in the list: icon, name and trial badge, subtitle, price
// per cycle and the due text in its urgency colour. A click (or Return)
// edits it; the context menu (secondary click, the Menu key or Shift+F10)
// offers the quick actions. The menu is the desktop's own, a window of its
// own, so the panel's edge never clips it.
T.AbstractButton {
    id: row

    required property Subscription subscription
    required property SubscriptionStore store
    required property date now
    readonly property alias presenter: presenter
    // The context menu, made on first use: a desktop menu per row would
    // cost every row that scrolls into view.
    property Platform.Menu menu: null
    signal edit()

    implicitHeight: Math.max(icon.size, labels.implicitHeight) + 2 * 7
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    onClicked: row.edit()
    Keys.onReturnPressed: row.edit()
    Keys.onEnterPressed: row.edit()
    Keys.onMenuPressed: row.openMenu(false)
    Keys.onPressed: event => {
        if (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)) {
            row.openMenu(false)
            event.accepted = true
        }
    }
    Accessible.role: Accessible.Button
    Accessible.name: presenter.accessibilityText
    //: Spoken for a subscription in the list: what pressing it does
    Accessible.description: qsTr("Opens details")
    // Qt 6.4 gives a screen reader's Press action nothing to run on its own.
    Accessible.onPressAction: if (row.enabled) row.clicked()

    // Under the pointer for a secondary click; from the keyboard, at the row.
    function openMenu(atPointer) {
        const shown = row.contextMenu()
        if (atPointer)
            shown.open()
        else
            shown.open(row)
    }

    function contextMenu() {
        if (!row.menu)
            row.menu = menuComponent.createObject(row)
        return row.menu
    }

    SubscriptionRowPresenter {
        id: presenter
        subscription: row.subscription
        store: row.store
        now: row.now
    }

    background: Rectangle {
        radius: Theme.radiusListRow
        color: row.hovered ? Theme.rowHoverFill : "transparent"
        FocusRing { target: row; targetRadius: Theme.radiusListRow }
    }

    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: row.openMenu(true)
    }

    // The row's content, drawn over the background; kept out of
    // `contentItem` so its parts can be named.
    Item {
        anchors.fill: parent

        ServiceIconView {
            id: icon
            anchors.left: parent.left
            anchors.leftMargin: 11
            anchors.verticalCenter: parent.verticalCenter
            subscription: row.subscription
            size: Theme.serviceIconLarge
        }
        Column {
            id: labels
            anchors.left: icon.right
            anchors.leftMargin: Theme.spacingL
            anchors.right: amounts.left
            anchors.rightMargin: Theme.spacingM
            anchors.verticalCenter: parent.verticalCenter
            spacing: 1

            Row {
                width: parent.width
                spacing: Theme.spacingS
                ElidedText {
                    id: name
                    width: Math.min(implicitWidth, parent.width - (badge.visible ? badge.width + Theme.spacingS : 0))
                    text: row.subscription.name
                    maximumLineCount: 1
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontLabel
                    font.weight: Font.DemiBold
                    font.letterSpacing: -0.1
                    color: Theme.textPrimary
                }
                TrialBadge {
                    id: badge
                    objectName: "trialBadge"
                    anchors.verticalCenter: name.verticalCenter
                    visible: presenter.showsTrialBadge
                }
            }
            ElidedText {
                width: parent.width
                text: presenter.subtitle
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSmall
                color: Theme.textTertiary
            }
        }
        Column {
            id: amounts
            anchors.right: parent.right
            anchors.rightMargin: 11
            anchors.verticalCenter: parent.verticalCenter
            spacing: 1

            Row {
                anchors.right: parent.right
                spacing: 1
                TabularText {
                    id: price
                    text: presenter.priceText
                    // The row speaks for its parts.
                    Accessible.ignored: true
                    pixelSize: Theme.fontLabel
                    weight: Font.DemiBold
                    letterSpacing: -0.1
                    color: Theme.textFigure
                }
                Text {
                    anchors.bottom: price.bottom
                    anchors.bottomMargin: 1
                    text: presenter.cycleText
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontSmall
                    color: Theme.textSuffix
                }
            }
            Text {
                objectName: "dueText"
                anchors.right: parent.right
                text: presenter.dueText
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSmall
                font.weight: Font.DemiBold
                color: presenter.dueColor
            }
        }
    }

    Component {
        id: menuComponent

        Platform.Menu {
            Platform.MenuItem {
                //: An entry of a subscription's context menu
                text: qsTr("Edit…")
                onTriggered: row.edit()
            }
            Platform.MenuSeparator {}
            Platform.MenuItem {
                text: presenter.trialActionText
                onTriggered: presenter.toggleTrial()
            }
            Platform.MenuItem {
                visible: presenter.offersCancellationPage
                //: An entry of a subscription's context menu: opens the service's web page for cancelling
                text: qsTr("Open Cancellation Page")
                onTriggered: presenter.openCancellationPage()
            }
            Platform.MenuSeparator {}
            Platform.MenuItem {
                //: An entry of a subscription's context menu: moves it out of the list, to the settings' archive
                text: qsTr("Archive")
                onTriggered: presenter.archive()
            }
        }
    }
}
