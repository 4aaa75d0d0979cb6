import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml"
import "qrc:///qml/errorControl"
import "qrc:///qml/widgets"

// The "Errors Log" page, its frame and its place in the service list, and
// screenshots of it in the main window.
TestCase {
    id: testCase
    name: "ErrorLog"
    when: windowShown
    visible: true
    width: 800
    height: 480

    property var window: null

    Component {
        id: pageComponent
        ErrorLogPanel {
            width: 800
            height: 480
        }
    }
    // The window's shared question: kept once made, so a test can answer it
    // again after the page has had its answer.
    Component {
        id: questionHost
        ScreenHost {
            AcceptCancelDialog { }
        }
    }
    Component {
        id: busyHost
        ScreenHost {
            releasedWhenHidden: true
            BusyWaitIndicator { }
        }
    }
    Component {
        id: listComponent
        ServiceListView {
            visible: false
        }
    }
    Component { id: spy; SignalSpy {} }

    function init() {
        verify(harness.reset())
        harness.setScaling(1.0, 1.0)
    }
    function cleanup() {
        if (window)
            window.destroy()
        window = null
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
    function spyOn(target, signalName) {
        return createTemporaryObject(spy, testCase, { target: target, signalName: signalName })
    }
    // The calls the screens made on the error controller, in order.
    function errorCalls() {
        return callLog.names().filter(function (n) { return n.indexOf("kivErrorController.") === 0 })
    }
    function tap(item) {
        mouseClick(item, item.width / 2, item.height / 2)
    }
    // Newest first, as the worker gives them.
    function addRows(count) {
        for (var i = 0; i < count; ++i)
            kivErrorController.errorInfoModel.append({
                date: "2024/01/" + (31 - i % 28),
                time: "09:" + (10 + i % 50) + ":05",
                codes: "2.0." + (i % 20) + ".0",
                desc: "Temperature sensor " + (i % 20) + " shorted."
            })
    }
    function makePage(properties) {
        var page = createTemporaryObject(pageComponent, testCase, properties || {})
        verify(page)
        return page
    }

    function test_listsTheRows() {
        addRows(3)
        var page = makePage()
        var list = child(page, "errorLogList")
        compare(list.count, 3)
        list.currentIndex = 0
        compare(list.currentItem.itemNumber, 1)
        compare(list.currentItem.date, "2024/01/31")
        compare(list.currentItem.idNumber, "2.0.0.0")
        compare(list.currentItem.errorName, "Temperature sensor 0 shorted.")
        compare(child(page, "numberOfRecords").text, "3")
        compare(page.firstTimeStamp, "")
        compare(page.lastTimeStamp, "")
        // A report raises the count at once.
        kivErrorController.errorsLogListCount = 4
        compare(child(page, "numberOfRecords").text, "4")
        compare(list.count, 3)
    }

    function test_buttons_data() {
        return [
            { tag: "locked", locked: true, rows: 2, refresh: false, clear: false },
            { tag: "unlocked", locked: false, rows: 2, refresh: true, clear: true },
            { tag: "unlocked, empty", locked: false, rows: 0, refresh: true, clear: false },
        ]
    }
    function test_buttons(data) {
        addRows(data.rows)
        var page = makePage({ lockLevel: 2, itemLocked: data.locked })
        compare(child(page, "refreshButton").enabled, data.refresh)
        compare(child(page, "clearAllButton").enabled, data.clear)
        tap(child(page, "refreshButton"))
        compare(callLog.count("kivErrorController.retrieveAllErrorLogs"), data.refresh ? 1 : 0)
    }

    function test_refreshReadsAfresh() {
        var page = makePage({ itemLocked: false })
        tap(child(page, "refreshButton"))
        compare(errorCalls(), ["kivErrorController.clearErrorLogList", "kivErrorController.retrieveAllErrorLogs"])
    }

    function test_clearAll_data() {
        return [
            { tag: "accept", button: "acceptButton",
              calls: ["kivErrorController.deleteAllErrorLogs", "kivErrorController.clearErrorLogList"] },
            { tag: "cancel", button: "cancelButton", calls: [] },
        ]
    }
    function test_clearAll(data) {
        addRows(2)
        var page = makePage({ itemLocked: false })
        // Above the page, as in the window.
        var question = createTemporaryObject(questionHost, testCase)
        page.questionDialog = question
        var accepted = spyOn(page, "acceptDelete")
        var cancelled = spyOn(page, "cancelDelete")
        tap(child(page, "clearAllButton"))
        var dialog = question.item
        verify(dialog && dialog.visible)
        compare(dialog.theTitle, "Clearing All Error Logs")
        compare(dialog.theText, "Continue or Cancel")
        tap(child(dialog, data.button))
        verify(!dialog.visible)
        compare(errorCalls(), data.calls)
        compare(accepted.count + cancelled.count, 1)
        // The page has let go of the dialog: another caller's answer is not
        // taken for its own.
        question.show()
        dialog.accepted()
        dialog.cancelled()
        compare(errorCalls(), data.calls)
        compare(accepted.count + cancelled.count, 1)
    }

    // The frame's PIN request: a tap on nothing on a locked page that has a
    // lock level, not on its right edge; the frame shows while unlocked.
    function test_pinRequest_data() {
        return [
            { tag: "locked", lockLevel: 2, locked: true, x: 400, asks: 1, frame: false },
            { tag: "on the right edge", lockLevel: 2, locked: true, x: 797, asks: 0, frame: false },
            { tag: "never unlocked", lockLevel: -1, locked: true, x: 400, asks: 0, frame: false },
            { tag: "unlocked", lockLevel: 2, locked: false, x: 400, asks: 0, frame: true },
            { tag: "no lock", lockLevel: 0, locked: true, x: 400, asks: 0, frame: false },
        ]
    }
    function test_pinRequest(data) {
        var page = makePage({ lockLevel: data.lockLevel, itemLocked: data.locked })
        var asked = spyOn(page, "askForPinPad")
        // Below the title, beside the header: on nothing.
        mouseClick(page, data.x, 5)
        compare(asked.count, data.asks)
        compare(child(page, "lockFrame").visible, data.frame)
        // A disabled button takes no touch either.
        if (data.asks) {
            tap(child(page, "refreshButton"))
            compare(asked.count, 2)
        }
    }

    function test_scrollHandle() {
        addRows(40)
        var page = makePage()
        var list = child(page, "errorLogList")
        var handle = child(page, "errorLogScrollHandle")
        verify(handle.visible)
        compare(handle.opacity, 0.5)
        verify(handle.height < list.height)
        // Dragged to the bottom, it scrolls the list to its end.
        mouseDrag(handle, handle.width / 2, handle.height / 2, 0, list.height)
        verify(list.atYEnd)
        compare(handle.color, "#808080")
        list.positionViewAtBeginning()
        tryCompare(handle, "y", list.y)
    }

    // A long name is cut short beside the handle, not drawn under it, in
    // either reading direction and either width.
    function test_longNameClearsTheHandle_data() {
        return [
            { tag: "landscape", width: 800, rightToLeft: false },
            { tag: "portrait", width: 480, rightToLeft: false },
            { tag: "right-to-left", width: 800, rightToLeft: true },
        ]
    }
    function test_longNameClearsTheHandle(data) {
        kivErrorController.errorInfoModel.append({ date: "2024/02/02", time: "14:45:10", codes: "8.3.8.0",
            desc: "Checksum of the downloaded file does not match with the specified checksum." })
        addRows(40)
        var page = makePage({ width: data.width, rightToLeft: data.rightToLeft })
        var list = child(page, "errorLogList")
        var handle = child(page, "errorLogScrollHandle")
        verify(handle.visible)
        // The row places its cells when the window is next drawn.
        waitForRendering(list)
        var cell = child(list.itemAtIndex(0), "errorNameCell")
        verify(cell.truncated)
        verify(cell.x > 0 || data.rightToLeft)
        var left = cell.mapToItem(handle.parent, 0, 0).x
        var right = cell.mapToItem(handle.parent, cell.width, 0).x
        if (data.rightToLeft)
            verify(left >= handle.x + handle.width, left + " overlaps the handle")
        else
            verify(right <= handle.x, right + " overlaps the handle at " + handle.x)
        verify(right - left > 150)
    }

    function test_serviceListPlacesThePage_data() {
        return [
            { tag: "primary", primary: true, lockLevel: 2 },
            { tag: "other display", primary: false, lockLevel: -1 },
        ]
    }
    // Opens the list and brings the error log into view.
    function enterErrorLog(list) {
        list.visible = true
        var pages = child(list, "pageList")
        for (var i = 0; i < pages.count; ++i)
            if (pages.model.get(i).objectName === "errorLogPanel")
                pages.currentIndex = i
        compare(pages.currentItem.objectName, "errorLogPanel")
    }
    function test_serviceListPlacesThePage(data) {
        cabinetManager.iAmMaster = data.primary
        var busy = createTemporaryObject(busyHost, testCase)
        var list = createTemporaryObject(listComponent, testCase, { busyIndicator: busy, width: 800, height: 480 })
        var page = child(list, "errorLogPanel")
        compare(page.itemName, "ErrorsLogPanel")
        compare(page.lockLevel, data.lockLevel)
        verify(page.itemLocked)
        compare(errorCalls(), [])

        // Opening the list on another page reads nothing.
        list.visible = true
        verify(!page.itemActive)
        compare(errorCalls(), [])
        list.visible = false

        // Becoming current: the busy wheel for 300 ms and the logs read anew.
        enterErrorLog(list)
        verify(page.visible && page.itemActive)
        compare(errorCalls(), ["kivErrorController.clearErrorLogList", "kivErrorController.retrieveAllErrorLogs"])
        // Left and entered again within the guard's 30 ms: read once.
        list.visible = false
        enterErrorLog(list)
        compare(callLog.count("kivErrorController.retrieveAllErrorLogs"), 1)
        verify(busy.visible)
        compare(busy.item.maxTime, 300)
        tryCompare(busy, "visible", false, 1000)
        list.visible = false
        enterErrorLog(list)
        compare(callLog.count("kivErrorController.retrieveAllErrorLogs"), 2)
    }

    // ------------------------------------------------------------------
    // In the main window, for a person to look at.

    function showInWindow(portrait) {
        cabinetManager.orientationPortrait = portrait
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        tryCompare(window.contentItem, "width", window.width)
        var list = host("settingsPanel").show()
        var pages = child(list, "pageList")
        for (var i = 0; i < pages.count; ++i)
            if (pages.model.get(i).objectName === "errorLogPanel")
                pages.currentIndex = i
        var page = pages.currentItem
        compare(page.objectName, "errorLogPanel")
        verify(page.visible)
        // The busy wheel of the entry has gone.
        verify(host("bwi").visible)
        tryCompare(host("bwi"), "visible", false, 1000)
        tryVerify(function () { return Math.abs(page.x) < 0.5 }, 2000, "the page did not come into place")
        return page
    }
    function host(name) {
        var panel = child(window.contentItem, "mainPanel")
        for (var i = 0; i < panel.children.length; ++i)
            if (panel.children[i].name === name)
                return panel.children[i]
        verify(false, "no host for " + name)
    }
    function shoot(name) {
        waitForRendering(window.contentItem)
        // Turned upright, as a person reads a portrait display.
        var path = screenshots.saveUpright(child(window.contentItem, "mainPanel"), name)
        verify(path !== "", "no screenshot of " + name)
        return path
    }
    function test_screenshots_data() {
        return [
            { tag: "landscape", portrait: false, language: 0 },
            { tag: "portrait", portrait: true, language: 0 },
            { tag: "right-to-left", portrait: false, language: 11 },
        ]
    }
    function test_screenshots(data) {
        tro.languageId = data.language
        // Newest first: names of every length, the longest cut short.
        var model = kivErrorController.errorInfoModel
        model.append({ date: "2024/02/02", time: "14:45:10", codes: "8.3.8.0",
                       desc: "Checksum of the downloaded file does not match with the specified checksum." })
        model.append({ date: "2024/02/01", time: "07:02:59", codes: "5.2.0.0",
                       desc: "NFC board 2 communication loss." })
        model.append({ date: "2024/02/01", time: "06:58:00", codes: "4.3.1.9",
                       desc: "Unexpected UI reboot detected." })
        addRows(27)
        var page = showInWindow(data.portrait)
        page.itemLocked = false
        compare(window.isLanguageRightToLeft(), data.language === 11)
        compare(page.rightToLeft, data.language === 11)
        shoot("errorlog-" + data.tag)
        if (data.tag !== "landscape")
            return
        tap(child(page, "clearAllButton"))
        var dialog = child(window.contentItem, "acceptCancelDialog")
        verify(dialog.visible)
        shoot("errorlog-delete-question")
        tap(child(dialog, "acceptButton"))
        compare(callLog.count("kivErrorController.deleteAllErrorLogs"), 1)
    }
}
