import QtQuick 2.15
import "menurules.js" as Rules

// The grid of timer colours over a veil. Picking a cell writes the colour
// (or "no colour" for the first cell) into the editor and closes; a touch
// on the veil closes and changes nothing.
Item {
    id: picker

    // The product form whose timerColorValue and noColor are written.
    property var editor: null
    property var colors: timerColorsDataList

    readonly property int cellSize: 50
    readonly property int cellGap: 2
    readonly property int columns: 9

    function pick(index) {
        if (index === 0) {
            editor.noColor = true
            editor.timerColorValue = Rules.noTimerColor
        } else {
            editor.noColor = false
            editor.timerColorValue = colors[index].backColor
        }
        visible = false
    }

    anchors.fill: parent

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.3
    }
    MouseArea {
        objectName: "veil"
        anchors.fill: parent
        onClicked: picker.visible = false
    }

    Grid {
        id: palette
        objectName: "palette"
        anchors.centerIn: parent
        columns: picker.columns
        spacing: picker.cellGap

        Repeater {
            model: picker.colors
            delegate: Rectangle {
                objectName: "colorCell" + index
                width: picker.cellSize
                height: picker.cellSize
                color: modelData.backColor

                Image {
                    anchors.fill: parent
                    visible: index === 0
                    source: "images/noColorSequare.png"
                    fillMode: Image.Tile
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: picker.pick(index)
                }
            }
        }
    }
}
