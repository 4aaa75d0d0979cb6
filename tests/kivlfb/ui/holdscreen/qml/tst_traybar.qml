import QtQuick 2.15
import QtTest 1.15
import TrayBarSc 1.0

// TestCase itself is never visible: the bars are made in this item.
Item {
    id: stage
    width: 800
    height: 480

TestCase {
    id: testCase
    name: "TrayBar"
    when: windowShown

    property var bar: null
    property var tray: null

    SignalSpy { id: clickedSpy; signalName: "userClicked" }
    SignalSpy { id: cancelSpy; signalName: "userCancel" }
    SignalSpy { id: subProductSpy; signalName: "subProductSelected" }

    function makeBar(trayProps, barWidth) {
        tray = Qt.createComponent("qrc:///kivharness/MockTray.qml").createObject(testCase, {
            log: callLog, objectName: "tbsc3", binNumber: 3, productId: 7, productName: "Patty"
        })
        for (var key in trayProps)
            tray[key] = trayProps[key]
        var component = Qt.createComponent("qrc:///qml/TrayBar.qml")
        compare(component.status, Component.Ready, component.errorString())
        bar = component.createObject(stage, { trayObject: tray, width: barWidth || 300, height: 80 })
        verify(bar)
        clickedSpy.target = bar
        cancelSpy.target = bar
        subProductSpy.target = bar
        return bar
    }
    function child(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = child(item.children[i], name)
            if (found)
                return found
        }
        return null
    }
    function tapChild(name) {
        var item = child(bar, name)
        verify(item, "no item named " + name)
        mouseClick(item, item.width / 2, item.height / 2)
    }

    function init() {
        verify(harness.reset())
        clickedSpy.clear()
        cancelSpy.clear()
        subProductSpy.clear()
    }
    function cleanup() {
        if (bar)
            bar.destroy()
        if (tray)
            tray.destroy()
        bar = null
        tray = null
    }

    function test_formatTime_data() {
        return [
            { tag: "ten minutes", t: 600, scale: true, text: "0:10" },
            { tag: "under ten minutes", t: 599, scale: true, text: "9:59" },
            { tag: "past expiry", t: -75, scale: true, text: "1:15" },
            { tag: "a day", t: 86400, scale: true, text: "??:??" },
            { tag: "more than a day back", t: -90000, scale: true, text: "??:??" },
            { tag: "45 minutes", t: 2700, scale: true, text: "0:45" },
            { tag: "2 h 5 min", t: 7500, scale: true, text: "2:05" },
            { tag: "preset keeps h:mm", t: 570, scale: false, text: "0:09" },
            { tag: "zero", t: 0, scale: true, text: "0:00" },
            { tag: "not a number", t: NaN, scale: true, text: "??:??" },
        ]
    }
    function test_formatTime(data) {
        makeBar({})
        compare(bar.formatTime(data.t, data.scale), data.text)
    }

    // The look of each tray state: background, label and suffix.
    function test_lookByState_data() {
        return [
            { tag: "ready", s: TrayBarSchart.TRAY_STATE_READY2HOLD, look: "readyToHold",
              background: "#d5d5d5", label: "Patty", suffix: "" },
            { tag: "ready with preset", s: TrayBarSchart.TRAY_STATE_READY2HOLD, preset: 5400,
              look: "startingTimer", background: "#000000", label: "1:30", suffix: "" },
            { tag: "ready group", s: TrayBarSchart.TRAY_STATE_READY2HOLD, group: 4, look: "groupReadyToHold",
              background: "#d5d5d5", label: "", suffix: "" },
            { tag: "holding", s: TrayBarSchart.TRAY_STATE_STANDARD, remaining: 600, look: "holding",
              background: "#ffffff", label: "Patty", suffix: "-0:10" },
            { tag: "warning", s: TrayBarSchart.TRAY_STATE_WARNING, remaining: 599, look: "warning",
              background: "#ffff00", label: "Patty", suffix: "-9:59" },
            { tag: "discard", s: TrayBarSchart.TRAY_STATE_DISCARD, remaining: -75, look: "discard",
              background: "#ff0000", label: "Patty", suffix: "+1:15" },
            { tag: "discard flashing", s: TrayBarSchart.TRAY_STATE_DISCARD, remaining: -75, flash: true,
              look: "discard", background: "#ff0000", label: "DISCARD!", suffix: "" },
            { tag: "preheating", s: TrayBarSchart.TRAY_STATE_PREHEATING, look: "preheating",
              background: "#ffff00", label: "Patty", suffix: "" },
            { tag: "waiting", s: TrayBarSchart.TRAY_STATE_WAITING, look: "waiting",
              background: "#000000", label: "Waiting", suffix: "" },
            { tag: "holding off", s: TrayBarSchart.TRAY_STATE_HOLDINGOFF, look: "",
              background: "#d5d5d5", label: "", suffix: "" },
        ]
    }
    function test_lookByState(data) {
        configManager.productDiscardFlash = data.flash === true
        makeBar({ trayState: data.s, holdTime: 1200, remainingTime: data.remaining || 0,
                  holdTimePreSet: data.preset || 0, groupID: data.group || 0 })
        compare(bar.state, data.look)
        compare(String(bar.backgroundColor), data.background)
        compare(bar.labelText, data.label)
        compare(bar.suffixText, data.suffix)
        compare(child(bar, "groupCarousel").visible, data.look === "groupReadyToHold")
        compare(child(bar, "discardFlashLayer").visible, data.flash === true)
    }

    // Widths are kept inside the bar whatever the tray reports.
    function test_remainingBar_data() {
        return [
            { tag: "half", hold: 600, remaining: 300, width: 150 },
            { tag: "full", hold: 600, remaining: 600, width: 300 },
            { tag: "past expiry", hold: 600, remaining: -20, width: 0 },
            { tag: "more than the hold", hold: 600, remaining: 900, width: 300 },
        ]
    }
    function test_remainingBar(data) {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_STANDARD, holdTime: data.hold, remainingTime: data.remaining })
        compare(bar.remainingBarWidth, data.width)
    }
    function test_remainingBarKeepsWidthWithoutHoldTime() {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_STANDARD, holdTime: 600, remainingTime: 200 })
        compare(bar.remainingBarWidth, 100)
        tray.holdTime = 0
        tray.remainingTime = 100
        compare(bar.remainingBarWidth, 100)
        tray.holdTime = 400
        compare(bar.remainingBarWidth, 75)
    }
    function test_preheatBar_data() {
        return [
            { tag: "half way", hold: 200, actual: 100, width: 186 },
            { tag: "no hold temperature", hold: 0, actual: 120, width: 300 },
            { tag: "nothing known", hold: 0, actual: 0, width: 36 },
            { tag: "over target", hold: 100, actual: 180, width: 300 },
            { tag: "negative reading", hold: 100, actual: -200, width: 0 },
        ]
    }
    function test_preheatBar(data) {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_PREHEATING, holdTemperature: data.hold,
                  actualTemperature: data.actual })
        compare(bar.preheatBarWidth, data.width)
        verify(child(bar, "preheatBar").visible)
    }

    function test_timerColours_data() {
        return [
            { tag: "both switches on", cabinet: true, config: true, back: "#123456", expect: "#123456" },
            { tag: "cabinet switch off", cabinet: false, config: true, back: "#123456", expect: "#00ff00" },
            { tag: "config switch off", cabinet: true, config: false, back: "#123456", expect: "#00ff00" },
            { tag: "no colour for the product", cabinet: true, config: true, back: "#fffffd", expect: "#00ff00" },
        ]
    }
    function test_timerColours(data) {
        cabinetManager.timerColorEnable = data.cabinet
        configManager.timerColorStatus = data.config
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, timerBackColor: data.back, timerForeColor: "#654321" })
        compare(String(bar.timerBackColor), data.expect)
        // The side strips show only a real timer colour.
        compare(child(bar, "leftStrip").visible, data.expect !== "#00ff00")
    }

    function test_clickOutsideHoldingStartsHold() {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_READY2HOLD })
        tapChild("barArea")
        compare(clickedSpy.count, 1)
        verify(!bar.cancelPanelOpen)
    }
    // A touch on a running hold only asks; the tick stops it, the cross or
    // 3 s of nothing leave it running.
    function test_resetNeedsTheTick() {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_STANDARD, holdTime: 600, remainingTime: 500 })
        tapChild("barArea")
        verify(bar.cancelPanelOpen)
        compare(clickedSpy.count, 0)
        tapChild("cancelReject")
        verify(!bar.cancelPanelOpen)
        compare(cancelSpy.count, 0)

        tapChild("barArea")
        tapChild("cancelAccept")
        compare(cancelSpy.count, 1)
        verify(!bar.cancelPanelOpen)
        compare(clickedSpy.count, 0)
    }
    function test_resetPanelTimesOut() {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_WARNING, holdTime: 600, remainingTime: 50 })
        tapChild("barArea")
        verify(bar.cancelPanelOpen)
        wait(2500)
        verify(bar.cancelPanelOpen)
        tryCompare(bar, "cancelPanelOpen", false, 1500)
        compare(cancelSpy.count, 0)
    }
    function test_resetPanelCloses_data() {
        return [
            { tag: "back to ready", change: function (t) { t.trayState = TrayBarSchart.TRAY_STATE_READY2HOLD } },
            { tag: "time ran out", change: function (t) { t.remainingTime = 0 } },
            { tag: "tray says so", change: function (t) { t.closeCancelPanel() } },
        ]
    }
    function test_resetPanelCloses(data) {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_STANDARD, holdTime: 600, remainingTime: 400 })
        tapChild("barArea")
        verify(bar.cancelPanelOpen)
        data.change(tray)
        verify(!bar.cancelPanelOpen)
    }

    function test_pressAndHoldAsksForTransfer_data() {
        return [
            { tag: "touch transfer off", enabled: false, calls: 0 },
            { tag: "touch transfer on", enabled: true, calls: 1 },
        ]
    }
    function test_pressAndHoldAsksForTransfer(data) {
        cabinetManager.touchBasedTransfer = data.enabled
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, groupIndex: 0 })
        var area = child(bar, "barArea")
        mousePress(area, 20, 20)
        wait(900)
        mouseRelease(area, 20, 20)
        compare(callLog.count("cabinetManager.showProductTransferWindow"), data.calls)
        if (data.calls)
            compare(callLog.argsOf("cabinetManager.showProductTransferWindow")[0], [3, 0, 7])
        compare(clickedSpy.count, 0)
    }

    function test_noTagMarker_data() {
        return [
            { tag: "holding without tag", s: TrayBarSchart.TRAY_STATE_STANDARD, nfc: true, pan: "", shown: true },
            { tag: "holding with tag", s: TrayBarSchart.TRAY_STATE_STANDARD, nfc: true, pan: "0x12", shown: false },
            { tag: "no NFC", s: TrayBarSchart.TRAY_STATE_STANDARD, nfc: false, pan: "", shown: false },
            { tag: "ready", s: TrayBarSchart.TRAY_STATE_READY2HOLD, nfc: true, pan: "", shown: false },
            { tag: "waiting", s: TrayBarSchart.TRAY_STATE_WAITING, nfc: true, pan: "", shown: false },
            { tag: "zone mismatch", s: TrayBarSchart.TRAY_STATE_DISCARD, nfc: true, pan: "", mismatch: true, shown: false },
        ]
    }
    function test_noTagMarker(data) {
        cabinetManager.nfcEnabled = data.nfc
        makeBar({ trayState: data.s, panIdStr: data.pan })
        bar.zoneMismatchErrorActive = data.mismatch === true
        compare(child(bar, "noTagMarker").visible, data.shown)
    }

    function test_mismatchReasons() {
        makeBar({})
        compare(bar.getMisMatchReasonString(1), "Product Mismatch")
        compare(bar.getMisMatchReasonString(2), "Menu Mismatch")
        compare(bar.getMisMatchReasonString(3), "Invalid product definition")
        compare(bar.getMisMatchReasonString(0), "")
        compare(bar.getMisMatchReasonString(9), "")
        bar.notifyProductChange()
        verify(bar.mismatchPanelOpen)
        bar.notifyProductChangeCancel()
        verify(!bar.mismatchPanelOpen)
    }

    // A group's carousel wraps: copies of the last and first product stand
    // at the ends, and one dot per product.
    function test_groupCarousel_data() {
        return [
            { tag: "three products", ids: [11, 12, 13], count: 5, dots: 3, swipes: true },
            { tag: "one product", ids: [11], count: 3, dots: 1, swipes: false },
            { tag: "no products", ids: [], count: 0, dots: 0, swipes: false },
        ]
    }
    function test_groupCarousel(data) {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, groupID: 4, groupPList: data.ids })
        var carousel = bar.carousel
        compare(carousel.view.count, data.count)
        compare(carousel.productCount, data.dots)
        compare(carousel.view.interactive, data.swipes)
        if (data.count > 0) {
            compare(carousel.view.model.get(0).productId, data.ids[data.ids.length - 1])
            compare(carousel.view.model.get(data.count - 1).productId, data.ids[0])
        }
    }
    function test_groupCarouselFollowsTheTray() {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, groupID: 4, groupPList: [11, 12, 13], groupIndex: 0 })
        tryCompare(bar.carousel, "currentIndex", 1)
        subProductSpy.clear()
        // Moving to a product reports its place in the group.
        bar.carousel.positionAt(3)
        compare(subProductSpy.count, 1)
        compare(subProductSpy.signalArguments[0][0], 2)
        compare(bar.carousel.currentDot(), 2)
        // The trailing copy of the first product lights the first dot.
        bar.carousel.positionAt(4)
        compare(bar.carousel.currentDot(), 0)
        // The tray moving to another product turns the carousel there.
        tray.groupIndex = 1
        compare(bar.carousel.currentIndex, 2)
        // Swiping is blocked and freed by the tray.
        tray.disableGroupSelectionSignal()
        verify(!bar.carousel.view.interactive)
        tray.goToHold()
        verify(bar.carousel.view.interactive)
    }
    function test_groupCarouselClick() {
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, groupID: 4, groupPList: [11, 12, 13] })
        tryCompare(bar.carousel, "currentIndex", 1)
        bar.carousel.positionAt(2)
        subProductSpy.clear()
        var list = child(bar, "carouselList")
        mouseClick(list, list.width / 2, list.height / 2)
        compare(subProductSpy.count, 1)
        compare(subProductSpy.signalArguments[0][0], 1)
        compare(clickedSpy.count, 1)
    }
    function test_splitView() {
        configManager.splitViewEnabled = true
        menuManager.groups = { 4: [21, 22] }
        makeBar({ trayState: TrayBarSchart.TRAY_STATE_READY2HOLD, groupID: 4, groupPList: [21, 22] })
        verify(child(bar, "splitHalves").visible)
        tapChild("splitHalf1")
        compare(subProductSpy.count, 1)
        compare(subProductSpy.signalArguments[0][0], 1)
        compare(clickedSpy.count, 1)
    }
}
}
