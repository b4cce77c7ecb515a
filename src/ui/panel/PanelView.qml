import QtQuick

// The panel's root. For now it shows the monthly total; the full screens
// (list, insights, add, edit, settings) are built on this root.
Rectangle {
    id: panel

    required property var store
    required property var settings

    implicitWidth: 360
    implicitHeight: 160
    radius: 14
    color: "#1c1b22"
    border.color: "#33ffffff"

    Accessible.role: Accessible.Pane
    Accessible.name: "Tabrino"

    Column {
        anchors.centerIn: parent
        spacing: 6

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Monthly total"
            color: "#a0ffffff"
            font.family: "Inter"
            font.pixelSize: 13
        }

        Text {
            objectName: "monthlyTotal"
            anchors.horizontalCenter: parent.horizontalCenter
            text: Money.plain(panel.store.monthlyTotal, panel.settings.defaultCurrencyCode)
            color: "white"
            font.family: "Inter"
            font.pixelSize: 34
            font.weight: Font.DemiBold
        }
    }
}
