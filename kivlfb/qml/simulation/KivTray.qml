import QtQuick 2.15

// A simulated pan: dragged onto a bin of the drawing, it tags that bin's
// reader with its product and tray id.
Rectangle {
    id: tray

    property int pid: 0
    property int tid: 0
    property int bin: -1

    signal pressed()
    signal released()
    signal removeMe()

    width: 78
    height: 32
    radius: 5
    color: area.pressed ? "red" : "orange"
    z: area.pressed ? 200 : 0

    Text {
        anchors.centerIn: parent
        text: tray.pid + " : " + tray.tid
        font.pixelSize: 16
    }
    MouseArea {
        id: area
        anchors.fill: parent
        drag.target: tray
        onPressed: tray.pressed()
        onReleased: tray.released()
        onPressAndHold: tray.removeMe()
    }
}
