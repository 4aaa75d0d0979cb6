import QtQuick 2.15

Item {
    id: radioButton

    property string normal_image: "images/radioButton_unselected.png"
    property string pressed_image: "images/radioButton_selected.png"
    property string label: ""
    property string label_font: "Arial Unicode MS"
    property int label_max_width: 98
    property real label_font_size: 24
    property color label_color: "#323332"
    property int label_style: Text.Normal
    property color label_style_color: "white"
    property bool is_selected: false
    property int index: -1
    property bool is_checked: is_selected

    signal selected(int index)
    signal clicked()

    height: 32
    width: row.implicitWidth + 8
    opacity: enabled ? 1.0 : 0.6

    onClicked: {
        is_selected = true
        selected(index)
    }

    Row {
        id: row
        height: parent.height
        spacing: 4

        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: radioButton.height - 2
            height: width
            source: radioButton.is_selected ? radioButton.pressed_image : radioButton.normal_image
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: radioButton.label
            font.family: radioButton.label_font
            font.pixelSize: radioButton.label_font_size
            color: radioButton.label_color
            style: radioButton.label_style
            styleColor: radioButton.label_style_color
        }
    }

    MouseArea2 {
        anchors.fill: parent
        onClicked: radioButton.clicked()
    }
}
