import QtQuick

// Invisible: once created, and on a later turn of the event loop, gives the
// keyboard to the window it sits in, so typing reaches the panel at once.
Item {
    id: maker

    width: 0
    height: 0
    visible: false

    function makeKey() {
        const window = maker.Window.window
        if (window) {
            window.raise()
            window.requestActivate()
        }
    }

    Timer {
        interval: 0
        running: true
        onTriggered: maker.makeKey()
    }
}
