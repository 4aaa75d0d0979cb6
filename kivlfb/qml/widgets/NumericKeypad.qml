import QtQuick 2.15

// A free-standing keypad over the screen (one instance, numericKeypad) for
// fields that keep their place in view, such as the parts of an IP address:
// its keys go to the input that has the focus. It is dragged sideways by its
// grab bar; return sends Return and hides it, cancel only hides it.
Item {
    id: keypad

    property bool sign_enabled: true
    property bool decimal_enabled: false

    // Declared for its users; the keypad itself has no answer to give.
    signal accepted()
    signal cancelled()

    width: 250
    height: 455
    opacity: grabArea.drag.active ? 0.7 : 1.0

    BorderImage {
        anchors.fill: parent
        anchors.margins: -10
        border { left: 17; top: 17; right: 17; bottom: 17 }
        source: "images/NumericKeyboardInputBackground.png"
    }

    Image {
        id: grabBar
        objectName: "numericKeypadGrabBar"
        anchors.left: parent.left
        anchors.right: parent.right
        height: 50
        fillMode: Image.Tile
        source: "images/horzBars.png"

        MouseArea2 {
            id: grabArea
            anchors.fill: parent
            drag.target: keypad
            drag.axis: Drag.XAxis
        }
    }

    Grid {
        anchors.top: grabBar.bottom
        anchors.topMargin: 6
        anchors.horizontalCenter: parent.horizontalCenter
        columns: 3
        spacing: 5

        Repeater {
            model: ["1", "2", "3", "4", "5", "6", "7", "8", "9"]
            NumericKeyboardButton {
                objectName: "numericKeypad-" + modelData
                width: 70
                label: modelData
                keycode: modelData
                marginExtension: 2
            }
        }
        NumericKeyboardButton {
            objectName: "numericKeypad-Hyphen"
            width: 70
            label: "-"
            keycode: "-"
            marginExtension: 2
            visible: keypad.sign_enabled
        }
        NumericKeyboardButton {
            objectName: "numericKeypad-Decimal"
            width: 70
            label: "."
            keycode: "."
            marginExtension: 2
            visible: keypad.decimal_enabled
        }
        NumericKeyboardButton {
            objectName: "numericKeypad-0"
            width: 70
            label: "0"
            keycode: "0"
            marginExtension: 2
        }
        NumericKeyboardButton {
            objectName: "numericKeypad-C"
            width: 70
            label: "C"
            keycode: "_back"
            marginExtension: 2
        }
    }

    NumericKeyboardButton {
        objectName: "numericKeypad-Cancel"
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: 8
        width: 80
        height: 80
        label: ""
        reportVki: false
        onClicked: keypad.visible = false
        Image {
            anchors.centerIn: parent
            source: "images/xRed_noOutline.png"
        }
    }
    NumericKeyboardButton {
        id: returnKey
        objectName: "numericKeypad-Return"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        width: 80
        height: 80
        label: ""
        keycode: "_return"
        onClicked: keypad.visible = false
        Image {
            anchors.centerIn: parent
            source: returnKey.pressed ? "images/keyboard/returnKey_symbol_pressed.png"
                                      : "images/keyboard/returnKey_symbol.png"
        }
    }
}
