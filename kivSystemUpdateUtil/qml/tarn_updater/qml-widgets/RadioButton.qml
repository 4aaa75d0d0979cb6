import QtQuick 2.15

// A round choice with its label on the right.
Item {
    id: radio

    property alias text: label.text
    property bool checked: false
    readonly property int markSize: 30

    signal clicked()

    width: mark.width + 10 + label.implicitWidth
    height: markSize
    opacity: enabled ? 1.0 : 0.4

    Rectangle {
        id: mark
        width: radio.markSize
        height: radio.markSize
        radius: width / 2
        color: "white"
        border.color: "#1c3f7a"
        border.width: 2

        Rectangle {
            anchors.centerIn: parent
            width: parent.width / 2
            height: width
            radius: width / 2
            color: "#1c3f7a"
            visible: radio.checked
        }
    }

    Text {
        id: label
        anchors.left: mark.right
        anchors.leftMargin: 10
        anchors.verticalCenter: mark.verticalCenter
        font.pixelSize: 22
        color: "black"
    }

    MouseArea {
        anchors.fill: parent
        onClicked: radio.clicked()
    }
}
