import QtQuick 2.15

// The look shared by the modal dialogs: the parent dimmed, every touch
// outside the box swallowed, and the box drawn in the dialog colour over a
// drop shadow. Dialogs place their content inside `box`.
Item {
    id: frame

    property alias box: box
    property int boxWidth: 400
    property int boxHeight: 400
    property real dimOpacity: 0.3
    // The progress and scrolling boxes use the keypad background instead.
    property bool keypadBackground: false

    anchors.fill: parent

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: frame.dimOpacity
    }
    MouseArea2 {
        objectName: "dimArea"
        anchors.fill: parent
    }

    Item {
        id: box
        objectName: "box"
        width: frame.boxWidth
        height: frame.boxHeight
        anchors.centerIn: parent

        BorderImage {
            visible: !frame.keypadBackground
            x: 8 - 12
            y: 8 - 12
            width: parent.width + 24
            height: parent.height + 24
            border { left: 10; top: 10; right: 10; bottom: 10 }
            source: "images/shadowRect.png"
        }
        Rectangle {
            visible: !frame.keypadBackground
            anchors.fill: parent
            anchors.margins: -10
            color: uiSkin.dialogBackgroundColor
        }
        BorderImage {
            visible: frame.keypadBackground
            anchors.fill: parent
            anchors.margins: -10
            opacity: 0.93
            border { left: 17; top: 17; right: 17; bottom: 17 }
            source: "images/NumericKeyboardInputBackground.png"
        }
        // The box itself takes touches too, so that a tap between its
        // controls never reaches the dimmed screen.
        MouseArea2 {
            anchors.fill: parent
        }
    }
}
