import QtQuick 2.15
import QtTest 1.15
import CabinetManagerDefs 1.0
import KivDefs 1.0
import TrayBarSc 1.0

// TestCase itself is never visible: the zones are made in this item.
Item {
    id: stage
    width: 800
    height: 480

TestCase {
    id: testCase
    name: "ZoneView"
    when: windowShown

    property var view: null

    SignalSpy { id: messageSpy; signalName: "messageRequested" }

    // A cabinet of rows x zonesPerRow zones; the view shows zone `zone`.
    function makeZone(rows, zonesPerRow, traysPerZone, zone, viewProps) {
        cabinetManager.pressGoDockPosition = CabmgrDefs.PG_DOCK_POSITION_BOTTOM
        cabinetManager.uiTrayHeight = 90
        cabinetManager.buildCabinet(rows, zonesPerRow, traysPerZone)
        var component = Qt.createComponent("qrc:///qml/ZoneView.qml")
        compare(component.status, Component.Ready, component.errorString())
        var props = { zoneObject: cabinetManager.zonesModelList[zone || 0] }
        for (var key in viewProps)
            props[key] = viewProps[key]
        view = component.createObject(stage, props)
        verify(view)
        messageSpy.target = view
        return view
    }
    function trays() { return view.zoneObject.traysListProperty }
    function fill(index, props) {
        var tray = trays()[index]
        for (var key in props)
            tray[key] = props[key]
        return tray
    }
    function bin(index) { return view.trayRepeater.itemAt(index) }
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
    function tap(item) {
        verify(item)
        mouseClick(item, item.width / 2, item.height / 2)
    }

    function init() {
        verify(harness.reset())
        messageSpy.clear()
    }
    function cleanup() {
        if (view)
            view.destroy()
        view = null
    }

    function test_zoneWidth_data() {
        return [
            { tag: "landscape, dock at the bottom", perRow: 1, dock: CabmgrDefs.PG_DOCK_POSITION_BOTTOM, width: 800 },
            { tag: "landscape, dock at the left", perRow: 1, dock: CabmgrDefs.PG_DOCK_POSITION_LEFT, grid: 710, width: 710 },
            { tag: "two per row", perRow: 2, dock: CabmgrDefs.PG_DOCK_POSITION_BOTTOM, width: 395 },
            { tag: "portrait", perRow: 1, portrait: true, width: 480 },
            { tag: "stacked", perRow: 1, layout: CabmgrDefs.ZONE_VIEW_TYPE_VSTACK, width: 350 },
            { tag: "wide portrait", perRow: 2, portrait: true, wide: true, width: 458 },
            { tag: "single-bin, even zone", perRow: 2, single: true, zone: 0, width: 800 * 2 / 3 - 5 },
            { tag: "single-bin, odd zone", perRow: 2, single: true, zone: 1, width: 800 / 3 - 5 },
            { tag: "single-bin, odd zone, wide portrait", perRow: 2, single: true, zone: 1, portrait: true,
              wide: true, width: 229 },
        ]
    }
    function test_zoneWidth(data) {
        makeZone(2, data.perRow, 2, data.zone || 0, {
            gridWidth: data.grid || 800, widePortrait: data.wide === true, grayTriangleImageWidth: 20,
            layout: data.layout || CabmgrDefs.ZONE_VIEW_TYPE_NORMAL
        })
        cabinetManager.orientationPortrait = data.portrait === true
        cabinetManager.singleBinZone = data.single ? 1 : 0
        if (data.dock !== undefined)
            cabinetManager.pressGoDockPosition = data.dock
        compare(view.calculateZoneWidth(data.portrait === true, view.layout), data.width)
        compare(view.width, Math.floor(data.width))
    }

    // Widths of the bins of one zone (800 px wide unless said), by the pans
    // they hold; -5 is a bin covered by a larger pan before it.
    function test_trayWidths_data() {
        return [
            { tag: "2 bins, both empty", perZone: 2, pans: [null, null], widths: [397, 397] },
            { tag: "2 bins, full pan", perZone: 2, pans: ["1/1", null], widths: [799, -5] },
            { tag: "2 bins, two half pans", perZone: 2, pans: ["1/2", "1/2"], widths: [397, 397] },
            { tag: "4 bins, full pan first", perZone: 4, pans: ["1/1", null, null, null], widths: [799, -5, -5, -5] },
            { tag: "4 bins, half pans", perZone: 4, pans: ["1/2", null, "1/2", null], widths: [397, -5, 397, -5] },
            { tag: "4 bins, quarter pans", perZone: 4, pans: ["1/4", null, "1/4", null], widths: [196, 196, 196, 196] },
            { tag: "4 bins, three quarters", perZone: 4, pans: ["3/4", null, null, null], widths: [598, -5, -5, 196] },
            { tag: "3 bins, one half pan", perZone: 3, pans: ["1/2", null, null], widths: [397, 397, 263] },
            { tag: "3 bins, third pans", perZone: 3, pans: ["1/3", "2/3", null], widths: [263, 531, -5] },
            { tag: "unknown pan size counts one bin", perZone: 2, pans: ["5/8", null], widths: [397, 397] },
            { tag: "shelf numbers shown", perZone: 2, pans: [null, null], shelves: true, widths: [377, 377] },
            { tag: "stacked", perZone: 2, pans: ["1/2", null], layout: CabmgrDefs.ZONE_VIEW_TYPE_VSTACK, widths: [350, 350] },
            { tag: "single-bin odd zone", perZone: 2, pans: [null, null], single: true, zone: 1,
              widths: [261, -5] },
        ]
    }
    function test_trayWidths(data) {
        cabinetManager.shelfNumbersEnable = data.shelves === true
        cabinetManager.singleBinZone = data.single ? 1 : 0
        makeZone(1, data.single ? 2 : 1, data.perZone, data.zone || 0,
                 { layout: data.layout || CabmgrDefs.ZONE_VIEW_TYPE_NORMAL })
        for (var i = 0; i < data.pans.length; ++i)
            if (data.pans[i])
                fill(i, { productId: 100 + i, panSizeX: data.pans[i] })
        for (i = 0; i < data.widths.length; ++i)
            compare(view.calcTrayWidth(i, data.perZone), data.widths[i], "bin " + i)
        // The grid follows the trays as their products change.
        compare(bin(0).width, Math.floor(data.widths[0]))
    }

    function test_pansizeTable_data() {
        return [
            { tag: "2: 1/2", n: 2, pan: "1/2", f: 1 }, { tag: "2: 1/1", n: 2, pan: "1/1", f: 2 },
            { tag: "3: 1/3", n: 3, pan: "1/3", f: 1 }, { tag: "3: 1/2", n: 3, pan: "1/2", f: 1.5 },
            { tag: "3: 2/3", n: 3, pan: "2/3", f: 2 }, { tag: "3: 1/1", n: 3, pan: "1/1", f: 3 },
            { tag: "4: 1/4", n: 4, pan: "1/4", f: 1 }, { tag: "4: 1/2", n: 4, pan: "1/2", f: 2 },
            { tag: "4: 3/4", n: 4, pan: "3/4", f: 3 }, { tag: "4: 1/1", n: 4, pan: "1/1", f: 4 },
            { tag: "2: 1/4 not made", n: 2, pan: "1/4", f: 1 }, { tag: "5 bins", n: 5, pan: "1/1", f: 1 },
        ]
    }
    function test_pansizeTable(data) {
        makeZone(1, 1, 2)
        compare(view.getTraySize(data.pan, data.n), data.f)
    }

    function test_temperatureText_data() {
        return [
            { tag: "no reading", t: 0, unit: 1, text: "---" },
            { tag: "below zero", t: -12, unit: 0, text: "---" },
            { tag: "out of range", t: 3275, unit: 1, text: "+++" },
            { tag: "just in range, F", t: 3274, unit: 0, text: "3274\u00b0F" },
            { tag: "Celsius", t: 212, unit: 1, text: "100\u00b0C" },
            { tag: "Fahrenheit", t: 170, unit: 0, text: "170\u00b0F" },
        ]
    }
    function test_temperatureText(data) {
        configManager.tempUnit = data.unit
        makeZone(1, 1, 2)
        compare(view.temperatureText(data.t), data.text)
    }
    // The left half shows the zone's second bin, the right half its first;
    // a short list from the I/O board reads as no reading.
    function test_temperatureView() {
        configManager.tempUnit = 0
        masterIOmanager.binInfoList = [{ actualTemp: 150 }, { actualTemp: 160 }, { actualTemp: 170 }, { actualTemp: 180 }]
        makeZone(2, 1, 2, 1, { tempViewEnabled: true })
        var tv = child(view, "temperatureView")
        verify(tv.visible)
        compare(child(tv, "leftTemperature").text, "180\u00b0F")
        compare(child(tv, "rightTemperature").text, "170\u00b0F")
        masterIOmanager.binInfoList = [{ actualTemp: 150 }, { actualTemp: 160 }, { actualTemp: 3300 }]
        compare(child(tv, "rightTemperature").text, "+++")
        compare(child(tv, "leftTemperature").text, "---")
        masterIOmanager.binInfoList = null
        compare(child(tv, "rightTemperature").text, "---")
    }

    function test_shelfNumber_data() {
        return [
            { tag: "counted from the top", zone: 5, perRow: 2, order: 1, start: 1, rows: 4, shelf: 3 },
            { tag: "counted from the bottom", zone: 5, perRow: 2, order: 0, start: 1, rows: 4, shelf: 4 },
            { tag: "first zone, from the top", zone: 0, perRow: 1, order: 1, start: 0, rows: 5, shelf: 5 },
            { tag: "first zone, from the bottom", zone: 0, perRow: 1, order: 0, start: 0, rows: 5, shelf: 1 },
        ]
    }
    function test_shelfNumber(data) {
        cabinetManager.shelfNumbersEnable = true
        cabinetManager.shelfNumberingOrder = data.order
        cabinetManager.startingShelfNumber = data.start
        makeZone(data.rows, data.perRow, 2, data.zone)
        compare(view.shelfText(), data.shelf)
        compare(child(view, "shelfStrip0").width, 20)
        cabinetManager.shelfNumbersEnable = false
        compare(child(view, "shelfStrip0").width, 0)
    }

    // Where a touch on a bin goes, by the tray's state, the customer and the
    // display's role.
    function test_clickRouting_data() {
        return [
            { tag: "ready", s: TrayBarSchart.TRAY_STATE_READY2HOLD, calls: ["tbsc0.userClicked"] },
            { tag: "ready on a mirror", s: TrayBarSchart.TRAY_STATE_READY2HOLD, mirror: true, calls: ["tbsc0.mirrorClicked"] },
            { tag: "preheating", s: TrayBarSchart.TRAY_STATE_PREHEATING, message: true, calls: [] },
            { tag: "preheating, customer may start", s: TrayBarSchart.TRAY_STATE_PREHEATING,
              customer: KivDefines.CUSTOMER_ID_DEZ, calls: ["tbsc0.userClicked"] },
            { tag: "preheating, other customer", s: TrayBarSchart.TRAY_STATE_PREHEATING,
              customer: KivDefines.CUSTOMER_ID_VADEV, calls: ["tbsc0.userClicked"] },
            { tag: "preheating on a mirror", s: TrayBarSchart.TRAY_STATE_PREHEATING, mirror: true, message: true, calls: [] },
            { tag: "holding only asks", s: TrayBarSchart.TRAY_STATE_STANDARD, calls: [] },
        ]
    }
    function test_clickRouting(data) {
        cabinetManager.mirrorDisplay = data.mirror === true
        cabinetManager.customerId = data.customer !== undefined ? data.customer : KivDefines.CUSTOMER_ID_GM
        makeZone(1, 1, 2)
        fill(0, { productId: 5, productName: "Nuggets", trayState: data.s, holdTime: 600, remainingTime: 300 })
        callLog.clear()
        tap(child(bin(0), "barArea"))
        compare(callLog.names(), data.calls)
        compare(messageSpy.count, data.message ? 1 : 0)
        if (data.message)
            compare(Array.prototype.slice.call(messageSpy.signalArguments[0]), ["Cannot start timers until preheat is complete", true])
    }
    function test_cancelRouting_data() {
        return [
            { tag: "primary", mirror: false, calls: ["tbsc1.cancelHolding"] },
            { tag: "mirror", mirror: true, calls: ["tbsc1.mirrorCancelHolding", "tbsc1.cancelHolding"] },
        ]
    }
    function test_cancelRouting(data) {
        cabinetManager.mirrorDisplay = data.mirror
        makeZone(1, 1, 2)
        fill(1, { productId: 5, trayState: TrayBarSchart.TRAY_STATE_WARNING, holdTime: 600, remainingTime: 30 })
        callLog.clear()
        tap(child(bin(1), "barArea"))
        compare(callLog.names(), [])
        tap(child(bin(1), "cancelAccept"))
        compare(callLog.names(), data.calls)
    }
    function test_subProductRouting_data() {
        return [
            { tag: "same product", mirror: false, pn: 0, calls: [] },
            { tag: "primary", mirror: false, pn: 2, calls: [["tbsc0.loadSubProduct", [2]], ["tbsc0.holdingActivityUpdate", [1]]] },
            { tag: "mirror", mirror: true, pn: 1, calls: [["tbsc0.mirrorSelectSubProduct", [1]]] },
        ]
    }
    function test_subProductRouting(data) {
        cabinetManager.mirrorDisplay = data.mirror
        makeZone(1, 1, 2)
        fill(0, { productId: 5, groupID: 3, groupIndex: 0, trayState: TrayBarSchart.TRAY_STATE_READY2HOLD })
        callLog.clear()
        bin(0).trayBar.subProductSelected(data.pn)
        compare(callLog.calls.map(function (c) { return [c.name, c.args] }), data.calls)
    }

    function test_binShownOnlyWithProduct() {
        makeZone(1, 1, 2)
        verify(!bin(0).trayBar.visible)
        fill(0, { productId: 9 })
        verify(bin(0).trayBar.visible)
    }

    // A mismatch reported by a tray shows on its bar, hides the eco bar and
    // the missing-tag markers of the zone, and goes with reason 0.
    function test_mismatch() {
        makeZone(1, 1, 2)
        var tray = fill(0, { productId: 5, trayState: TrayBarSchart.TRAY_STATE_STANDARD, holdTime: 60, remainingTime: 30 })
        view.zoneObject.ecoModeEnabled = true
        verify(child(view, "ecoBar").visible)
        tray.warningReason = 2
        verify(view.mismatchErrorActive)
        verify(bin(0).trayBar.mismatchPanelOpen)
        compare(bin(0).trayBar.mismatchReason, 2)
        verify(!child(view, "ecoBar").visible)
        tray.warningReason = 0
        verify(!view.mismatchErrorActive)
        verify(!bin(0).trayBar.mismatchPanelOpen)
        tray.productMismatchWarning(3)
        verify(bin(0).trayBar.mismatchPanelOpen)
        compare(bin(0).trayBar.mismatchReason, 3)
        tray.productMismatchWarningCancel()
        verify(!bin(0).trayBar.mismatchPanelOpen)
    }

    function test_ecoAndOffBar_data() {
        return [
            { tag: "eco", eco: true, off: false, question: "Exit Eco Mode?",
              calls: [["cabinetManager.sendZoneEcoModeToRemoteDisplay", [1, false]]] },
            { tag: "off", eco: false, off: true, question: "Power On?",
              calls: [["cabinetManager.sendZoneOffModeToRemoteDisplay", [1, false]]] },
        ]
    }
    function test_ecoAndOffBar(data) {
        makeZone(1, 2, 2, 1)
        view.zoneObject.ecoModeEnabled = data.eco
        view.zoneObject.heatOffEnabled = data.off
        var bar = child(view, "ecoBar")
        verify(bar.visible)
        callLog.clear()
        // The cross only closes the question.
        tap(child(bar, "ecoBarArea"))
        verify(view.ecoConfirmOpen)
        compare(child(bar, "ecoConfirm").text, data.question)
        tap(child(child(bar, "ecoConfirm"), "confirmReject"))
        verify(!view.ecoConfirmOpen)
        compare(callLog.names(), [])
        tap(child(bar, "ecoBarArea"))
        tap(child(child(bar, "ecoConfirm"), "confirmAccept"))
        compare(callLog.calls.map(function (c) { return [c.name, c.args] }), data.calls)
        verify(!view.zoneObject.ecoModeEnabled)
        verify(!view.zoneObject.heatOffEnabled)
        verify(!bar.visible)
    }
    function test_ecoQuestionTimesOut() {
        makeZone(1, 1, 2)
        view.zoneObject.ecoModeEnabled = true
        tap(child(view, "ecoBarArea"))
        verify(view.ecoConfirmOpen)
        tryCompare(view, "ecoConfirmOpen", false, 3500)
        verify(view.zoneObject.ecoModeEnabled)
    }
    function test_ecoSuggestion_data() {
        return [
            { tag: "accepted", button: "confirmAccept", eco: true,
              calls: ["cabinetManager.sendZoneEcoModeToRemoteDisplay", "zone0.cancelSuggetEcoMode"] },
            { tag: "declined", button: "confirmReject", eco: false, calls: ["zone0.cancelSuggetEcoMode"] },
        ]
    }
    function test_ecoSuggestion(data) {
        makeZone(1, 1, 2)
        view.zoneObject.suggestEcoModeEnable = true
        var suggestion = child(view, "ecoSuggestion")
        verify(suggestion.visible)
        view.tempViewEnabled = true
        verify(!suggestion.visible)
        view.tempViewEnabled = false
        callLog.clear()
        tap(child(suggestion, data.button))
        compare(callLog.names(), data.calls)
        compare(view.zoneObject.ecoModeEnabled, data.eco)
        verify(!suggestion.visible)
    }

    function test_disabledOverlay() {
        makeZone(1, 1, 2)
        fill(0, { productId: 5, trayState: TrayBarSchart.TRAY_STATE_READY2HOLD })
        view.zoneObject.disabledFlag = true
        view.zoneObject.disableReason = "Sensor open"
        var overlay = child(view, "disabledOverlay")
        verify(overlay.visible)
        compare(child(overlay, "disableReason").text, "Sensor open")
        // It swallows touches meant for the bins.
        callLog.clear()
        tap(child(bin(0), "barArea"))
        compare(callLog.names(), [])
        // Eco mode shows instead.
        view.zoneObject.ecoModeEnabled = true
        verify(!overlay.visible)
    }

    function test_tabQuadrants_data() {
        return [
            { tag: "upper left", q: CabmgrDefs.ZONE_VIEW_QUADRANT_UPLEFT, below: true, bins: [0, 1] },
            { tag: "upper right", q: CabmgrDefs.ZONE_VIEW_QUADRANT_UPRIGHT, below: false, bins: [2, 3] },
            { tag: "lower left", q: CabmgrDefs.ZONE_VIEW_QUADRANT_LOWLEFT, below: true, bins: [4, 5] },
            { tag: "lower right", q: CabmgrDefs.ZONE_VIEW_QUADRANT_LOWRIGHT, below: false, bins: [6, 7] },
        ]
    }
    function test_tabQuadrants(data) {
        makeZone(2, 2, 2, 0, { layout: CabmgrDefs.ZONE_VIEW_TYPE_TABBED, zoneQuadrant: data.q, zoneColor: "#3060c0" })
        var tab = child(view, "zoneTab")
        verify(tab.visible)
        compare(tab.y >= view.height, data.below)
        compare(tab.x === 0, data.below)
        for (var i = 0; i < 8; ++i) {
            var expected = data.bins.indexOf(i) >= 0 ? "#3060c0" : "#000000"
            compare(String(child(tab, "tabBin" + i).color), expected, "bin " + i)
        }
    }
}
}
