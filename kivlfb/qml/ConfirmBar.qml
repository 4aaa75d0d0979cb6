import QtQuick 2.15
import "widgets"

// A black bar across a zone asking a yes/no question: the green tick at the
// left, the question in the middle, the red cross at the right.
Rectangle {
    id: confirmBar

    property string text: ""
    readonly property real iconScale: cabinetManager.orientationPortrait === true ? 0.8 : 1.0

    signal accepted()
    signal rejected()

    color: "black"

    MouseArea2 { anchors.fill: parent }
    Item {
        width: parent.width / 4
        height: parent.height
        Image {
            anchors.centerIn: parent
            source: "images/checkmarkGreen.png"
            scale: confirmBar.iconScale
        }
        MouseArea2 {
            objectName: "confirmAccept"
            anchors.fill: parent
            onClicked: confirmBar.accepted()
        }
    }
    Text {
        anchors.centerIn: parent
        width: parent.width / 2
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: 24
        color: "white"
        text: confirmBar.text
    }
    Item {
        x: parent.width - width
        width: parent.width / 4
        height: parent.height
        Image {
            anchors.centerIn: parent
            source: "images/xRed.png"
            scale: confirmBar.iconScale
        }
        MouseArea2 {
            objectName: "confirmReject"
            anchors.fill: parent
            onClicked: confirmBar.rejected()
        }
    }
}
