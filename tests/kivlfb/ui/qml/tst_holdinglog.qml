import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml"
import "qrc:///qml/haccpLog"
import "qrc:///qml/widgets"

// The "Holding Log" page: the copy of each read into its own list, shelf
// numbers and discarded texts, its buttons, and screenshots of it.
TestCase {
    id: testCase
    name: "HoldingLog"
    when: windowShown
    visible: true
    width: 800
    height: 480

    Component {
        id: pageComponent
        HaccpLogPanel {
            width: 800
            height: 480
        }
    }
    Component {
        id: busyHost
        ScreenHost {
            releasedWhenHidden: true
            BusyWaitIndicator { }
        }
    }

    function init() {
        verify(harness.reset())
        harness.setScaling(1.0, 1.0)
    }
    function findChild(item, objectName) {
        if (!item)
            return null
        if (item.objectName === objectName)
            return item
        var kids = item.children
        for (var i = 0; i < kids.length; ++i) {
            var found = findChild(kids[i], objectName)
            if (found)
                return found
        }
        return null
    }
    function child(item, objectName) {
        var found = findChild(item, objectName)
        verify(found, "no item named " + objectName)
        return found
    }
    function tap(item) {
        mouseClick(item, item.width / 2, item.height / 2)
    }
    function makePage(properties) {
        var page = createTemporaryObject(pageComponent, testCase, properties || {})
        verify(page)
        return page
    }
    // The log as the controller holds it after a read, newest first.
    function giveRows(rows, total) {
        haccpController.haccpDataModel.rows = rows
        haccpController.haccpLogListCount = rows.length
        haccpController.totalHaccpLogListCount = total === undefined ? rows.length : total
    }
    function holds(count) {
        var rows = []
        for (var i = 0; i < count; ++i)
            rows.push({ name: "Product " + i, date: "03/" + (10 + i % 20), time: "11:" + (10 + i % 50),
                        duration: i % 7 === 0 ? "----" : "01:" + (10 + i % 40), expired: i % 3 === 0, bin: i % 8 })
        return rows
    }
    // Reports the read done and waits for the page to finish copying it.
    function completeRead(page) {
        haccpController.retrieveHaccpDataDone("")
        verify(page.loadTimer.running)
        tryCompare(page.loadTimer, "running", false, 5000)
    }
    function shown(page, row) {
        var list = child(page, "haccpLogList")
        list.currentIndex = row
        return list.currentItem
    }

    function test_placeholderUntilTheFirstRead() {
        giveRows(holds(3))
        var page = makePage()
        var list = child(page, "haccpLogList")
        compare(list.count, 1)
        compare(shown(page, 0).prodName, "prod")
        compare(shown(page, 0).date, "1970.01.01")
        compare(shown(page, 0).expired, "----")
        completeRead(page)
        compare(list.count, 3)
        compare(shown(page, 0).prodName, "Product 0")
        compare(shown(page, 2).itemNumber, 3)
        compare(shown(page, 1).time, "11:11")
        compare(shown(page, 1).duration, "01:11")
    }

    // Four bins of one shelf (4 trays per zone, 1 zone per row, 3 rows)
    // show the number their zone view gives that shelf.
    function test_shelfNumbers_data() {
        return [
            { tag: "normal order", order: 0, start: 0, traysPerZone: 4, bins: [0, 1, 2, 3], shelves: [1, 1, 1, 1] },
            { tag: "reverse order", order: 1, start: 0, traysPerZone: 4, bins: [0, 1, 2, 3], shelves: [3, 3, 3, 3] },
            { tag: "further shelves", order: 0, start: 0, traysPerZone: 4, bins: [4, 7, 8, 11], shelves: [2, 2, 3, 3] },
            { tag: "reverse, further shelves", order: 1, start: 0, traysPerZone: 4, bins: [4, 8], shelves: [2, 1] },
            { tag: "starting shelf 5", order: 0, start: 5, traysPerZone: 4, bins: [0, 4], shelves: [6, 7] },
            { tag: "starting shelf 5, reverse", order: 1, start: 5, traysPerZone: 4, bins: [0, 8], shelves: [8, 6] },
            { tag: "no trays per zone", order: 0, start: 0, traysPerZone: 0, bins: [0, 3, 9], shelves: [1, 1, 1] },
            { tag: "no trays per zone, reverse", order: 1, start: 0, traysPerZone: 0, bins: [0, 3, 9], shelves: [3, 3, 3] },
        ]
    }
    function test_shelfNumbers(data) {
        cabinetManager.traysPerZone = data.traysPerZone
        cabinetManager.zonesPerRow = 1
        cabinetManager.numberOfRows = 3
        cabinetManager.startingShelfNumber = data.start
        cabinetManager.shelfNumberingOrder = data.order
        giveRows(data.bins.map(function (bin) {
            return { name: "P", date: "01/01", time: "10:00", duration: "00:30", expired: false, bin: bin }
        }))
        var page = makePage()
        completeRead(page)
        for (var i = 0; i < data.bins.length; ++i)
            compare(shown(page, i).shelfNumber, data.shelves[i], "bin " + data.bins[i])
    }

    function test_discardedText_data() {
        return [
            { tag: "not yet stopped", duration: "----", expired: true, text: "----" },
            { tag: "not yet stopped, not expired", duration: "----", expired: false, text: "----" },
            { tag: "expired", duration: "00:45", expired: true, text: "Yes" },
            { tag: "taken in time", duration: "00:45", expired: false, text: "No" },
        ]
    }
    function test_discardedText(data) {
        giveRows([{ name: "P", date: "01/01", time: "10:00", duration: data.duration, expired: data.expired, bin: 0 }])
        var page = makePage()
        completeRead(page)
        compare(shown(page, 0).expired, data.text)
        compare(shown(page, 0).duration, data.duration)
    }

    // Driven tick by tick: 1000 rows a tick, the busy wheel stopped with the
    // timer once every row is in.
    function test_copiesInSlices_data() {
        return [
            { tag: "2500 rows", rows: 2500, counts: [1000, 2000, 2500] },
            { tag: "exactly 2000", rows: 2000, counts: [1000, 2000] },
            { tag: "empty log", rows: 0, counts: [0] },
        ]
    }
    function test_copiesInSlices(data) {
        var busy = createTemporaryObject(busyHost, testCase)
        giveRows(holds(data.rows))
        var page = makePage({ busyIndicator: busy })
        busy.show().start(page.readBusyMs)
        haccpController.retrieveHaccpDataDone("")
        page.loadTimer.stop()
        var list = child(page, "haccpLogList")
        for (var t = 0; t < data.counts.length; ++t) {
            page.loadTimer.start()
            page.loadTimer.triggered()
            compare(list.count, data.counts[t], "after tick " + (t + 1))
            var last = t === data.counts.length - 1
            compare(page.loadTimer.running, !last, "timer after tick " + (t + 1))
            compare(busy.visible, !last, "busy wheel after tick " + (t + 1))
        }
        compare(child(page, "numberOfRecords").text, String(data.rows))
        if (data.rows > 0)
            compare(shown(page, data.rows - 1).prodName, "Product " + (data.rows - 1))
    }

    // A new read replaces the rows and goes back to the top.
    function test_newReadReplacesRows() {
        giveRows(holds(40))
        var page = makePage()
        completeRead(page)
        var list = child(page, "haccpLogList")
        list.positionViewAtEnd()
        verify(list.contentY > list.originY)
        giveRows(holds(5))
        completeRead(page)
        compare(list.count, 5)
        compare(list.contentY, list.originY)
    }

    function test_refreshAndShowAll() {
        var busy = createTemporaryObject(busyHost, testCase)
        giveRows(holds(250), 300)
        var page = makePage({ busyIndicator: busy })
        completeRead(page)
        var list = child(page, "haccpLogList")
        var showAll = child(page, "showAllButton")
        // Only at the end of the list.
        verify(!showAll.visible)
        list.positionViewAtEnd()
        tryCompare(showAll, "visible", true)

        tap(showAll)
        compare(callLog.argsOf("haccpController.retrieveAllHaccpData"), [[true]])
        verify(page.itemModified)
        verify(busy.visible)
        compare(busy.item.maxTime, 120000)
        giveRows(holds(300), 300)
        completeRead(page)
        verify(!busy.visible)
        compare(list.count, 300)
        list.positionViewAtEnd()
        // Everything is shown: nothing more to ask for.
        verify(!showAll.visible)

        tap(child(page, "refreshButton"))
        compare(callLog.argsOf("haccpController.retrieveAllHaccpData"), [[true], [false]])
        verify(!page.itemModified)
        verify(busy.visible)
    }

    function test_scrollHandleFollowsAndScrolls() {
        giveRows(holds(250))
        var page = makePage()
        completeRead(page)
        var list = child(page, "haccpLogList")
        var handle = child(page, "haccpLogScrollHandle")
        // A long list: the handle keeps its least height and shifts by a third of it.
        compare(handle.height, 30)
        compare(page.scrollShift, 10)
        compare(handle.y, list.y - 10)
        mouseDrag(handle, handle.width / 2, handle.height / 2, 0, list.height / 2)
        verify(list.contentY > list.originY + list.contentHeight / 4, "the list did not follow the handle")
        compare(page.scrollActive, false)
    }

    property var window: null
    function cleanup() {
        if (window)
            window.destroy()
        window = null
    }
    // ------------------------------------------------------------------
    // In the service list of the main window.

    function openServiceList(portrait) {
        cabinetManager.orientationPortrait = portrait
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        tryCompare(window.contentItem, "width", window.width)
        child(window.contentItem, "mainPanel").showHomeScreen()
        child(window.contentItem, "homeScreen").showSettingsPanel()
        tryCompare(host("bwi"), "visible", false, 2000)
        return child(window.contentItem, "settingsPanel")
    }
    function host(name) {
        var panel = child(window.contentItem, "mainPanel")
        for (var i = 0; i < panel.children.length; ++i)
            if (panel.children[i].name === name)
                return panel.children[i]
        verify(false, "no host for " + name)
    }
    function listedPages() {
        var list = child(window.contentItem, "pageList")
        var names = []
        for (var i = 0; i < list.count; ++i)
            names.push(list.model.get(i).objectName)
        return names
    }
    function showHoldingLog() {
        var list = child(window.contentItem, "pageList")
        list.currentIndex = listedPages().indexOf("haccpLogPanel")
        compare(list.currentItem.objectName, "haccpLogPanel")
        tryVerify(function () { return Math.abs(list.currentItem.x) < 0.5 }, 2000, "the page did not come into place")
        return list.currentItem
    }

    function test_listedOnlyWhileLogging() {
        var serviceList = openServiceList(false)
        verify(listedPages().indexOf("haccpLogPanel") < 0)
        cabinetManager.haccpEnabled = true
        var listed = listedPages()
        verify(listed.indexOf("errorLogPanel") >= 0)
        compare(listed[listed.indexOf("errorLogPanel") + 1], "haccpLogPanel")
        compare(serviceList.haccpLogPanel.itemName, "HaccpLogPanel")
        cabinetManager.haccpEnabled = false
        verify(listedPages().indexOf("haccpLogPanel") < 0)
        verify(!serviceList.haccpLogPanel.visible)
        compare(callLog.count("haccpController.retrieveAllHaccpData"), 0)
    }

    function test_readEachTimeItComesIntoView() {
        cabinetManager.haccpEnabled = true
        giveRows(holds(250), 300)
        var serviceList = openServiceList(false)
        compare(callLog.count("haccpController.retrieveAllHaccpData"), 0)
        var page = showHoldingLog()
        compare(callLog.argsOf("haccpController.retrieveAllHaccpData"), [[false]])
        verify(host("bwi").visible)
        compare(host("bwi").item.maxTime, 120000)
        completeRead(page)
        verify(!host("bwi").visible)
        compare(child(page, "haccpLogList").count, 250)

        // After Show All the list can still be left: the page shows no changes.
        child(page, "haccpLogList").positionViewAtEnd()
        tryCompare(child(page, "showAllButton"), "visible", true)
        tap(child(page, "showAllButton"))
        verify(page.itemModified)
        verify(child(window.contentItem, "returnButton").enabled)
        // Hidden, it is no longer modified; shown again on it, it reads anew.
        host("settingsPanel").visible = false
        verify(!page.itemModified)
        host("settingsPanel").visible = true
        showHoldingLog()
        compare(callLog.argsOf("haccpController.retrieveAllHaccpData"), [[false], [true], [false]])
    }

    function test_screenshots_data() {
        return [
            { tag: "landscape", portrait: false },
            { tag: "portrait", portrait: true },
        ]
    }
    function test_screenshots(data) {
        cabinetManager.haccpEnabled = true
        cabinetManager.traysPerZone = 4
        cabinetManager.zonesPerRow = 1
        cabinetManager.numberOfRows = 5
        giveRows(holds(250), 1300)
        openServiceList(data.portrait)
        var page = showHoldingLog()
        completeRead(page)
        child(page, "haccpLogList").positionViewAtEnd()
        tryCompare(child(page, "showAllButton"), "visible", true)
        waitForRendering(window.contentItem)
        verify(screenshots.saveUpright(child(window.contentItem, "mainPanel"), "holdinglog-" + data.tag) !== "")
    }
}
