// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tabrino.Design

// A drop-down chooser showing `displayText`; `model` holds { value, label }.
T.ComboBox {
    id: picker

    implicitWidth: 160
    implicitHeight: 26
    textRole: "label"
    valueRole: "value"
    focusPolicy: Qt.StrongFocus
    Accessible.name: displayText

    contentItem: Text {
        leftPadding: 8
        rightPadding: 20
        text: picker.displayText
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: 12
        color: Theme.textPrimary
    }
    indicator: SymbolGlyph {
        x: picker.width - width - 6
        anchors.verticalCenter: parent.verticalCenter
        symbol: "chevron.down"
        size: 12
        color: Theme.textTertiary
    }
    background: AuroraInset {
        border.color: picker.activeFocus ? Theme.violet : Qt.rgba(1, 1, 1, 0.07)
    }
    delegate: T.ItemDelegate {
        id: option
        required property var modelData
        required property int index
        width: picker.width
        implicitHeight: 24
        text: option.modelData.label
        highlighted: picker.highlightedIndex === option.index
        Accessible.name: text
        contentItem: Text {
            leftPadding: 8
            text: option.text
            verticalAlignment: Text.AlignVCenter
            font.family: Theme.fontFamily
            font.pixelSize: 12
            color: "white"
        }
        background: Rectangle { color: option.highlighted ? Theme.violetDeep : "transparent"; radius: 5 }
    }
    popup: T.Popup {
        y: picker.height + 2
        width: picker.width
        implicitHeight: Math.min(contentItem.implicitHeight + 8, 260)
        padding: 4
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: picker.delegateModel
            currentIndex: picker.highlightedIndex
        }
        background: Rectangle {
            color: Theme.panelTop
            radius: 8
            border.color: Qt.rgba(1, 1, 1, 0.12)
        }
    }
}
