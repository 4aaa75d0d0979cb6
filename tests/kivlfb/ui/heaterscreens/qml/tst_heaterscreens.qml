import QtQuick 2.15
import QtTest 1.15
import KivDefs 1.0

// The screens are made in this item, sized as the service list's page.
Item {
    id: stage
    width: 800
    height: 480

    // The main window's number entry as the screens call it: the test plays
    // the user by calling accept or cancel.
    QtObject {
        id: entry
        property var settings: null
        property var accept: null
        property QtObject panel: QtObject { property bool signEnabled: false }
        function enter(settings, onAccept, onCancel) {
            entry.settings = settings
            entry.accept = onAccept
            panel.signEnabled = settings.signEnabled !== undefined ? settings.signEnabled : panel.signEnabled
            return panel
        }
    }
    QtObject {
        id: display
        property bool ignoreNoUserInteraction: false
    }

TestCase {
    id: testCase
    name: "HeaterScreens"
    when: windowShown

    property Item screen: null
    property var messages: []

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
        verify(item, "nothing to tap")
        verify(item.visible, item.objectName + " is hidden")
        mouseClick(item, item.width / 2, item.height / 2)
    }
    function boxText(boxIndex, name) {
        return child(child(screen, "heaterBox" + boxIndex), name).text
    }
    function bins() { return masterIOmanager.binInfoList }
    function calls(name) { return callLog.count(name) }

    // A cabinet of the given layout, its bins filled.
    function cabinet(uiId, rows, zonesPerRow, props) {
        cabinetManager.orientationId = uiId
        cabinetManager.numberOfRows = rows
        cabinetManager.zonesPerRow = zonesPerRow
        cabinetManager.numberOfZones = rows * zonesPerRow
        cabinetManager.traysPerZone = 2
        for (var key in props)
            cabinetManager[key] = props[key]
        masterIOmanager.makeBins()
        for (var b = 0; b < 20; ++b) {
            bins()[b].targetTemp = 200
            bins()[b].actualTemp = 190 + b
        }
    }
    function make(file, props, w, h) {
        stage.width = w || 800
        stage.height = h || 480
        var component = Qt.createComponent("qrc:///qml/heaters/" + file)
        compare(component.status, Component.Ready, component.errorString())
        var all = { width: stage.width, height: stage.height }
        if (file !== "RfidAccsTesting.qml" && file !== "MasterIoRawDebugItem.qml")
            all.enterNumber = entry.enter
        for (var key in props)
            all[key] = props[key]
        screen = component.createObject(stage, all)
        verify(screen)
        // Taps need the grid laid out.
        waitForRendering(screen)
        if (screen.messageRequested)
            screen.messageRequested.connect(function (text) { var l = messages; l.push(text); messages = l })
        return screen
    }

    function init() {
        verify(harness.reset())
        configManager.tempUnit = 0
        messages = []
        entry.settings = null
        entry.accept = null
    }
    function cleanup() {
        if (screen)
            screen.destroy()
        screen = null
    }

    // ------------------------------------------------------------------
    // Zone Diagnostics

    function test_boxesFollowTheBins() {
        cabinet(32, 5, 1, { tempLayout: KivDefines.KIV_ZONE_TEMP_LAYOUT_TOP_BOTTOM })
        bins()[0].targetTemp = 0
        bins()[1].targetTemp = 300
        bins()[1].actualTemp = 3275
        bins()[0].actualTemp = 0
        make("HeatersDiagnosticsItem.qml", { locked: false })
        // 5x2: the first row is zone 5 on bins 0 and 1; the upper heater
        // is the zone's second bin.
        compare(child(screen, "heaterBox0").zonenumber, 5)
        compare(boxText(0, "frontSetPointText"), "U: ON")
        compare(boxText(0, "frontActualText"), "+++")
        compare(boxText(0, "backSetPointText"), "L: OFF")
        compare(boxText(0, "backActualText"), "---")
        compare(child(screen, "heaterBox4").zonenumber, 1)
        compare(boxText(4, "backActualText"), "198\u00b0F")
        bins()[8].actualTemp = 194
        compare(String(child(child(screen, "heaterBox4"), "backActual").color), "#7070ff")
        bins()[8].actualTemp = 205
        compare(boxText(4, "backActualText"), "205\u00b0F")
        compare(String(child(child(screen, "heaterBox4"), "backActual").color), "#20ff20")
        configManager.tempUnit = 1
        compare(boxText(4, "backActualText"), "96\u00b0C")
    }

    function test_setPointEditing_data() {
        return [
            { tag: "averaged: both bins of the zone", handling: 0, unit: 0, typed: "250", bins: [250, 250] },
            { tag: "individual: the tapped side", handling: 1, unit: 0, typed: "250", bins: [200, 250] },
            { tag: "Celsius: 80 is stored as 176", handling: 0, unit: 1, typed: "80", bins: [176, 176] },
        ]
    }
    function test_setPointEditing(data) {
        cabinet(20, 3, 2, { tempHandling: data.handling })
        configManager.tempUnit = data.unit
        make("HeatersDiagnosticsItem.qml", { locked: false })
        var modified = screen.modified
        // Universal list of a 3x2 cabinet: the first row is zone 5 on bins 0 and 1.
        tap(child(child(screen, "heaterBox0"), "backSetPoint"))
        verify(entry.accept)
        compare(entry.settings.input_text, data.unit === 1 ? "93" : "200")
        compare(entry.settings.passwordInput, false)
        compare(entry.settings.edit_started, false)
        entry.accept(data.typed)
        compare([bins()[0].targetTemp, bins()[1].targetTemp], data.bins)
        compare(calls("masterIOmanager.sendAllBinsSetpoints"), 1)
        verify(!modified)
        verify(screen.modified)
    }

    function test_fanEditing_data() {
        return [
            { tag: "100 is taken", typed: "100", stored: 100, sent: 1, message: 0 },
            { tag: "0 is taken", typed: "0", stored: 0, sent: 1, message: 0 },
            { tag: "101 is refused", typed: "101", stored: 40, sent: 0, message: 1 },
            { tag: "-1 is refused", typed: "-1", stored: 40, sent: 0, message: 1 },
        ]
    }
    function test_fanEditing(data) {
        cabinet(20, 3, 2, { hasFan: true })
        bins()[4].targetFanSpeed = 40
        make("HeatersDiagnosticsItem.qml", { locked: false })
        // Box 2 is the first zone of the cabinet's second row: bin 4.
        tap(child(child(screen, "heaterBox2"), "fanCell"))
        compare(entry.settings.signEnabled, false)
        compare(entry.settings.input_text, "40")
        entry.accept(data.typed)
        compare(bins()[4].targetFanSpeed, data.stored)
        compare(calls("masterIOmanager.sendAllBinsFanSpeed"), data.sent)
        compare(messages.length, data.message)
        if (data.message)
            compare(messages[0], "Invalid fan speed.<br>0 \u2264 speed \u2265 100")
        compare(entry.panel.signEnabled, true)
        compare(screen.modified, data.sent === 1)
    }

    function test_lockedPageOnlyShows() {
        cabinet(20, 3, 2, { controlBoardType: KivDefines.KIV_IO_BOARD_08_HEATERS })
        make("HeatersDiagnosticsItem.qml", { locked: true })
        verify(!child(screen, "powerRow").visible)
        verify(!child(screen, "serviceTestButton").visible)
        mouseClick(child(child(screen, "heaterBox0"), "frontSetPoint"))
        compare(entry.accept, null)
        screen.locked = false
        verify(child(screen, "powerRow").visible)
        cabinetManager.controlBoardType = KivDefines.KIV_IO_BOARD_04_HEATERS
        verify(!child(screen, "powerRow").visible)
    }

    function test_powerAndControlTemperature() {
        cabinet(20, 3, 2, { controlBoardType: KivDefines.KIV_IO_BOARD_12_HEATERS })
        masterIOmanager.lineVoltage = 120.5
        masterIOmanager.lineCurrent = 8
        masterIOmanager.lineFrequency = 60
        masterIOmanager.ambientTemperature = 104
        make("HeatersDiagnosticsItem.qml", { locked: false })
        compare(child(screen, "powerRow").text, "V: 120.5V   I: 8A   F: 60Hz")
        compare(child(screen, "controlTempText").text, "104\u00b0F")
        configManager.tempUnit = 1
        compare(child(screen, "controlTempText").text, "40\u00b0C")
    }

    function test_serviceTest() {
        cabinet(20, 3, 2, { hasFan: true })
        make("HeatersDiagnosticsItem.qml", { locked: false })
        var button = child(screen, "serviceTestButton")
        compare(button.label, "Service\nTest")

        cabinetManager.nothingHeld = false
        tap(button)
        compare(calls("masterIOmanager.loadBinTempTest"), 0)
        compare(messages, ["Temperature test disabled\nwhile actively holding."])
        verify(!screen.modified)

        cabinetManager.nothingHeld = true
        tap(button)
        compare(calls("masterIOmanager.loadBinTempTest"), 1)
        verify(screen.modified)
        compare(button.label, "Cancel\nTest")

        tap(button)
        verify(!screen.modified)
        compare(calls("masterIOmanager.ttSendRequestSignal"), 1)
        compare(calls("masterIOmanager.sendAllFanTargetsRequest"), 1)
        compare(calls("cabinetManager.reStateTraysHoldTemps"), 1)
    }

    function test_holdingEndsTheTestAndLocks_data() {
        return [ { tag: "while modified", modified: true }, { tag: "unmodified", modified: false } ]
    }
    function test_holdingEndsTheTestAndLocks(data) {
        cabinet(20, 3, 2, {})
        make("HeatersDiagnosticsItem.qml", { locked: false })
        var locks = 0
        screen.lockRequested.connect(function () { locks += 1 })
        if (data.modified)
            tap(child(screen, "serviceTestButton"))
        cabinetManager.activelyHolding = true
        compare(locks, 1)
        verify(!screen.modified)
        compare(calls("cabinetManager.reStateTraysHoldTemps"), data.modified ? 1 : 0)
        compare(messages, data.modified ? ["Tests cancelled. Active timers."] : [])
    }

    // The page holds the idle return while modified and locks itself when
    // holding starts; on a display that is not primary it never unlocks.
    function test_zoneDiagnosticsPage() {
        cabinet(20, 3, 2, {})
        make("ZonesHeatersServiceItem.qml", { display: display })
        compare(screen.lockLevel, 2)
        verify(screen.itemLocked)
        verify(!child(screen, "serviceTestButton").visible)
        screen.itemLocked = false
        tap(child(screen, "serviceTestButton"))
        verify(screen.itemModified)
        verify(display.ignoreNoUserInteraction)
        cabinetManager.activelyHolding = true
        verify(!screen.itemModified)
        verify(!display.ignoreNoUserInteraction)
        verify(screen.itemLocked)
        compare(messages, ["Tests cancelled. Active timers."])
        cabinetManager.iAmMaster = false
        compare(screen.lockLevel, -1)
    }

    // ------------------------------------------------------------------
    // Heaters Testing

    function test_heatersTestingEditsOneSideOn5x2() {
        cabinet(32, 5, 1, {})
        make("HeatersTestingItem.qml", { display: display })
        tap(child(child(screen, "heaterBox1"), "frontSetPoint"))
        entry.accept("150")
        // Row zone 4 starts at bin 2; its front heater is bin 2 alone.
        compare([bins()[2].targetTemp, bins()[3].targetTemp], [150, 200])
    }

    function test_heatersTestRunsAndHoldsTheDialog() {
        cabinet(1, 5, 2, {})
        make("HeatersTestingItem.qml", { display: display })
        var closes = 0
        screen.closePressed.connect(function () { closes += 1 })
        var close = child(screen, "closeButton")
        var button = child(screen, "heatersTestButton")

        cabinetManager.nothingHeld = false
        tap(button)
        verify(!screen.testRunning)
        compare(messages, ["Temperature test disabled\nwhile actively holding."])

        cabinetManager.nothingHeld = true
        tap(button)
        verify(screen.testRunning)
        compare(calls("masterIOmanager.loadHeatersTempTest"), 1)
        verify(cabinetManager.heatersTestEnabled)
        verify(display.ignoreNoUserInteraction)
        verify(!close.enabled)
        compare(child(screen, "elapsedText").text, "00:00:00")
        tryCompare(child(screen, "elapsedText"), "text", "00:00:01", 3000)

        // Neither the idle signal nor Close ends a running test.
        cabinetManager.noUserInteraction()
        mouseClick(close)
        verify(screen.visible)
        compare(closes, 0)

        tap(button)
        verify(!screen.testRunning)
        verify(!cabinetManager.heatersTestEnabled)
        verify(!display.ignoreNoUserInteraction)
        compare(calls("masterIOmanager.ttSendRequestSignal"), 1)
        compare(calls("cabinetManager.reStateTraysHoldTemps"), 1)
        verify(close.enabled)
        verify(!child(screen, "elapsedText").visible)
    }

    function test_closingEndsTheTagTestMode_data() {
        return [ { tag: "Close", idle: false }, { tag: "idle signal", idle: true } ]
    }
    function test_closingEndsTheTagTestMode(data) {
        cabinet(1, 5, 2, { hasFan: true })
        masterIOmanager.nfcAccsTestEnabled = true
        make("HeatersTestingItem.qml", { display: display })
        var closes = 0
        screen.closePressed.connect(function () { closes += 1 })
        if (data.idle)
            cabinetManager.noUserInteraction()
        else
            tap(child(screen, "closeButton"))
        compare(closes, 1)
        verify(!screen.visible)
        verify(!masterIOmanager.nfcAccsTestEnabled)
        compare(calls("masterIOmanager.ttSendRequestSignal"), 1)
        compare(calls("masterIOmanager.sendAllFanTargetsRequest"), 1)
        compare(calls("cabinetManager.reStateTraysHoldTemps"), 1)
    }

    // ------------------------------------------------------------------
    // RFID accessory test and raw monitoring

    function test_rfidTagColours_data() {
        return [
            { tag: "product 1", p: 1, text: "Product 1", fg: "#000000", bg: "#bf9474" },
            { tag: "product 7", p: 7, text: "Product 7", fg: "#598da3", bg: "#004f71" },
            { tag: "product 13", p: 13, text: "Product 13", fg: "#000000", bg: "#ffffff" },
            { tag: "universal", p: 101, text: "Universal Tag", fg: "#0000ff", bg: "#ffffff" },
            { tag: "no tag", p: 0, text: "Product 0", fg: "#000000", transparent: true },
            { tag: "unknown type", p: 40, text: "Product 40", fg: "#000000", transparent: true },
        ]
    }
    function test_rfidTagColours(data) {
        make("RfidAccsTesting.qml", {})
        masterIOmanager.firstChannel = data.p
        masterIOmanager.nfcAccsTestUpdate()
        compare(child(screen, "tagText").text, data.text)
        compare(String(child(screen, "tagText").color), data.fg)
        if (data.transparent)
            compare(child(screen, "tagField").color.a, 0)
        else
            compare(String(child(screen, "tagField").color), data.bg)
    }

    function test_rfidCloseEndsTheTestMode() {
        masterIOmanager.nfcAccsTestEnabled = true
        make("RfidAccsTesting.qml", {})
        var closes = 0
        screen.closePressed.connect(function () { closes += 1 })
        tap(child(screen, "closeButton"))
        compare(closes, 1)
        verify(!masterIOmanager.nfcAccsTestEnabled)
    }

    function test_rawMonitoringRows() {
        masterIOmanager.makeBins()
        masterIOmanager.mbioRawInfoList[1].value = "151"
        masterIOmanager.mbioRawInfoList[20].value = "65535"
        make("MasterIoRawDebugItem.qml", {})
        var row0 = child(screen, "rawRow0")
        verify(row0)
        compare(row0.children[0].text, "14")
        compare(row0.children[1].text, "actualTemp[0][0]")
        compare(child(row0, "value").text, "151")
        compare(row0.children[3].text, "antenna [0]")
        compare(child(row0, "uid").text, "0")
        masterIOmanager.uidTexts = { 0: "f5a865000000002a" }
        masterIOmanager.currentUIDsChanged(0)
        compare(child(row0, "uid").text, "f5a865000000002a")
        // Out-of-range bins are ignored.
        masterIOmanager.currentUIDsChanged(25)
    }

    // ------------------------------------------------------------------
    // Pictures

    function test_screenshots_data() {
        return [
            { tag: "zone diagnostics 5x4 landscape", file: "HeatersDiagnosticsItem.qml", w: 800, h: 480 },
            { tag: "zone diagnostics 5x4 portrait", file: "HeatersDiagnosticsItem.qml", w: 480, h: 800 },
            { tag: "heaters testing 5x4 landscape", file: "HeatersTestingItem.qml", w: 800, h: 480 },
            { tag: "heaters testing 5x4 portrait", file: "HeatersTestingItem.qml", w: 480, h: 800 },
            { tag: "rfid test landscape", file: "RfidAccsTesting.qml", w: 800, h: 480, p: 7 },
            { tag: "rfid test portrait", file: "RfidAccsTesting.qml", w: 480, h: 800, p: 101 },
            { tag: "raw monitoring landscape", file: "MasterIoRawDebugItem.qml", w: 800, h: 480 },
            { tag: "raw monitoring portrait", file: "MasterIoRawDebugItem.qml", w: 480, h: 800 },
        ]
    }
    function test_screenshots(data) {
        cabinet(1, 5, 2, { controlBoardType: KivDefines.KIV_IO_BOARD_12_HEATERS, hasFan: true })
        for (var b = 0; b < 20; ++b) {
            bins()[b].targetTemp = [0, 225, 300, 180][b % 4]
            bins()[b].actualTemp = [0, 221, 3275, 150][b % 4] + (b % 4 ? b : 0)
            bins()[b].targetFanSpeed = 50
            bins()[b].actualFanSpeed = 48
        }
        for (var r = 0; r < 21; ++r)
            masterIOmanager.mbioRawInfoList[r].value = String(r === 0 ? 3 : 150 + r)
        masterIOmanager.lineVoltage = 229.8
        masterIOmanager.lineCurrent = 12.5
        masterIOmanager.lineFrequency = 50
        masterIOmanager.ambientTemperature = 98
        masterIOmanager.uidTexts = { 3: "f5a865000000002a" }
        configManager.tempUnit = 0
        var props = {}
        if (data.file === "HeatersDiagnosticsItem.qml")
            props.locked = false
        if (data.file === "HeatersTestingItem.qml")
            props.display = display
        make(data.file, props, data.w, data.h)
        if (data.p !== undefined) {
            masterIOmanager.firstChannel = data.p
            masterIOmanager.nfcAccsTestUpdate()
        }
        if (data.file === "MasterIoRawDebugItem.qml")
            masterIOmanager.currentUIDsChanged(3)
        var name = data.tag.replace(/ /g, "_")
        verify(screenshots.save(screen, "heaters_" + name) !== "")
    }
}
}
