// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import Tabrino.Design
import Tabrino.Insights

// What each subscription has cost so far, largest first, archived ones
// dimmed and tagged; at most `limit` rows. Rows come and go on the
// rowSpring.
Column {
    id: lifetime

    required property SubscriptionStore store
    required property date now
    property int limit: 10
    readonly property alias presenter: presenter

    InsightsLifetimePresenter {
        id: presenter
        store: lifetime.store
        now: lifetime.now
        limit: lifetime.limit
    }

    Text {
        objectName: "lifetimeEmpty"
        visible: presenter.isEmpty
        width: lifetime.width
        wrapMode: Text.Wrap
        //: In place of the lifetime spend list while nothing has been charged yet
        text: qsTr("Lifetime totals build up as time passes.")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSmall
        color: Theme.textQuiet
    }

    ListView {
        id: rows
        objectName: "lifetimeList"
        width: lifetime.width
        height: contentHeight
        interactive: false
        model: presenter.rows
        Accessible.role: Accessible.List
        //: Read out for the list of what each subscription has cost so far
        Accessible.name: qsTr("Lifetime Spend")

        delegate: Item {
            id: entry
            required property Subscription subscription
            required property string name
            required property string subtitle
            required property string amountText
            required property bool isArchived
            required property string accessibilityText

            width: ListView.view.width
            height: Theme.serviceIconMedium + 2 * Theme.spacingM
            Accessible.role: Accessible.ListItem
            Accessible.name: entry.accessibilityText

            // Dimmed apart from the item itself, whose opacity the list's
            // transitions animate.
            Item {
                anchors.fill: parent
                opacity: entry.isArchived ? 0.52 : 1

                Behavior on opacity { RowSpringAnimation {} }

                ServiceIconView {
                    id: icon
                    anchors.verticalCenter: parent.verticalCenter
                    subscription: entry.subscription
                    size: Theme.serviceIconMedium
                }
                Column {
                    anchors.left: icon.right
                    anchors.leftMargin: Theme.spacingL
                    anchors.right: amount.left
                    anchors.rightMargin: Theme.spacingM
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 1

                    Row {
                        width: parent.width
                        spacing: Theme.spacingS
                        ElidedText {
                            id: name
                            width: Math.min(implicitWidth, parent.width - (tag.visible ? tag.width + Theme.spacingS : 0))
                            text: entry.name
                            maximumLineCount: 1
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontLabel
                            font.weight: Font.DemiBold
                            color: Theme.textPrimary
                            Accessible.ignored: true
                        }
                        ArchivedTag {
                            id: tag
                            objectName: "archivedTag"
                            anchors.verticalCenter: name.verticalCenter
                            visible: entry.isArchived
                            Accessible.ignored: true
                        }
                    }
                    ElidedText {
                        width: parent.width
                        text: entry.subtitle
                        maximumLineCount: 1
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontSmall
                        color: Theme.textTertiary
                        Accessible.ignored: true
                    }
                }
                TabularText {
                    id: amount
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.amountText
                    pixelSize: Theme.fontLabel
                    weight: Font.DemiBold
                    color: Theme.textFigure
                    Accessible.ignored: true
                }
            }
        }

        add: Transition {
            RowSpringAnimation { property: "opacity"; from: 0; to: 1 }
        }
        remove: Transition {
            RowSpringAnimation { property: "opacity"; to: 0 }
        }
        displaced: Transition {
            RowSpringAnimation { properties: "y" }
        }
        move: Transition {
            RowSpringAnimation { properties: "y" }
        }
    }
}
