import QtQuick 2.15
import QtTest 1.15
import CabinetManagerDefs 1.0
import TrayBarSc 1.0

// TestCase itself is never visible: the views are made in this item.
Item {
    id: stage
    width: 800
    height: 480

TestCase {
    id: testCase
    name: "PressAndGoView"
    when: windowShown

    property var view: null
    property var window: null

    function makeView(rows, perRow, perZone) {
        cabinetManager.pressGoDockPosition = CabmgrDefs.PG_DOCK_POSITION_BOTTOM
        cabinetManager.uiTrayHeight = 80
        cabinetManager.buildCabinet(rows, perRow, perZone)
        var component = Qt.createComponent("qrc:///qml/PressAndGoView.qml")
        compare(component.status, Component.Ready, component.errorString())
        view = component.createObject(stage, { width: 800, height: 480 })
        verify(view)
        return view
    }
    function findAll(item, prefix, found) {
        if (!item)
            return found
        if (item.objectName && item.objectName.indexOf(prefix) === 0 && item.visible)
            found.push(item)
        for (var i = 0; i < item.children.length; ++i)
            findAll(item.children[i], prefix, found)
        return found
    }
    function child(item, name) {
        var found = findAll(item, name, [])
        for (var i = 0; i < found.length; ++i)
            if (found[i].objectName === name)
                return found[i]
        return null
    }
    function zoneViews() {
        return findAll(view, "zoneView", [])
    }
    function tap(item) {
        verify(item)
        mouseClick(item, item.width / 2, item.height / 2)
    }

    function init() {
        verify(harness.reset())
    }
    function cleanup() {
        if (view)
            view.destroy()
        view = null
        if (window)
            window.destroy()
        window = null
    }

    // Zones land in rows in cabinet order, right to left on a mirror display.
    function test_rows_data() {
        return [
            { tag: "two by two", rows: 2, perRow: 2, mirror: false, firstRow: [0, 1] },
            { tag: "two by two, mirror", rows: 2, perRow: 2, mirror: true, firstRow: [1, 0] },
            { tag: "five rows", rows: 5, perRow: 1, mirror: false, firstRow: [0] },
        ]
    }
    function test_rows(data) {
        cabinetManager.mirrorDisplay = data.mirror
        makeView(data.rows, data.perRow, 2)
        var zones = zoneViews()
        compare(zones.length, data.rows * data.perRow)
        var firstRow = zones.filter(function (z) { return z.mapToItem(view, 0, 0).y === zones[0].mapToItem(view, 0, 0).y })
        firstRow.sort(function (a, b) { return a.mapToItem(view, 0, 0).x - b.mapToItem(view, 0, 0).x })
        compare(firstRow.map(function (z) { return z.zoneNumber }), data.firstRow)
        // Each row one tray high, 5 px apart.
        var last = zones.filter(function (z) { return z.zoneNumber === data.rows * data.perRow - 1 })[0]
        compare(last.mapToItem(view, 0, 0).y, (data.rows - 1) * 85)
    }
    function test_banner() {
        cabinetManager.pressGoBannerEnable = true
        makeView(2, 1, 2)
        verify(child(view, "banner"))
        compare(zoneViews()[0].mapToItem(view, 0, 0).y, 120)
    }
    // Portrait with two zones per row: the first zones of all rows above
    // the second ones.
    function test_widePortrait() {
        cabinetManager.orientationPortrait = true
        makeView(2, 2, 2)
        verify(view.isWidePortraitModel())
        verify(child(view, "widePortrait"))
        var zones = zoneViews()
        compare(zones.length, 4)
        var ys = {}
        zones.forEach(function (z) { ys[z.zoneNumber] = z.mapToItem(view, 0, 0).y })
        verify(ys[0] < ys[2])
        verify(ys[2] < ys[1])
        verify(ys[1] < ys[3])
        compare(zones[0].width, 480 - view.grayTriangleImageWidth - 2)
        verify(view.grayTriangleImageWidth > 0)
    }

    function openTransfer(entries) {
        makeView(1, 1, 2)
        cabinetManager.transferTimers = entries
        cabinetManager.showProductTransferList()
        verify(view.transferWindow.visible)
        return view.transferWindow
    }
    function test_emptyTransferList() {
        var w = openTransfer([])
        compare(w.entries.count, 0)
        compare(child(w, "transferTitle").text, "Select Timer To Transfer:")
        verify(!child(w, "acceptButton").enabled)
        verify(!child(w, "clearButton").enabled)
        compare(child(w, "acceptButton").opacity, 0.4)
        tryCompare(w, "visible", false, 6000)
        compare(callLog.count("cabinetManager.doProductTransfer"), 0)
    }
    function test_transferPicksAnEntry() {
        var w = openTransfer([
            { name: "Patty", holdTime: 1200, warningTime: 300, remainingTime: 600 },
            { name: "Patty", holdTime: 1200, warningTime: 300, remainingTime: 200 },
            { name: "Patty", holdTime: 0, warningTime: 300, remainingTime: 900 },
        ])
        compare(w.entries.count, 3)
        compare(w.entries.get(0).productText, "Patty - 0:10")
        verify(w.entries.get(0).useBin)
        verify(!w.entries.get(1).useBin)
        // Yellow once inside the warning time; a bar without a hold time is empty.
        compare(String(child(w, "transferEntry0").color), "#ffffff")
        compare(String(child(w, "transferEntry1").color), "#ffff00")
        compare(child(child(w, "transferEntry0"), "entryBar").width, Math.round(w.list.width / 2))
        compare(child(child(w, "transferEntry2"), "entryBar").width, 0)

        tap(child(w, "transferEntry1"))
        compare(w.list.currentIndex, 1)
        verify(child(w, "acceptButton").enabled)
        tap(child(w, "clearButton"))
        compare(w.list.currentIndex, -1)
        verify(w.visible)
        tap(child(w, "transferEntry1"))
        tap(child(w, "acceptButton"))
        compare(callLog.argsOf("cabinetManager.doProductTransfer"), [[1]])
        verify(!w.visible)
        verify(!w.idleTimer.running)
    }
    function test_touchOutsideCloses() {
        var w = openTransfer([{ name: "Fries", holdTime: 600, warningTime: 60, remainingTime: 500 }])
        tap(child(w, "transferEntry0"))
        mouseClick(w, 10, 10)
        verify(!w.visible)
        compare(callLog.count("cabinetManager.doProductTransfer"), 0)
    }
    // Touches keep the window open past its 5 s.
    function test_touchRestartsTheIdleTimer() {
        var w = openTransfer([{ name: "Fries", holdTime: 600, warningTime: 60, remainingTime: 500 }])
        wait(3500)
        tap(child(w, "transferEntry0"))
        wait(3000)
        verify(w.visible)
        tryCompare(w, "visible", false, 3000)
    }
    function test_transferTime_data() {
        return [
            { tag: "half a minute", t: 30, text: "0:01" },
            { tag: "zero", t: 0, text: "??:??" },
            { tag: "negative", t: -40, text: "??:??" },
            { tag: "a day", t: 86400, text: "??:??" },
            { tag: "an hour and a minute", t: 3660, text: "1:01" },
            { tag: "ninety seconds", t: 90, text: "0:01" },
        ]
    }
    function test_transferTime(data) {
        makeView(1, 1, 2)
        compare(view.transferWindow.formatTransferTime(data.t), data.text)
    }

    // Whole holding screens in the main window, saved for a person to look
    // at; each also checks a bin's colour where the layout puts it.
    function fillDemo(perZone) {
        var t = cabinetManager.traysModelList
        var looks = [
            { trayState: TrayBarSchart.TRAY_STATE_STANDARD, productName: "Grilled Chicken", holdTime: 1800, remainingTime: 1130, useBin: true },
            { trayState: TrayBarSchart.TRAY_STATE_WARNING, productName: "Crispy Patty", holdTime: 1200, remainingTime: 185, useBin: false },
            { trayState: TrayBarSchart.TRAY_STATE_DISCARD, productName: "Sausage", holdTime: 900, remainingTime: -75 },
            { trayState: TrayBarSchart.TRAY_STATE_PREHEATING, productName: "Eggs", holdTemperature: 180, actualTemperature: 120 },
            { trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, productName: "Hash Browns" },
            { trayState: TrayBarSchart.TRAY_STATE_WAITING, productName: "Bacon" },
            { trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, productName: "", groupID: 2, groupPList: [31, 32, 33] },
            { trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, productName: "Biscuits", holdTimePreSet: 5400 },
        ]
        for (var i = 0; i < t.length; ++i) {
            var look = looks[i % looks.length]
            t[i].productId = 100 + i
            t[i].panSizeX = perZone === 4 ? "1/4" : "1/2"
            for (var key in look)
                t[i][key] = look[key]
        }
    }
    function showMain(portrait, rows, perRow, perZone) {
        cabinetManager.orientationPortrait = portrait
        cabinetManager.pressGoDockPosition = portrait ? CabmgrDefs.PG_DOCK_POSITION_BOTTOM : CabmgrDefs.PG_DOCK_POSITION_LEFT
        cabinetManager.buildCabinet(rows, perRow, perZone)
        cabinetManager.nfcEnabled = true
        fillDemo(perZone)
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        tryCompare(window.contentItem, "width", window.width)
        waitForRendering(window.contentItem)
        wait(200)
        return window
    }
    function shoot(name) {
        var path = screenshots.save(window.contentItem, name)
        verify(path !== "", "no screenshot of " + name)
        return path
    }
    function test_screenshots_data() {
        return [
            { tag: "landscape-2x4", portrait: false, rows: 2, perRow: 2, perZone: 2 },
            { tag: "landscape-5x4", portrait: false, rows: 5, perRow: 1, perZone: 4 },
            { tag: "portrait-4x2", portrait: true, rows: 4, perRow: 1, perZone: 2, banner: true },
            { tag: "portrait-wide", portrait: true, rows: 2, perRow: 2, perZone: 2 },
        ]
    }
    function test_screenshots(data) {
        cabinetManager.pressGoBannerEnable = data.banner === true
        showMain(data.portrait, data.rows, data.perRow, data.perZone)
        var all = findAll(window.contentItem, "pgMainGrid", [])
        var grid = all[0]
        verify(grid)
        shoot("holding-" + data.tag)
        // The discard bin (the third) is red in the picture.
        var discard = findAll(grid, "trayBar", []).filter(function (b) { return b.trayObject.binNumber === 2 })[0]
        verify(discard)
        compare(discard.state, "discard")
        // Portrait is drawn turned into the landscape window.
        var p = window.contentItem.mapFromItem(discard, discard.width / 2, discard.height - 4)
        compare(screenshots.pixel(Math.round(p.x), Math.round(p.y)), "#ff0000")
    }
}
}
