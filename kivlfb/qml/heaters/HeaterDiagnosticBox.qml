import QtQuick 2.15
import "../widgets"

// One zone row of the heater screens: the zone label, the fan column when
// the cabinet has fans, and the set point and reading of the zone's two
// heaters. The texts and colours come from the screen (texts), so that both
// screens show them alike.
Item {
    id: box

    property int zonenumber: 0
    property int setpointFront: 0
    property int tempFront: 0
    property int setpointBack: 0
    property int tempBack: 0
    property int fanSetting: 0
    property int fanActual: 0
    property bool individualTemps: false
    property bool showFan: false
    // Cells run right to left (a mirror display with per-bin temperatures).
    property bool mirrored: false
    // The side being edited: 1 front, 0 back.
    property int editfb: 1
    // Supplies spText(value, side), actualText(value), tempColor(sp, value),
    // fanText(prefix, speed) and zoneLabel.
    property var texts: null

    signal editTempSignal(int frontBack)
    signal editFanSignal()

    // Narrow boxes (two columns on a portrait display) shrink their label,
    // fan column and texts.
    readonly property bool compact: width < 320
    readonly property int labelWidth: compact ? 44 : 80
    readonly property int fanWidth: compact ? 46 : 70
    readonly property int textSize: compact ? 13 : 16
    readonly property int cellSpacing: 2

    height: 70

    Rectangle {
        id: label
        width: box.labelWidth
        height: parent.height
        color: "black"
        Text {
            anchors.centerIn: parent
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: box.texts ? box.texts.zoneLabel + box.zonenumber : ""
            color: "white"
            font.pixelSize: box.compact ? 14 : 18
            font.bold: true
        }
    }

    Rectangle {
        id: fan
        objectName: "fanCell"
        anchors.left: label.right
        anchors.leftMargin: box.cellSpacing
        width: box.showFan ? box.fanWidth : 0
        height: parent.height
        visible: box.showFan
        color: "#e0e0e0"
        Column {
            anchors.centerIn: parent
            Text {
                objectName: "fanSettingText"
                text: box.texts ? box.texts.fanText("S:", box.fanSetting) : ""
                font.pixelSize: box.textSize
            }
            Text {
                objectName: "fanActualText"
                text: box.texts ? box.texts.fanText("A:", box.fanActual) : ""
                font.pixelSize: box.textSize
            }
        }
        MouseArea2 {
            anchors.fill: parent
            onClicked: box.editFanSignal()
        }
    }

    Grid {
        id: cells
        anchors.left: fan.right
        anchors.leftMargin: box.cellSpacing
        anchors.right: parent.right
        height: parent.height
        columns: 2
        rows: 2
        spacing: box.cellSpacing
        // Per-bin temperatures: each heater is a column (set point above
        // reading); averaged: each heater is a row.
        flow: box.individualTemps ? Grid.TopToBottom : Grid.LeftToRight
        layoutDirection: box.mirrored ? Qt.RightToLeft : Qt.LeftToRight

        readonly property real cellWidth: (width - spacing) / 2
        readonly property real cellHeight: (height - spacing) / 2

        Rectangle {
            objectName: "frontSetPoint"
            width: cells.cellWidth
            height: cells.cellHeight
            color: "white"
            border.color: "#a0a0a0"
            Text {
                objectName: "frontSetPointText"
                anchors.centerIn: parent
                text: box.texts ? box.texts.spText(box.setpointFront, 1) : ""
                font.pixelSize: box.textSize
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: { box.editfb = 1; box.editTempSignal(1) }
            }
        }
        Rectangle {
            objectName: "frontActual"
            width: cells.cellWidth
            height: cells.cellHeight
            color: box.texts ? box.texts.tempColor(box.setpointFront, box.tempFront) : "white"
            Text {
                objectName: "frontActualText"
                anchors.centerIn: parent
                text: box.texts ? box.texts.actualText(box.tempFront) : ""
                font.pixelSize: box.textSize
                font.bold: true
            }
        }
        Rectangle {
            objectName: "backSetPoint"
            width: cells.cellWidth
            height: cells.cellHeight
            color: "white"
            border.color: "#a0a0a0"
            Text {
                objectName: "backSetPointText"
                anchors.centerIn: parent
                text: box.texts ? box.texts.spText(box.setpointBack, 0) : ""
                font.pixelSize: box.textSize
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: { box.editfb = 0; box.editTempSignal(0) }
            }
        }
        Rectangle {
            objectName: "backActual"
            width: cells.cellWidth
            height: cells.cellHeight
            color: box.texts ? box.texts.tempColor(box.setpointBack, box.tempBack) : "white"
            Text {
                objectName: "backActualText"
                anchors.centerIn: parent
                text: box.texts ? box.texts.actualText(box.tempBack) : ""
                font.pixelSize: box.textSize
                font.bold: true
            }
        }
    }
}
