import QtQuick 2.15
import QtTest 1.15

MainWindowTestCase {
    id: testCase
    name: "MainWindow"

    function test_loadsFromResources() {
        createWindow()
        compare(window.objectName, "kivDisplay")
        compare(window.applicationVersion, "unknown")
        compare(window.width, 800)
        compare(window.height, 480)
        verify(window.visible)
    }

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
    // Only the dock that is shown exists.
    function test_dockByPosition(data) {
        cabinetManager.pressGoDockPosition = data.position
        createWindow()
        var landscape = findChild(window.contentItem, "landscapeDock")
        var portrait = findChild(window.contentItem, "portraitDock")
        compare(landscape !== null, data.landscape)
        compare(portrait !== null, data.portrait)
        verify(!landscape || landscape.visible)
        verify(!portrait || portrait.visible)
        var grid = child("pgMainGrid")
        compare(Qt.rect(grid.x, grid.y, grid.width, grid.height),
                Qt.rect(data.gridX, data.gridY, data.gridW, data.gridH))
    }

    // A change of position replaces the dock; the language picked on the
    // old one is still shown on the new one.
    function test_dockFollowsPosition() {
        createWindow()
        tap("languageButton")
        var picked = child("languageName").text
        cabinetManager.pressGoDockPosition = 1
        compare(findChild(window.contentItem, "landscapeDock"), null)
        var portrait = child("portraitDock")
        var panel = child("mainPanel")
        compare(portrait.mapToItem(panel, 0, 0).y, panel.height - portrait.height)
        compare(portrait.width, panel.width)
        compare(child("languageName").text, picked)
        cabinetManager.pressGoDockPosition = 0
        compare(findChild(window.contentItem, "portraitDock"), null)
        compare(child("landscapeDock").height, panel.height)
    }

    // Nothing hidden is created with the window. Each screen appears under
    // its object name once shown, stacked as listed (z of its host, then
    // order), and is hidden again with its host.
    function test_hostedScreens() {
        var expected = [
            { name: "numericKeypad", z: 1000 },
            { name: "dayPartOverlay", z: 0 },
            { name: "cleaningOverlay", z: 0 },
            { name: "tagsNotInCabinet", z: 0 },
            { name: "cleaningPanel", z: 0 },
            { name: "rowManagementPanel", z: 0 },
            { name: "homeScreen", z: 0 },
            { name: "settingsPanel", z: 0 },
            { name: "productsListPanel", z: 0 },
            { name: "updatesListView", z: 0 },
            { name: "wifiNetworkConfig", z: 0 },
            { name: "serialModelNumbersDialog", z: 0 },
            { name: "configurationScanItem", z: 0 },
            { name: "selectTargetModelGroup", z: 0 },
            { name: "configurationDialog", z: 0 },
            { name: "configConfirmation", z: 0 },
            { name: "configurationCyclePower", z: 10002 },
            { name: "configFileNotExist", z: 0 },
            { name: "numericInputPanel", z: 0 },
            { name: "alphakb", z: 0 },
            { name: "messageDialog", z: 0 },
            { name: "holdRestorationDialog", z: 0 },
            { name: "menuUpdateDialog", z: 0 },
            { name: "ambientTempAlarmDialog", z: 10000 },
            { name: "heaterTempAlarmDialog", z: 10000 },
            { name: "startUpOrientationDialog", z: 0 },
            { name: "restorHoldingDialog", z: 0 },
            { name: "acceptCancelDialog", z: 0 },
            { name: "lockScreen", z: 0 },
            { name: "screenColorTestPanel", z: 0 },
            { name: "progressDialog", z: 0 },
            { name: "systemBackupProgressDialog", z: 0 },
            { name: "firmwareUpdateStartDialog", z: 0 },
            { name: "bwi", z: 30000 },
            { name: "eolDetectionDialog", z: 888 },
            { name: "screenshotFlash", z: 0 },
        ]
        createWindow()
        var hosts = screenHosts()
        compare(hosts.map(function (h) { return h.name }), expected.map(function (e) { return e.name }))
        for (var i = 0; i < hosts.length; ++i) {
            var h = hosts[i]
            compare(h.z, expected[i].z, h.name)
            compare(h.item, null, h.name)
            compare(findChild(window.contentItem, h.name), null, h.name)
        }
        for (i = 0; i < hosts.length; ++i) {
            h = hosts[i]
            var screen = h.show()
            verify(screen, h.name)
            compare(child(h.name), screen)
            verify(screen.visible, h.name)
            h.visible = false
            verify(!screen.visible, h.name)
        }
    }

    // The backup overlay follows the IoT agent's properties while the
    // window is open: shown during a backup, hidden by a forced package.
    function test_systemBackupDialog() {
        createWindow()
        compare(findChild(window.contentItem, "systemBackupProgressDialog"), null)
        kivIot.systemBackupProgress = 45
        kivIot.systemBackupActive = true
        var dialog = child("systemBackupProgressDialog")
        verify(dialog.visible)
        compare(dialog.percentComplete, 45)
        compare(findChild(dialog, "progressText").text, "45%")
        verify(dialog.theText.indexOf("DO NOT unplug USB") > 0)
        kivIot.forcedPackageActive = true
        verify(!dialog.visible)
        tryVerify(function () { return findChild(window.contentItem, "systemBackupProgressDialog") === null })
        kivIot.forcedPackageActive = false
        verify(child("systemBackupProgressDialog").visible)
        kivIot.systemBackupActive = false
        tryVerify(function () { return findChild(window.contentItem, "systemBackupProgressDialog") === null })
    }

    // The one hidden screen a cabinet shows at start: the orientation
    // question while it is not configured.
    function test_startUpDialog_data() {
        return [
            { tag: "configured", configured: true, shown: false },
            { tag: "not configured", configured: false, shown: true },
        ]
    }
    function test_startUpDialog(data) {
        cabinetManager.isConfigured = data.configured
        createWindow()
        var dialog = findChild(window.contentItem, "startUpOrientationDialog")
        compare(dialog !== null && dialog.visible, data.shown)
        compare(dialog !== null, data.shown)
    }

    // A dialog that holds nothing is gone again once closed, however often
    // it is shown; a screen is created once and then only shown and hidden.
    // Either way the objects below the window come back to the same count.
    function test_showAndCloseLeavesNothing() {
        createWindow()
        var grid = child("pgMainGrid")
        // The window makes its pointer-event objects at the first touch.
        tap("logo")
        wait(0)
        var before = harness.liveObjects(window)
        for (var i = 0; i < 50; ++i) {
            grid.messageRequested("Message " + i, true)
            var dialog = child("messageDialog")
            compare(findChild(dialog, "messageText").text, "Message " + i)
            tap("closeButton")
            verify(!dialog.visible)
            wait(0)
            compare(findChild(window.contentItem, "messageDialog"), null)
        }
        for (i = 0; i < 50; ++i) {
            window.confirmCleaningStart()
            tap("cancelButton")
        }
        wait(0)
        compare(harness.liveObjects(window), before)

        var home = host("homeScreen")
        home.show()
        var created = harness.liveObjects(window)
        verify(created > before)
        var screen = home.item
        for (i = 0; i < 50; ++i) {
            screen.visible = false // the screen hides itself
            verify(!home.visible)
            home.visible = true
            compare(home.item, screen)
            verify(screen.visible)
        }
        wait(0)
        compare(harness.liveObjects(window), created)
    }

    // The screen is created hidden and then shown: a panel that slides in
    // when it becomes visible does so on its first showing too.
    function test_dayPartPanelSlidesInOnFirstOpening() {
        createWindow()
        tap("dayPartButton")
        var panel = child("dayPartSelectPanel")
        verify(panel.x < -4, panel.x)
        tryCompare(panel, "x", -4, 1000)
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

    // One keyboard at a time: whichever is shown puts the others away, and
    // an open number entry ends as cancelled for its caller.
    function test_oneKeyboard() {
        createWindow()
        var panel = child("mainPanel")
        var answers = []
        panel.enterNumber({ input_text: "5" }, function (v) { answers.push("accepted " + v) },
                          function () { answers.push("cancelled") })
        verify(host("numericInputPanel").visible)
        host("numericKeypad").visible = true
        verify(!host("numericInputPanel").visible)
        compare(answers, ["cancelled"])
        host("alphakb").visible = true
        verify(!host("numericKeypad").visible)
        panel.enterNumber({}, function (v) { answers.push("accepted " + v) }, function () { answers.push("cancelled") })
        verify(!host("alphakb").visible)
        verify(!host("numericKeypad").visible)
        host("alphakb").visible = true
        verify(!host("numericInputPanel").visible)
        compare(answers, ["cancelled", "cancelled"])
        // A panel shown by hand, without handlers, is put away too.
        var entry = host("numericInputPanel").show()
        var cancelled = createTemporaryObject(signalSpy, testCase, { target: entry, signalName: "cancelled" })
        host("alphakb").visible = true
        compare(cancelled.count, 1)
        verify(!host("numericInputPanel").visible)
        // A hidden entry is not cancelled again.
        host("numericKeypad").visible = true
        compare(cancelled.count, 1)
    }

    // The entry answers once per opening; a second opening ends the first.
    function test_enterNumber() {
        createWindow()
        var panel = child("mainPanel")
        var answers = []
        var entry = panel.enterNumber({ input_text: "12", signEnabled: false, edited_item: panel },
                                      function (v) { answers.push("first " + v) },
                                      function () { answers.push("first cancelled") })
        compare(entry.input_text, "12")
        compare(entry.edited_item, panel)
        verify(!findChild(entry, "NumericInputEdit-Hyphen").visible)
        entry = panel.enterNumber({ input_text: "7" }, function (v) { answers.push("second " + v) },
                                  function () { answers.push("second cancelled") })
        compare(answers, ["first cancelled"])
        verify(host("numericInputPanel").visible)
        // What the last user set stays.
        compare(entry.signEnabled, false)
        findChild(entry, "numericInputEdit").accept()
        compare(answers, ["first cancelled", "second 7"])
        verify(!host("numericInputPanel").visible)
        entry.acceptVal("9")
        entry.cancelled()
        compare(answers.length, 2)
    }

    // An invalid time is told in the main window's message box.
    function test_invalidTime() {
        createWindow()
        var accepted = []
        var entry = child("mainPanel").enterNumber({ inputTime_validation: true, ampm24hr: 0, input_text: "12:00:00" },
                                                   function (v) { accepted.push(v) })
        findChild(entry, "numericInputEdit").accept()
        compare(accepted, [])
        var dialog = child("messageDialog")
        verify(dialog.visible)
        compare(dialog.theText, "Invalid time value")
        verify(dialog.showCloseButton)
        verify(host("numericInputPanel").visible)
    }
}
