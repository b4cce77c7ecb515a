// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick 2.15
import QtQuick.Layouts 1.15
import org.kde.plasma.plasmoid 2.0
import org.kde.plasma.core 2.0 as PlasmaCore
import org.kde.plasma.components 3.0 as PlasmaComponents3

// Tabrino's monthly total in the panel, where Plasma's tray shows the item
// only as a small square. A plasmoid cannot call D-Bus from QML, so this
// reads the program's tray item through the same data engine the system
// tray uses, and clicks it as the tray does.
Item {
    id: root

    // The engine's source of the running program's item; empty while it
    // does not run.
    property string itemSource: ""
    readonly property var item: itemSource ? items.data[itemSource] : null
    // On Plasma the item's tooltip title is the total as a label shows it,
    // over the spoken description; a title alone means the user chose
    // "Icon only".
    readonly property string total: item && item.ToolTipSubTitle ? item.ToolTipTitle : ""
    readonly property string description: item ? (item.ToolTipSubTitle || item.ToolTipTitle) : ""

    function activate(from) {
        if (!item) {
            // Through the desktop entry, as the application menu does. Where it ends
            // up a child of kstart5 it would inherit the engine's pipes and
            // die of SIGPIPE at its first log line once they close.
            launcher.connectSource("kstart5 --application app.tabrino.Tabrino >/dev/null 2>&1");
            return;
        }
        const service = items.serviceForSource(itemSource);
        const operation = service.operationDescription("Activate");
        // The program opens its panel beside this point, as beside its tray item.
        const position = from.mapToGlobal(from.width / 2, from.height / 2);
        operation.x = Math.round(position.x);
        operation.y = Math.round(position.y);
        service.startOperationCall(operation);
    }

    Plasmoid.preferredRepresentation: Plasmoid.compactRepresentation
    Plasmoid.icon: "app.tabrino.Tabrino"
    Plasmoid.toolTipMainText: root.item ? root.description : "Tabrino"
    Plasmoid.toolTipSubText: root.item ? "" : i18n("Not running. Click to start it.")

    Plasmoid.compactRepresentation: MouseArea {
        id: compact

        readonly property bool vertical: Plasmoid.formFactor === PlasmaCore.Types.Vertical

        Layout.minimumWidth: vertical ? 0 : content.implicitWidth
        Layout.preferredWidth: Layout.minimumWidth
        Layout.minimumHeight: vertical ? content.implicitHeight : 0
        Layout.preferredHeight: Layout.minimumHeight

        acceptedButtons: Qt.LeftButton
        hoverEnabled: true
        onClicked: root.activate(compact)

        Accessible.role: Accessible.Button
        Accessible.name: root.item ? root.description : Plasmoid.toolTipSubText

        Grid {
            id: content
            anchors.centerIn: parent
            columns: compact.vertical ? 1 : 2
            spacing: PlasmaCore.Units.smallSpacing
            horizontalItemAlignment: Grid.AlignHCenter
            verticalItemAlignment: Grid.AlignVCenter

            // The tray's card symbol, drawn from the same icon font.
            Text {
                text: "credit_card"
                font.family: "Material Icons"
                font.pixelSize: PlasmaCore.Units.iconSizes.smallMedium
                color: PlasmaCore.Theme.textColor
                opacity: root.item ? 1 : 0.5
            }

            PlasmaComponents3.Label {
                id: totalLabel
                visible: root.total.length > 0
                text: root.total
                width: compact.vertical ? compact.width : totalLabel.implicitWidth
                horizontalAlignment: Text.AlignHCenter
                fontSizeMode: compact.vertical ? Text.HorizontalFit : Text.FixedSize
                minimumPixelSize: PlasmaCore.Theme.smallestFont.pixelSize
            }
        }
    }

    PlasmaCore.DataSource {
        id: items
        engine: "statusnotifieritem"
        connectedSources: sources
        onNewData: (sourceName, data) => {
            if (data.Id === "tabrino")
                root.itemSource = sourceName;
        }
        onSourceRemoved: source => {
            if (source === root.itemSource)
                root.itemSource = "";
        }
    }

    PlasmaCore.DataSource {
        id: launcher
        engine: "executable"
        // Connected until kstart5 returns, so a second click meanwhile
        // starts nothing more.
        onNewData: sourceName => disconnectSource(sourceName)
    }
}
