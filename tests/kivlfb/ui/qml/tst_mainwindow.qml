import QtQuick 2.15
import QtTest 1.15

TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    property var window: null

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
    function child(objectName) {
        var found = findChild(window.contentItem, objectName)
        verify(found, "no item named " + objectName)
        return found
    }
    function createWindow() {
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        // The content follows the window's size once the window is shown.
        tryCompare(window.contentItem, "width", window.width)
        tryCompare(window.contentItem, "height", window.height)
        return window
    }
    function init() {
        verify(harness.reset())
        harness.setScaling(1.0, 1.0)
    }
    function cleanup() {
        if (window)
            window.destroy()
        window = null
    }

    function test_loadsFromResources() {
        createWindow()
        compare(window.objectName, "kivDisplay")
        compare(window.applicationVersion, "unknown")
        compare(window.width, 800)
        compare(window.height, 480)
        verify(window.visible)
    }

    function tap(objectName) {
        var item = child(objectName)
        mouseClick(item, item.width / 2, item.height / 2)
    }
    function log() { return callLog }

    function test_rotation_data() {
        return [
            { tag: "landscape", portrait: false, flip: false, angle: 0 },
            { tag: "landscape flipped", portrait: false, flip: true, angle: 180 },
            { tag: "portrait", portrait: true, flip: false, angle: 270 },
            { tag: "portrait flipped", portrait: true, flip: true, angle: 450 },
        ]
    }
    function test_rotation(data) {
        createWindow()
        compare(window.uiRotation(data.portrait, data.flip), data.angle)
    }

    // The panel's top-left corner lands where the rotation puts it in the
    // 800 x 480 window: a portrait panel's top edge runs down the left side.
    function test_panelGeometry_data() {
        return [
            { tag: "landscape", portrait: false, flip: false, w: 800, h: 480, cornerX: 0, cornerY: 0 },
            { tag: "portrait", portrait: true, flip: false, w: 480, h: 800, cornerX: 0, cornerY: 480 },
            { tag: "portrait flipped", portrait: true, flip: true, w: 480, h: 800, cornerX: 800, cornerY: 0 },
        ]
    }
    function test_panelGeometry(data) {
        cabinetManager.orientationPortrait = data.portrait
        cabinetManager.verticalFlip = data.flip
        createWindow()
        var panel = child("mainPanel")
        compare(panel.width, data.w)
        compare(panel.height, data.h)
        var corner = panel.mapToItem(window.contentItem, 0, 0)
        fuzzyCompare(corner.x, data.cornerX, 0.5)
        fuzzyCompare(corner.y, data.cornerY, 0.5)
    }

    // Scale factors follow the window's axes whatever the orientation.
    function test_scaling_data() {
        return [
            { tag: "landscape", portrait: false },
            { tag: "portrait", portrait: true },
        ]
    }
    function test_scaling(data) {
        harness.setScaling(1.5, 0.5)
        cabinetManager.orientationPortrait = data.portrait
        createWindow()
        compare(window.width, 1200)
        compare(window.height, 240)
        var panel = child("mainPanel")
        var a = panel.mapToItem(window.contentItem, 0, 0)
        var b = panel.mapToItem(window.contentItem, panel.width, panel.height)
        fuzzyCompare(Math.abs(b.x - a.x), 1200, 0.5)
        fuzzyCompare(Math.abs(b.y - a.y), 240, 0.5)
    }

    function test_footerIconSize_data() {
        return [
            { tag: "without temperature icon", temperature: false, size: 90 },
            { tag: "with temperature icon", temperature: true, size: 75 },
        ]
    }
    function test_footerIconSize(data) {
        cabinetManager.viewZoneTemperatureEnable = data.temperature
        createWindow()
        compare(window.getFooterIconSize(), data.size)
        var names = ["homeButton", "dayPartButton", "padlockButton", "languageButton"]
        for (var i = 0; i < names.length; ++i) {
            compare(child(names[i]).width, data.size, names[i])
            compare(child(names[i]).height, data.size, names[i])
        }
        compare(child("temperatureButton").visible, data.temperature)
    }

    function test_dockByPosition_data() {
        return [
            { tag: "left", position: 0, landscape: true, portrait: false, gridX: 90, gridY: 5, gridW: 710, gridH: 475 },
            { tag: "bottom", position: 1, landscape: false, portrait: true, gridX: 0, gridY: 0, gridW: 800, gridH: 390 },
            { tag: "top", position: 2, landscape: false, portrait: false, gridX: 0, gridY: 0, gridW: 800, gridH: 480 },
            { tag: "right", position: 3, landscape: false, portrait: false, gridX: 0, gridY: 0, gridW: 800, gridH: 480 },
        ]
    }
    function test_dockByPosition(data) {
        cabinetManager.pressGoDockPosition = data.position
        createWindow()
        compare(child("landscapeDock").visible, data.landscape)
        compare(child("portraitDock").visible, data.portrait)
        var grid = child("pgMainGrid")
        compare(Qt.rect(grid.x, grid.y, grid.width, grid.height),
                Qt.rect(data.gridX, data.gridY, data.gridW, data.gridH))
    }

    // Five quick taps step through five languages; only the last one is
    // applied, saved once and sent once.
    function test_languageCycle_data() {
        return [
            { tag: "primary alone", master: true, mirror: false, secondary: false, sends: 0 },
            { tag: "primary with mirror", master: true, mirror: true, secondary: false, sends: 1 },
            { tag: "primary with secondary", master: true, mirror: false, secondary: true, sends: 1 },
            { tag: "secondary display", master: false, mirror: false, secondary: false, sends: 1 },
        ]
    }
    function test_languageCycle(data) {
        cabinetManager.iAmMaster = data.master
        cabinetManager.hasMirrorDisplay = data.mirror
        cabinetManager.hasSecondaryDisplay = data.secondary
        // Languages 2 and 4 are not used on this cabinet: the cycle skips them.
        configManager.usedLanguages = 0x7fff & ~(1 << 2) & ~(1 << 4)
        createWindow()
        var edits = signalSpy.createObject(testCase, { target: window, signalName: "cancelEdits" })
        for (var i = 0; i < 5; ++i) {
            tap("languageButton")
            wait(100)
        }
        compare(child("languageName").text, tro.getLanguageName(7))
        compare(callLog.count("tro.setLanguage"), 0)
        tryCompare(edits, "count", 1, 2000)
        compare(callLog.argsOf("tro.setLanguage"), [[7]])
        compare(callLog.count("configManager.saveConfigFile"), 1)
        compare(callLog.count("cabinetManager.sendConfigSettingsData"), data.sends)
        // Applied in order: language, save, send.
        var order = callLog.names().filter(function (n) { return n.indexOf("getNext") < 0 })
        compare(order[0], "tro.setLanguage")
        compare(order[1], "configManager.saveConfigFile")
        wait(900)
        compare(edits.count, 1)
    }

    // Another display changed the language: the dock follows it.
    function test_languageFollowsConfiguration() {
        createWindow()
        configManager.languageId = "deu"
        compare(child("languageName").text, "deu")
        tap("languageButton")
        compare(child("languageName").text, "ita")
    }

    function test_temperatureView() {
        cabinetManager.viewZoneTemperatureEnable = true
        createWindow()
        tap("temperatureButton")
        verify(window.tempViewEnabled)
        tap("temperatureButton")
        verify(!window.tempViewEnabled)
        wait(200)
        tap("temperatureButton")
        verify(window.tempViewEnabled)
        tryCompare(window, "tempViewEnabled", false, 6000)
    }

    function test_wifiTapShowsCabinetCount() {
        cabinetManager.iAmMaster = true
        configManager.wifiEnabled = true
        createWindow()
        kivnm.numCabinetsOnNetworkChanged(3)
        verify(child("wifiButton").visible)
        verify(!child("cabinetCountButton").visible)
        tap("wifiButton")
        verify(!child("wifiButton").visible)
        verify(child("cabinetCountButton").visible)
        tryCompare(child("cabinetCountButton"), "visible", false, 3000)
        verify(child("wifiButton").visible)
        compare(callLog.count("eolTest.startUdpbroadcast"), 0)
    }

    // A 3 s press is neither a tap nor the factory gesture; a press held
    // 5 s starts the address broadcast and swaps nothing.
    function test_wifiLongPress() {
        cabinetManager.iAmMaster = true
        configManager.wifiEnabled = true
        createWindow()
        var wifi = child("wifiButton")
        mousePress(wifi, 10, 10)
        wait(3000)
        mouseRelease(wifi, 10, 10)
        verify(wifi.visible)
        verify(!child("cabinetCountButton").visible)
        compare(callLog.count("eolTest.startUdpbroadcast"), 0)

        mousePress(wifi, 10, 10)
        wait(4800)
        compare(callLog.count("eolTest.startUdpbroadcast"), 0)
        tryVerify(function () { return callLog.count("eolTest.startUdpbroadcast") === 1 }, 1000)
        mouseRelease(wifi, 10, 10)
        verify(wifi.visible)
        verify(!child("cabinetCountButton").visible)
    }

    function test_wifiImages_data() {
        return [
            { tag: "not connected", connected: false, level: 90, image: "" },
            { tag: "strong", connected: true, level: 76, image: "Wifi100.png" },
            { tag: "75 is not above 75", connected: true, level: 75, image: "Wifi75.png" },
            { tag: "fair", connected: true, level: 51, image: "Wifi50.png" },
            { tag: "weak", connected: true, level: 31, image: "Wifi25.png" },
            { tag: "none", connected: true, level: 30, image: "WifiDisconnected.png" },
        ]
    }
    function test_wifiImages(data) {
        configManager.wifiEnabled = true
        kivnm.wifiApConnected = data.connected
        createWindow()
        wifiMon.signalLevelChanged(data.level)
        var level = findChild(child("wifiButton"), "wifiLevel")
        compare(level.visible, data.connected)
        if (data.connected)
            verify(String(level.source).endsWith("images/" + data.image), String(level.source))
    }

    function test_brokerMark_data() {
        return [
            { tag: "riot type, cloud down", iot: "DEZ_RIOT", customer: 0, cloud: false, shown: true },
            { tag: "riot type, cloud up", iot: "DEZ_RIOT", customer: 0, cloud: true, shown: false },
            { tag: "RIVEV customer", iot: "", customer: 2, cloud: false, shown: true },
            { tag: "other", iot: "", customer: 0, cloud: false, shown: false },
        ]
    }
    function test_brokerMark(data) {
        configManager.wifiEnabled = true
        kivnm.wifiApConnected = true
        configManager.iotType = data.iot
        configManager.iotConnected = data.cloud
        cabinetManager.customerId = data.customer
        createWindow()
        compare(findChild(child("wifiButton"), "brokerDisconnected").visible, data.shown)
    }

    function test_screenshotDoubleTap_data() {
        return [
            { tag: "disabled", enabled: false, shots: 0 },
            { tag: "enabled", enabled: true, shots: 1 },
        ]
    }
    function test_screenshotDoubleTap(data) {
        createWindow()
        window.screenshotsEnabled = data.enabled
        var logo = child("logo")
        mouseDoubleClickSequence(logo, logo.width / 2, logo.height / 2)
        compare(callLog.count("cabinetManager.screenShot"), data.shots)
        mouseClick(logo, logo.width / 2, logo.height / 2)
        wait(600)
        compare(callLog.count("cabinetManager.screenShot"), data.shots)
    }

    function test_screenshotFlash() {
        createWindow()
        cabinetManager.screenshotTaken()
        verify(child("screenshotFlash").visible)
        tryCompare(child("screenshotFlash"), "visible", false, 1000)
    }

    function test_resetCornerPresence_data() {
        return [
            { tag: "synchronised", configured: true, status: "", close: false, canError: false, shown: false },
            { tag: "sync message with close button", configured: true, status: "Syncing", close: true, canError: false, shown: false },
            { tag: "sync message without close button", configured: true, status: "Syncing", close: false, canError: false, shown: true },
            { tag: "CAN id conflict", configured: true, status: "", close: false, canError: true, shown: true },
            { tag: "not configured", configured: false, status: "Syncing", close: false, canError: true, shown: false },
        ]
    }
    function test_resetCornerPresence(data) {
        cabinetManager.isConfigured = data.configured
        syncMgr.syncStatus = data.status
        syncMgr.showCloseButton = data.close
        cbm.canIdRecError = data.canError
        createWindow()
        compare(child("resetCorner").visible, data.shown)
        compare(child("resetCorner").enabled, data.shown)
    }

    function confirmations() {
        var panel = child("mainPanel")
        var found = []
        for (var i = 0; i < panel.children.length; ++i)
            if (panel.children[i].z === 10000 && panel.children[i].accepted !== undefined
                    && panel.children[i].objectName === "")
                found.push(panel.children[i])
        return found
    }

    // Nothing before 5 s; at 5 s the confirmation, gone again once answered.
    function test_resetCornerHold() {
        syncMgr.syncStatus = "Waiting for the primary display"
        createWindow()
        var corner = child("resetCorner")
        mousePress(corner, 45, 45)
        wait(4900)
        compare(confirmations().length, 0)
        tryVerify(function () { return confirmations().length === 1 }, 1000)
        mouseRelease(corner, 45, 45)
        var dialog = confirmations()[0]
        verify(dialog.visible)
        dialog.cancelled()
        wait(0)
        tryVerify(function () { return confirmations().length === 0 }, 1000)
    }

    function test_dayPartSelection_data() {
        return [
            { tag: "primary applies", master: true, applied: 1, requested: 0 },
            { tag: "secondary asks the primary", master: false, applied: 0, requested: 1 },
        ]
    }
    function test_dayPartSelection(data) {
        cabinetManager.iAmMaster = data.master
        createWindow()
        tap("dayPartButton")
        verify(child("dayPartOverlay").visible)
        verify(!child("homeButton").children[1].enabled)
        child("dayPartSelectPanel").dayPartSelectedSignal(1)
        verify(!child("dayPartOverlay").visible)
        compare(callLog.count("daypartManager.set_nextDayPart"), data.applied)
        compare(callLog.count("cabinetManager.sendDayPartRequest"), data.requested)
        var args = data.master ? callLog.argsOf("daypartManager.set_nextDayPart")
                               : callLog.argsOf("cabinetManager.sendDayPartRequest")
        compare(args, [[1]])
    }

    function test_cleaningQuestion() {
        createWindow()
        window.confirmCleaningStart()
        var dialog = child("acceptCancelDialog")
        verify(dialog.visible)
        dialog.accepted()
        compare(callLog.names().filter(function (n) { return n.indexOf("Clean") >= 0 }),
                ["cabinetManager.startCleaningMode", "cabinetManager.sendCleaningModeToRemoteDisplay"])
        // The handlers were for that question only.
        dialog.accepted()
        compare(callLog.count("cabinetManager.startCleaningMode"), 1)
    }

    Component {
        id: signalSpy
        SignalSpy {}
    }
}
