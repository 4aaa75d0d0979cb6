import QtQuick 2.15

// A progress panel: what is being updated, a bar with its rounded
// percentage, and optionally the count of timeouts so far.
Rectangle {
    id: dialog

    property alias label: labelText.text
    property real progress: 0
    property bool showTimeouts: false
    property int timeouts: 0
    readonly property int barHeight: 30

    width: 440
    height: content.height + 40
    radius: 8
    color: "white"
    border.color: "#1c3f7a"
    border.width: 3

    Column {
        id: content
        anchors.centerIn: parent
        width: dialog.width - 40
        spacing: 10

        Text {
            id: labelText
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            textFormat: Text.RichText
            font.pixelSize: 20
            font.bold: true
        }

        Rectangle {
            objectName: "bar"
            width: parent.width
            height: dialog.barHeight
            color: "#d9dde6"
            radius: 4

            Rectangle {
                objectName: "barFill"
                width: parent.width * Math.max(0, Math.min(100, dialog.progress)) / 100
                height: parent.height
                radius: 4
                color: "#2e7d32"
            }

            Text {
                objectName: "percentText"
                anchors.centerIn: parent
                text: Math.round(dialog.progress) + "%"
                font.pixelSize: 18
                font.bold: true
            }
        }

        Text {
            objectName: "timeoutsText"
            visible: dialog.showTimeouts
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Total timeouts: ") + dialog.timeouts
            font.pixelSize: 16
        }
    }
}
