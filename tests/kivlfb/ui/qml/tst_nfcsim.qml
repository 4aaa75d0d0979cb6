import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import CabinetManagerDefs 1.0
import "qrc:///qml/simulation"

TestCase {
    id: testCase
    name: "NfcSimulator"
    when: windowShown
    visible: true
    width: 200
    height: 200

    Component { id: simComponent; KivNfcSim { } }

    function init() {
        verify(harness.reset())
    }
    function findChild(item, objectName) {
        if (item.objectName === objectName)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findChild(item.children[i], objectName)
            if (found)
                return found
        }
        return null
    }
    function makeSim(orientationId, rows) {
        cabinetManager.orientationId = orientationId
        cabinetManager.numberOfRows = rows
        var sim = createTemporaryObject(simComponent, testCase)
        waitForRendering(sim.contentItem)
        return sim
    }
    function find(sim, name) { return findChild(sim.contentItem, name) }
    // Drags a pan by its centre onto a point of another item. The pan starts
    // following only past the drag threshold, so the mouse goes that much
    // further.
    function dragTo(pan, target, x, y) {
        var window = pan.Window.window.contentItem
        var from = pan.mapToItem(window, pan.width / 2, pan.height / 2)
        var to = target.mapToItem(window, x, y)
        var t = Qt.styleHints.startDragDistance + 1
        mousePress(window, from.x, from.y)
        mouseMove(window, from.x + t, from.y + t)
        mouseMove(window, (from.x + to.x) / 2 + t, (from.y + to.y) / 2 + t)
        mouseMove(window, to.x + t, to.y + t)
        mouseRelease(window, to.x + t, to.y + t)
    }
    function dragOnto(pan, block) { dragTo(pan, block, block.width / 2, block.height / 2) }
    function binsInGridOrder(sim) {
        var grid = find(sim, "binGrid")
        var bins = []
        for (var i = 0; i < grid.children.length; ++i)
            if (grid.children[i].bin !== undefined)
                bins.push(grid.children[i].bin)
        return bins
    }

    function test_gridOrder_data() {
        return [
            { tag: "5x4", id: CabmgrDefs.UIID_5x4_PRIMARY, rows: 5,
              bins: [0, 1, 10, 11, 2, 3, 12, 13, 4, 5, 14, 15, 6, 7, 16, 17, 8, 9, 18, 19],
              drawing: "cabinetDrawing.png" },
            { tag: "5x2", id: CabmgrDefs.UIID_5x2_PRIMARY, rows: 5, bins: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9],
              drawing: "cabinetDrawing5x2.png" },
            { tag: "4x2", id: CabmgrDefs.UIID_4x2_PRIMARY, rows: 4, bins: [0, 1, 2, 3, 4, 5, 6, 7],
              drawing: "cabinetDrawing4x2.png" },
            { tag: "2x4", id: CabmgrDefs.UIID_2x4_PRIMARY, rows: 2, bins: [0, 1, 4, 5, 2, 3, 6, 7],
              drawing: "cabinetDrawing2x4.png" },
            { tag: "2x2", id: CabmgrDefs.UIID_2x2_PRIMARY, rows: 2, bins: [0, 1, 2, 3],
              drawing: "cabinetDrawing2x2.png" },
        ]
    }
    function test_gridOrder(data) {
        var sim = makeSim(data.id, data.rows)
        compare(sim.width, 520)
        compare(sim.height, 360)
        compare(binsInGridOrder(sim), data.bins)
        verify(String(find(sim, "cabinetDrawing").source).endsWith(data.drawing))
        compare(find(sim, "binGrid").columns, data.bins.length / data.rows)
    }

    function test_moveBetweenBins() {
        var sim = makeSim(CabmgrDefs.UIID_5x4_PRIMARY, 5)
        var log = cabinetManager.log
        var pan = find(sim, "pan1_2")
        dragOnto(pan, find(sim, "binBlock3"))
        compare(log.argsOf("cabinetManager.setBinToTray"), [[3, 1, 2]])
        compare(pan.bin, 3)
        dragOnto(pan, find(sim, "binBlock5"))
        compare(log.argsOf("cabinetManager.setBinToTray"), [[3, 1, 2], [3, 0, 0], [5, 1, 2]])
        compare(pan.bin, 5)
        // It lies on the block's corner.
        var block = find(sim, "binBlock5")
        var corner = block.mapToItem(pan.parent, 1, 1)
        compare(pan.x, corner.x)
        compare(pan.y, corner.y)
    }

    // Same product, two trays: two different tags in two bins.
    function test_twoTraysOfOneProduct() {
        var sim = makeSim(CabmgrDefs.UIID_2x4_PRIMARY, 2)
        dragOnto(find(sim, "pan2_4"), find(sim, "binBlock0"))
        dragOnto(find(sim, "pan2_5"), find(sim, "binBlock7"))
        compare(cabinetManager.log.argsOf("cabinetManager.setBinToTray"), [[0, 2, 4], [7, 2, 5]])
    }

    function test_dropOutside_data() {
        return [
            { tag: "beside the grid", where: "window" },
            { tag: "on the grid where no block is", where: "emptyCell" },
        ]
    }
    function test_dropOutside(data) {
        // 3 rows of 2 columns, but only four bins: two cells hold no block.
        cabinetManager.traysPerZone = 2
        var sim = makeSim(0, 3)
        var log = cabinetManager.log
        var pan = find(sim, "pan101_3")
        var home = Qt.point(pan.x, pan.y)
        dragOnto(pan, find(sim, "binBlock1"))
        compare(pan.bin, 1)
        var grid = find(sim, "binGrid")
        if (data.where === "window")
            dragTo(pan, sim.contentItem, 480, 20)
        else
            dragTo(pan, grid, 40, 2 * 46 + 23)
        compare(log.argsOf("cabinetManager.setBinToTray"), [[1, 101, 3], [1, 0, 0]])
        compare(pan.bin, -1)
        compare(Qt.point(pan.x, pan.y), home)
        dragTo(pan, sim.contentItem, 480, 20)
        compare(log.count("cabinetManager.setBinToTray"), 2)
        compare(Qt.point(pan.x, pan.y), home)
    }

    function test_screenshots_data() {
        return [
            { tag: "5x4-landscape", id: CabmgrDefs.UIID_5x4_PRIMARY, rows: 5, portrait: false },
            { tag: "5x4-portrait", id: CabmgrDefs.UIID_5x4_PRIMARY, rows: 5, portrait: true },
            { tag: "2x4-landscape", id: CabmgrDefs.UIID_2x4_PRIMARY, rows: 2, portrait: false },
            { tag: "2x4-portrait", id: CabmgrDefs.UIID_2x4_PRIMARY, rows: 2, portrait: true },
        ]
    }
    function test_screenshots(data) {
        // The simulator is a desktop window: the cabinet's orientation does
        // not turn it.
        cabinetManager.orientationPortrait = data.portrait
        var sim = makeSim(data.id, data.rows)
        dragOnto(find(sim, "pan1_1"), find(sim, "binBlock0"))
        dragOnto(find(sim, "pan2_5"), find(sim, "binBlock5"))
        dragOnto(find(sim, "pan101_2"), find(sim, "binBlock7"))
        waitForRendering(sim.contentItem)
        verify(screenshots.save(sim.contentItem, "nfcsim-" + data.tag) !== "")
    }
}
