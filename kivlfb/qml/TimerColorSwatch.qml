import QtQuick 2.15
import "menurules.js" as Rules

// A timer colour, or the tiled no-colour pattern for "no colour".
Item {
    id: swatch

    property string colorText: Rules.noTimerColor
    readonly property bool noColor: colorText === Rules.noTimerColor

    width: 60
    height: 30

    Rectangle {
        objectName: "swatchColor"
        anchors.fill: parent
        visible: !swatch.noColor
        color: swatch.noColor ? "transparent" : swatch.colorText
        border.color: "black"
    }
    Image {
        objectName: "noColorPattern"
        anchors.fill: parent
        visible: swatch.noColor
        source: "images/noColorSequare.png"
        fillMode: Image.Tile
    }
}
