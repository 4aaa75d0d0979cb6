import QtQuick 2.15

// A panel over the whole screen with a message and, if given, a row of
// buttons. It takes every touch, so nothing behind it can be pressed.
Item {
    id: dialog

    property alias text: message.text
    property color borderColor: "#1c3f7a"
    property int fontSize: 18
    property var buttons: []
    // A question: a small panel in the middle instead of the whole screen.
    property bool compact: false
    readonly property int margin: 20

    signal buttonClicked(int index)

    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        anchors.fill: parent
        visible: dialog.compact
        color: "#80000000"
    }

    Rectangle {
        id: panel
        anchors.centerIn: parent
        width: dialog.compact ? Math.min(420, dialog.width - 2 * dialog.margin) : dialog.width - 2 * dialog.margin
        height: dialog.compact ? 240 : dialog.height - 2 * dialog.margin
        color: "white"
        radius: 8
        border.color: dialog.borderColor
        border.width: 4

        Flickable {
            id: scroller
            anchors.fill: parent
            anchors.margins: dialog.margin
            anchors.bottomMargin: buttonRow.visible ? buttonRow.height + 2 * dialog.margin : dialog.margin
            contentHeight: message.height
            clip: true

            Text {
                id: message
                objectName: "messageText"
                width: scroller.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                textFormat: Text.RichText
                font.pixelSize: dialog.fontSize
                font.bold: true
                color: "black"
            }
        }

        Row {
            id: buttonRow
            visible: dialog.buttons.length > 0
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: dialog.margin
            spacing: 40

            Repeater {
                model: dialog.buttons

                PushButton {
                    objectName: "button" + modelData
                    text: modelData
                    onClicked: dialog.buttonClicked(index)
                }
            }
        }
    }
}
