import QtQuick 2.15

// A titled row of radio buttons of which one is selected.
Column {
    id: group

    property alias title: titleText.text
    property var labels: []
    property int currentIndex: 0

    spacing: 6
    opacity: enabled ? 1.0 : 0.4

    Text {
        id: titleText
        font.pixelSize: 20
        font.bold: true
        color: "black"
        visible: text.length > 0
    }

    Row {
        spacing: 30

        Repeater {
            model: group.labels

            RadioButton {
                objectName: "radio" + modelData
                text: modelData
                checked: index === group.currentIndex
                onClicked: group.currentIndex = index
            }
        }
    }
}
