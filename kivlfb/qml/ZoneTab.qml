import QtQuick 2.15
import CabinetManagerDefs 1.0

// The tab of a zone in the tabbed layout: a small picture of the cabinet,
// two rows of four bins, with the two bins of this zone's quadrant in the
// zone's colour. It hangs below the zone for the left quadrants and stands
// above it for the right ones.
Rectangle {
    id: tab

    property real zoneWidth: 0
    property real zoneHeight: 0
    property int quadrant: CabmgrDefs.ZONE_VIEW_QUADRANT_UPLEFT
    property color tabColor: "transparent"
    property bool mirror: false
    readonly property bool leftQuadrant: quadrant === CabmgrDefs.ZONE_VIEW_QUADRANT_UPLEFT
                                         || quadrant === CabmgrDefs.ZONE_VIEW_QUADRANT_LOWLEFT

    width: zoneWidth / 2 - 2
    height: zoneHeight / 2 + 3
    x: leftQuadrant ? 0 : zoneWidth - width
    y: leftQuadrant ? zoneHeight : -height
    color: tabColor

    Rectangle {
        objectName: "cabinetPicture"
        anchors.fill: parent
        anchors.topMargin: 5
        anchors.bottomMargin: 5
        anchors.leftMargin: 75
        anchors.rightMargin: 75
        color: "#c0c0c0"

        Column {
            anchors.centerIn: parent
            spacing: 3
            Repeater {
                // Upper row: UPLEFT, UPRIGHT; lower row: LOWLEFT, LOWRIGHT.
                model: 2
                Row {
                    readonly property int row: index
                    spacing: 3
                    layoutDirection: tab.mirror ? Qt.RightToLeft : Qt.LeftToRight
                    Repeater {
                        model: 4
                        Rectangle {
                            readonly property int binQuadrant: row * 2 + Math.floor(index / 2)
                            objectName: "tabBin" + (row * 4 + index)
                            width: Math.max(2, (tab.width - 150 - 20) / 4)
                            height: Math.max(2, (tab.height - 10 - 12) / 2)
                            color: binQuadrant === tab.quadrant ? tab.tabColor : "black"
                        }
                    }
                }
            }
        }
    }
}
