import QtQuick 2.15
import QtQuick.Window 2.15

// The floor: a Qt Quick window of the display's size showing nothing.
Window {
    objectName: "minimalWindow"
    width: 800
    height: 480
    color: "black"
    visible: true
}
