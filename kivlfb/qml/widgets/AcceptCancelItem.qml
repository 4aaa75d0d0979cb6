import QtQuick 2.15

// The cancel (left) and accept (right) pair under every question and
// settings page.
Item {
    id: pair

    property string cancelIcon: "images/xRed_noOutline.png"
    property string acceptIcon: "images/acceptCheckmark_noOutline.png"
    property color buttonBgColor: uiSkin.keyboardButtonColor
    property color buttonBgColorPressed: Qt.darker(buttonBgColor, 2)
    property int buttonsWidth: 100
    property bool acceptEnabled: true

    signal userAccepted()
    signal userCancelled()

    width: 300
    height: 60
    opacity: enabled ? 1.0 : 0.4

    Rectangle {
        id: cancelButton
        objectName: "cancelButton"
        anchors.left: parent.left
        width: pair.buttonsWidth
        height: parent.height
        color: cancelArea.pressed ? pair.buttonBgColorPressed : pair.buttonBgColor
        Image {
            anchors.centerIn: parent
            source: pair.cancelIcon
        }
        MouseArea2 {
            id: cancelArea
            anchors.fill: parent
            onClicked: {
                pair.userCancelled()
                vki.aKeyWasPressed()
            }
        }
    }

    Rectangle {
        id: acceptButton
        objectName: "acceptButton"
        anchors.right: parent.right
        width: pair.buttonsWidth
        height: parent.height
        opacity: pair.acceptEnabled ? 1.0 : 0.4
        color: acceptArea.pressed ? pair.buttonBgColorPressed : pair.buttonBgColor
        Image {
            anchors.centerIn: parent
            source: pair.acceptIcon
        }
        MouseArea2 {
            id: acceptArea
            anchors.fill: parent
            enabled: pair.acceptEnabled
            onClicked: {
                pair.userAccepted()
                vki.aKeyWasPressed()
            }
        }
    }
}
