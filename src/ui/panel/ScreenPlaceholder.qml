import QtQuick
import Tabrino.Design

// Stands in an overlay's place until the screen itself is built: its title
// and the way back.
Column {
    id: placeholder

    required property string title
    signal done()

    padding: 12
    spacing: 16
    focus: true
    Keys.onEscapePressed: placeholder.done()

    OverlayHeader {
        width: placeholder.width - 2 * placeholder.padding
        title: placeholder.title
        onBack: placeholder.done()
    }
    Text {
        width: placeholder.width - 2 * placeholder.padding
        bottomPadding: 24
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: qsTr("This screen is on its way.")
        font.family: Theme.fontFamily
        font.pixelSize: 12
        color: Qt.rgba(1, 1, 1, 0.55)
    }
}
