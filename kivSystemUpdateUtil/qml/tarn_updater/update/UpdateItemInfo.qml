import QtQuick 2.15
import "../qml-widgets"

// One part of the update package: its tick box and its description (which
// may hold HTML line breaks and bold marks). stateText records how far the
// part got; the row does not show it.
Row {
    id: item

    property alias info: infoText.text
    property alias checked: box.checked
    property alias checkEnabled: box.enabled
    property string stateText: ""
    property bool done: false

    spacing: 16

    CheckBox {
        id: box
        objectName: "checkBox"
        anchors.verticalCenter: parent.verticalCenter
    }

    Text {
        id: infoText
        objectName: "infoText"
        anchors.verticalCenter: parent.verticalCenter
        textFormat: Text.RichText
        font.pixelSize: 20
        color: item.done ? "#1a7f37" : "black"
    }
}
