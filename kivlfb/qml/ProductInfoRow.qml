import QtQuick 2.15

// One label-and-value line of an information box; with timerColorEnabled
// the value is a timer colour, drawn as a swatch.
Row {
    id: infoRow

    property string pirName: ""
    property string pirValue: ""
    property int nameWidth: 180
    property int valueWidth: 120
    property bool timerColorEnabled: false

    spacing: 15

    Text {
        width: infoRow.nameWidth
        text: infoRow.pirName
        font.pixelSize: 18
        font.bold: true
        horizontalAlignment: Text.AlignRight
        wrapMode: Text.Wrap
        color: "black"
    }
    Text {
        objectName: "valueText"
        visible: !infoRow.timerColorEnabled
        width: infoRow.valueWidth
        text: infoRow.pirValue
        font.pixelSize: 18
        elide: Text.ElideRight
        color: "black"
    }
    TimerColorSwatch {
        visible: infoRow.timerColorEnabled
        colorText: infoRow.pirValue
    }
}
