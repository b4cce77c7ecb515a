import QtQuick

// A recessed field background.
Rectangle {
    radius: 8
    color: Qt.rgba(0, 0, 0, 0.22)
    border.width: 1
    border.color: Qt.rgba(1, 1, 1, 0.07)
}
