import QtQuick 2.15
import "widgets"

// One octet of an IPv4 address: a whole number 0 to 255, typed on the
// free-standing keypad so that the address stays in view.
Rectangle {
    id: box

    property alias text: field.text
    readonly property bool valid: field.acceptableInput
    property bool warnUnacceptable: false

    signal accepted()
    signal getFocus()

    function finish() {
        field.deselect()
        box.accepted()
    }

    width: 44
    height: parent ? parent.height : 40
    border.color: field.activeFocus ? uiSkin.keyboardButtonColorDark : "grey"
    border.width: 2

    TextInput {
        id: field
        objectName: "field"
        anchors.fill: parent
        anchors.margins: 4
        horizontalAlignment: TextInput.AlignHCenter
        verticalAlignment: TextInput.AlignVCenter
        font.pixelSize: 20
        validator: IntValidator { bottom: 0; top: 255 }
        onActiveFocusChanged: {
            if (!activeFocus) {
                deselect()
                if (acceptableInput)
                    box.accepted()
            }
        }
        // Only a valid octet reaches here.
        onAccepted: {
            numericKeypad.visible = false
            alphakb.visible = false
            box.finish()
        }
    }
    Image {
        objectName: "invalidMarker"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 4
        fillMode: Image.Tile
        source: "images/invalidInput.png"
        visible: box.warnUnacceptable && !box.valid
    }
    MouseArea2 {
        anchors.fill: parent
        onClicked: {
            field.forceActiveFocus()
            field.selectAll()
            numericKeypad.visible = true
        }
    }
}
