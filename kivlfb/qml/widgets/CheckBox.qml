import QtQuick 2.15

// A check box that only reports taps: the screen owning the setting decides
// whether the box becomes checked, so a refused change never shows as done.
Item {
    id: checkBox

    property string normal_image: "images/checkBox_unchecked.png"
    property string pressed_image: "images/checkBox_checked.png"
    property string label: ""
    property string label_font: "Arial Unicode MS"
    property real label_font_size: height / 2
    property color label_color: "silver"
    property int label_style: Text.Normal
    property color label_style_color: "white"
    property bool is_checked: false

    signal checked()
    signal unchecked()

    readonly property int minimumHeight: 36

    implicitHeight: Math.max(labelText.implicitHeight, minimumHeight)
    implicitWidth: row.implicitWidth
    opacity: enabled ? 1.0 : 0.6

    Row {
        id: row
        anchors.fill: parent
        spacing: 8

        Image {
            id: boxImage
            anchors.verticalCenter: parent.verticalCenter
            source: checkBox.is_checked ? checkBox.pressed_image : checkBox.normal_image
        }
        Text {
            id: labelText
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(0, checkBox.width - boxImage.width - row.spacing)
            text: checkBox.label
            elide: Text.ElideRight
            font.family: checkBox.label_font
            font.pixelSize: Math.max(1, checkBox.label_font_size)
            color: checkBox.label_color
            style: checkBox.label_style
            styleColor: checkBox.label_style_color
        }
    }

    MouseArea2 {
        anchors.fill: parent
        // Keep a surrounding Flickable from taking the touch over.
        preventStealing: true
        onClicked: checkBox.is_checked ? checkBox.unchecked() : checkBox.checked()
    }
}
