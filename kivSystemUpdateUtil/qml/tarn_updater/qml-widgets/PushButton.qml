import QtQuick 2.15

// A rounded button with a centred label.
Rectangle {
    id: button

    property alias text: label.text
    property int fontSize: 24

    signal clicked()

    width: Math.max(140, label.implicitWidth + 40)
    height: 56
    radius: 8
    color: mouse.pressed ? "#0d2c63" : "#1c3f7a"
    opacity: enabled ? 1.0 : 0.4

    Text {
        id: label
        anchors.centerIn: parent
        color: "white"
        font.pixelSize: button.fontSize
        font.bold: true
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
