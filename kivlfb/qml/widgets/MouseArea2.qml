import QtQuick 2.15

// The touch area used everywhere: a plain MouseArea that, in the "-uiDebug"
// run, outlines itself so that a person can see what is touchable.
MouseArea {
    id: area

    Rectangle {
        objectName: "debugOutline"
        anchors.fill: parent
        color: "transparent"
        border.color: "orange"
        border.width: 1
        visible: area.enabled && cabinetManager.uiDebug === true
    }
}
