import QtQuick 2.15
import QtQuick.Window 2.15
import CabinetManagerDefs 1.0

// The NFC simulation window, shown beside the touch interface on the
// primary display in simulation: a developer drags pans onto the drawing of
// the cabinet, and each drop tags (or clears) that bin's simulated reader,
// so the whole pan-tag road runs without NFC hardware.
Window {
    id: kivSim
    objectName: "kivSim"

    readonly property int panGap: 3
    readonly property int margin: 10
    readonly property int gridGap: 50
    readonly property int drawingRise: 9
    readonly property var pans: [[1, 1], [1, 2], [1, 3], [2, 4], [2, 5], [2, 6], [101, 1], [101, 2], [101, 3]]

    // Drawing, columns and bin numbers (row by row) of the cabinet's layout.
    readonly property var layout: {
        switch (cabinetManager.orientationId) {
        case CabmgrDefs.UIID_5x4_PRIMARY:
            return { drawing: "cabinetDrawing.png", columns: 4,
                     bins: [0, 1, 10, 11, 2, 3, 12, 13, 4, 5, 14, 15, 6, 7, 16, 17, 8, 9, 18, 19] }
        case CabmgrDefs.UIID_5x2_PRIMARY:
            return { drawing: "cabinetDrawing5x2.png", columns: 2, bins: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9] }
        case CabmgrDefs.UIID_4x2_PRIMARY:
            return { drawing: "cabinetDrawing4x2.png", columns: 2, bins: [0, 1, 2, 3, 4, 5, 6, 7] }
        case CabmgrDefs.UIID_2x4_PRIMARY:
            return { drawing: "cabinetDrawing2x4.png", columns: 4, bins: [0, 1, 4, 5, 2, 3, 6, 7] }
        case CabmgrDefs.UIID_2x2_PRIMARY:
            return { drawing: "cabinetDrawing2x2.png", columns: 2, bins: [0, 1, 2, 3] }
        default:
            return { drawing: "cabinetDrawing2x2.png", columns: cabinetManager.traysPerZone, bins: [0, 1, 2, 3] }
        }
    }

    width: 520
    height: 360
    visible: true
    title: "NFC simulator"

    function homeY(index) {
        return margin + index * (32 + panGap)
    }

    // A pan dropped on a bin block tags that bin (clearing the bin it came
    // from); anywhere else, a part of the grid without a block included, it
    // goes back to its place in the column and clears its bin.
    function dropPan(pan) {
        var centre = binGrid.mapFromItem(pan, pan.width / 2, pan.height / 2)
        var block = binGrid.contains(centre) ? binGrid.childAt(centre.x, centre.y) : null
        if (block && block.bin !== undefined) {
            var corner = binGrid.mapToItem(panLayer, block.x + 1, block.y + 1)
            pan.x = corner.x
            pan.y = corner.y
            if (pan.bin >= 0)
                cabinetManager.setBinToTray(pan.bin, 0, 0)
            pan.bin = block.bin
            cabinetManager.setBinToTray(pan.bin, pan.pid, pan.tid)
            return
        }
        pan.x = margin
        pan.y = homeY(pan.homeIndex)
        if (pan.bin >= 0) {
            cabinetManager.setBinToTray(pan.bin, 0, 0)
            pan.bin = -1
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    Image {
        objectName: "cabinetDrawing"
        anchors.centerIn: binGrid
        anchors.verticalCenterOffset: -kivSim.drawingRise
        source: "qrc:///qml/images/" + kivSim.layout.drawing
    }

    Grid {
        id: binGrid
        objectName: "binGrid"
        x: kivSim.margin + 78 + kivSim.gridGap
        anchors.verticalCenter: parent.verticalCenter
        columns: kivSim.layout.columns
        width: columns * 80
        height: Math.max(cabinetManager.numberOfRows, 1) * 46
        Repeater {
            model: Math.min(kivSim.layout.bins.length,
                            Math.max(cabinetManager.numberOfRows, 1) * binGrid.columns)
            BinBlock {
                objectName: "binBlock" + bin
                bin: kivSim.layout.bins[index]
            }
        }
    }

    Item {
        id: panLayer
        anchors.fill: parent
        Repeater {
            model: kivSim.pans
            KivTray {
                readonly property int homeIndex: index
                objectName: "pan" + modelData[0] + "_" + modelData[1]
                pid: modelData[0]
                tid: modelData[1]
                x: kivSim.margin
                y: kivSim.homeY(index)
                onReleased: kivSim.dropPan(this)
            }
        }
    }
}
