import QtQuick 2.15

// One bin of the simulated cabinet's drawing.
Item {
    property int bin: 0

    width: 80
    height: 46

    Rectangle {
        anchors.fill: parent
        anchors.margins: 2
        color: "#80ff0000"
    }
}
