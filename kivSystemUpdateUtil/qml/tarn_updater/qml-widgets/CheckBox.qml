import QtQuick 2.15

// A square box with a tick; a touch toggles it while it is enabled.
Item {
    id: box

    property bool checked: false
    readonly property int boxSize: 32

    signal toggled(bool checked)

    width: boxSize
    height: boxSize
    opacity: enabled ? 1.0 : 0.5

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: "white"
        border.color: "#1c3f7a"
        border.width: 2
    }

    Image {
        objectName: "tick"
        anchors.centerIn: parent
        width: box.boxSize - 6
        height: box.boxSize - 6
        source: "../images/common/checkmark.png"
        visible: box.checked
    }

    MouseArea {
        anchors.fill: parent
        onClicked: {
            box.checked = !box.checked
            box.toggled(box.checked)
        }
    }
}
