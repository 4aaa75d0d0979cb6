import QtQuick 2.15
import "../widgets"

// A labelled button of the system-monitor pages.
Rectangle {
    id: button

    property alias text: label.text
    signal clicked()

    implicitWidth: Math.max(label.implicitWidth + 2 * padding, minimumWidth)
    implicitHeight: 44
    readonly property int padding: 16
    readonly property int minimumWidth: 110

    radius: 6
    color: area.pressed ? uiSkin.keyboardButtonColorDark : uiSkin.keyboardButtonColor
    opacity: enabled ? 1.0 : 0.5

    Text {
        id: label
        anchors.centerIn: parent
        font.pixelSize: 20
        color: uiSkin.keyboardButtonTextColor
    }
    MouseArea2 {
        id: area
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
