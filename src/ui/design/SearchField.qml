import QtQuick
import Tabrino.Design

// The catalog's search field: 13-point text; Return submits.
AuroraTextField {
    signal submitted()

    pixelSize: 13
    onAccepted: submitted()
}
