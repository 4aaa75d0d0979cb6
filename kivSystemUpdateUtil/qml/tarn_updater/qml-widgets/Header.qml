import QtQuick 2.15

// The title bar across the top of a screen.
Rectangle {
    id: header

    property alias title: titleText.text

    height: 56
    color: "#1c3f7a"

    Text {
        id: titleText
        objectName: "headerTitle"
        anchors.centerIn: parent
        color: "white"
        font.pixelSize: 26
        font.bold: true
    }
}
