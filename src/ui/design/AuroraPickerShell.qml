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
    implicitHeight: Theme.controlHeight
    textRole: "label"
    valueRole: "value"
    focusPolicy: Qt.StrongFocus
    Accessible.name: displayText

    contentItem: Text {
        leftPadding: Theme.spacingM
        rightPadding: 20
        text: picker.displayText
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontBody
        color: Theme.textPrimary
    }
    indicator: SymbolGlyph {
        x: picker.width - width - Theme.spacingS
        anchors.verticalCenter: parent.verticalCenter
        symbol: "chevron.down"
        size: Theme.symbolSmall
        color: Theme.textTertiary
    }
    background: AuroraInset {
        border.color: picker.activeFocus ? Theme.violet : Theme.fieldBorder
    }
    delegate: T.ItemDelegate {
        id: option
        required property var modelData
        required property int index
        width: picker.width
        implicitHeight: Theme.optionHeight
        text: option.modelData.label
        highlighted: picker.highlightedIndex === option.index
        Accessible.name: text
        contentItem: Text {
            leftPadding: Theme.spacingM
            text: option.text
            verticalAlignment: Text.AlignVCenter
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontBody
            color: Theme.textBright
        }
        background: Rectangle { color: option.highlighted ? Theme.violetDeep : "transparent"; radius: Theme.radiusHighlight }
    }
    popup: T.Popup {
        y: picker.height + Theme.spacingXXS
        width: picker.width
        implicitHeight: Math.min(contentItem.implicitHeight + 2 * padding, 260)
        padding: Theme.spacingXS
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: picker.delegateModel
            currentIndex: picker.highlightedIndex
        }
        background: Rectangle {
            color: Theme.panelTop
            radius: Theme.radiusField
            border.color: Theme.outline
        }
    }
}
