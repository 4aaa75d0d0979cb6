import QtQuick 2.15
import QtTest 1.15

// The window's answers to system signals: questions, restore after a power
// loss, configuration results, alarms and progress.
MainWindowTestCase {
    id: testCase
    name: "SystemDialogs"

    function cabinetCalls() {
        return callLog.names().filter(function (n) { return n.indexOf("cabinetManager.") === 0 })
    }

    // The screen-cleaning question repeats every second until answered:
    // it stays one question with one handler pair.
    function test_repeatedQuestionAsksOnce() {
        createWindow()
        for (var i = 0; i < 5; ++i)
            cabinetManager.screenCleaningTimeOutChanged()
        var dialog = child("acceptCancelDialog")
        compare(dialog.theText, "Clean Screen Now?")
        dialog.accepted()
        compare(callLog.count("cabinetManager.cancelSuggetCleanMode"), 1)
        verify(host("lockScreen").visible)
    }

    // A new question takes the place of a pending one: the old handlers and
    // time-out are gone, so accepting the new one runs only its own.
    function test_newQuestionReplacesPending() {
        createWindow()
        window.confirmCleaningStart()
        cabinetManager.screenCleaningTimeOutChanged()
        var dialog = child("acceptCancelDialog")
        compare(dialog.theText, "Clean Screen Now?")
        dialog.accepted()
        compare(callLog.count("cabinetManager.startCleaningMode"), 0)
        compare(callLog.count("cabinetManager.cancelSuggetCleanMode"), 1)
        // The cleaning question's time-out goes with it.
        window.confirmCleaningStart()
        var timer = child("mainPanel").questionTimer
        verify(timer.running)
        cabinetManager.screenCleaningTimeOutChanged()
        verify(!timer.running)
        verify(host("acceptCancelDialog").visible)
        compare(child("acceptCancelDialog").theText, "Clean Screen Now?")
    }

    function test_restoreQuestion_data() {
        return [
            { tag: "keep", answer: "keepTimersButton",
              calls: ["sendRestorationDialogBlockEnable", "sendRestorationDialogBlockEnable", "restoreNewDaypartIfo"] },
            { tag: "clear", answer: "clearTimersButton",
              calls: ["sendRestorationDialogBlockEnable", "cancelAllHolding", "sendRestorationDialogBlockEnable", "restoreNewDaypartIfo"] },
            { tag: "no answer in an hour", answer: "",
              calls: ["sendRestorationDialogBlockEnable", "cancelAllHolding", "sendRestorationDialogBlockEnable", "restoreNewDaypartIfo"] },
        ]
    }
    function test_restoreQuestion(data) {
        createWindow()
        cabinetManager.restoreHoldingFlag = true
        var dialog = child("restorHoldingDialog")
        verify(dialog.visible)
        compare(dialog.theTitle, "Power Interrupted")
        compare(dialog.theAcceptText, "Keep active timers")
        compare(dialog.theCancelText, "Clear active timers")
        var timer = child("mainPanel").restoreTimer
        verify(timer.running)
        compare(timer.interval, 3600000)
        // The dim background does not answer.
        mouseClick(dialog, 5, 5)
        verify(host("restorHoldingDialog").visible)
        if (data.answer !== "")
            tap(data.answer)
        else
            timer.triggered()
        verify(!host("restorHoldingDialog").visible)
        compare(cabinetCalls(), data.calls.map(function (n) { return "cabinetManager." + n }))
        compare(callLog.argsOf("cabinetManager.sendRestorationDialogBlockEnable"), [[true], [false]])
        verify(!timer.running)
    }

    // Another display never asks; it waits while the primary one does.
    function test_restoreOnAnotherDisplay() {
        cabinetManager.iAmMaster = false
        createWindow()
        cabinetManager.restoreHoldingFlag = true
        verify(!host("restorHoldingDialog").visible)
        cabinetManager.holdRestorationDialogBlockEnabled(true)
        var waiting = child("holdRestorationDialog")
        compare(waiting.theText, "<b>Waiting for hold<br>restoration confirmation</b>")
        verify(!waiting.showCloseButton)
        cabinetManager.holdRestorationDialogBlockEnabled(false)
        verify(!host("holdRestorationDialog").visible)
    }

    function test_configurationSaved() {
        createWindow()
        var panel = child("mainPanel")
        panel.saveConfiguration()
        compare(callLog.names(), ["configManager.set_modelNumber", "configManager.set_serialNumber",
                                  "configManager.set_customerIdStr", "configManager.set_doubleSided",
                                  "configManager.set_selectedDisplaySide",
                                  "configManager.saveCabinetSerialModelNumbers", "configManager.setConfigurationFile"])
        configManager.copyConfigurationFileCompleted()
        var message = child("configurationCyclePower")
        compare(message.theText, "Unit configuration successful.<br>Reboot the unit.")
        verify(!message.showCloseButton)
        compare(host("configurationCyclePower").z, 10002)
    }

    // The transfer's figure stays within 0 to 100 and survives a start
    // that announced no size.
    function test_transferPercent_data() {
        return [
            { tag: "half", rcvd: 50, size: 100, last: 50, percent: 50 },
            { tag: "whole packets pass the size", rcvd: 104, size: 100, last: 90, percent: 100 },
            { tag: "no size yet", rcvd: 8, size: 0, last: 50, percent: 50 },
            { tag: "negative size", rcvd: 8, size: -1, last: 40, percent: 40 },
        ]
    }
    function test_transferPercent(data) {
        createWindow()
        compare(child("mainPanel").transferPercent(data.rcvd, data.size, data.last), data.percent)
    }
    function test_transferProgress() {
        createWindow()
        cbm.fileTxfrName = "kivlfb.tar.gz"
        cbm.fileTxfrSize = 0
        cbm.fileTxfrActive = true
        var dialog = child("progressDialog")
        compare(dialog.theText, "Firmware update in progress...")
        compare(dialog.percentComplete, 50)
        wait(1100)
        compare(dialog.percentComplete, 50)
        cbm.fileTxfrSize = 16
        cbm.fileTxfrRcvd = 24
        tryCompare(dialog, "percentComplete", 100, 1500)
        cbm.fileTxfrActive = false
        verify(!host("progressDialog").visible)
    }

    function test_alarms() {
        createWindow()
        masterIOmanager.ambientTemperatureAlarm()
        var ambient = child("ambientTempAlarmDialog")
        verify(ambient.showCloseButton)
        tap("closeButton")
        compare(cabinetCalls(), ["cabinetManager.stopAmbientTempAlarm", "cabinetManager.sendClearAmbientTempAlarm"])
        verify(!host("ambientTempAlarmDialog").visible)
        // Stopped from another display, it goes as well.
        masterIOmanager.ambientTemperatureAlarm()
        cabinetManager.stopAmbientTempAlarm()
        verify(!host("ambientTempAlarmDialog").visible)
        masterIOmanager.heaterHighTempAlarm()
        verify(!child("heaterTempAlarmDialog").showCloseButton)
    }

    // Messages of their own stack up and go when closed; a CAN id conflict
    // stays, and only on a configured cabinet.
    function test_ownMessages() {
        createWindow()
        var panel = child("mainPanel")
        var before = panel.children.length
        cabinetManager.unexpectedRebootDetected()
        cabinetManager.commBusVoltageMissing()
        compare(panel.children.length, before + 2)
        var last = panel.children[panel.children.length - 1]
        compare(last.z, 10000)
        verify(last.theText.indexOf("Communication bus voltage not detected!") >= 0)
        last.closeButtonPressed()
        wait(0)
        compare(panel.children.length, before + 1)
        cabinetManager.isConfigured = false
        cbm.canIdRecError = true
        compare(panel.children.length, before + 1)
        cbm.canIdRecError = false
        cabinetManager.isConfigured = true
        cbm.canIdRecError = true
        compare(panel.children.length, before + 2)
        last = panel.children[panel.children.length - 1]
        verify(!last.showCloseButton)
        verify(last.theText.indexOf("Two PRIMARY touchscreens detected.") >= 0)
    }

    function test_displayTests() {
        createWindow()
        eolTest.displayTestStart()
        verify(host("screenColorTestPanel").visible)
        eolTest.soundTestStart()
        verify(!host("screenColorTestPanel").visible)
        cabinetManager.displayTestStart()
        host("homeScreen").visible = true
        host("alphakb").visible = true
        eolTest.eolTestStarted = true
        verify(!host("screenColorTestPanel").visible)
        verify(!host("homeScreen").visible)
        verify(!host("alphakb").visible)
    }

    function test_serialNumbers() {
        configManager.serialNumber = "S1"
        configManager.modelNumber = "M1"
        configManager.storeNumber = "12"
        createWindow()
        configManager.showSerialModelNumbersDialog()
        var dialog = child("serialModelNumbersDialog")
        verify(dialog.editing)
        compare(dialog.serialNumber, "S1")
        findChild(dialog, "storeNumberField").value = "34"
        var accept = findChild(dialog, "acceptButton")
        mouseClick(accept, accept.width / 2, accept.height / 2)
        compare(callLog.names().filter(function (n) { return n.indexOf("configManager.") === 0 }), ["configManager.set_serialNumber", "configManager.set_modelNumber",
                                  "configManager.set_storeNumber", "configManager.saveCabinetSerialModelNumbers",
                                  "configManager.initializeRiotWifiConnection", "configManager.saveConfigFile"])
        compare(callLog.argsOf("configManager.set_storeNumber"), [["34"]])
        verify(!dialog.editing)
        verify(!host("serialModelNumbersDialog").visible)
        // Reopened, it shows the stored numbers again.
        configManager.storeNumber = "56"
        host("serialModelNumbersDialog").visible = true
        compare(dialog.storeNumber, "56")
    }

    // The export screen waits for a stick; the holding log also needs the
    // log, and only "OK" counts as exported.
    function test_filesExport_data() {
        return [
            { tag: "no stick", mounted: false, haccp: true, enabled: false },
            { tag: "holding log off", mounted: true, haccp: false, enabled: true, holding: false },
            { tag: "exported", mounted: true, haccp: true, enabled: true, holding: true, result: "OK",
              message: "Holding Log files exported!" },
            { tag: "failed", mounted: true, haccp: true, enabled: true, holding: true, result: "No USB",
              message: "Holding Log export failed!<br>No USB" },
        ]
    }
    function test_filesExport(data) {
        cabinetManager.flashDriveMounted = data.mounted
        cabinetManager.haccpEnabled = data.haccp
        createWindow()
        showServiceList()
        tap("filesButton")
        var files = child("filesImportExportItem")
        verify(files.visible)
        var menus = child("exportMenus")
        compare(menus.enabled && menus.parent.enabled, data.enabled)
        if (!data.enabled)
            return
        tap("exportMenus")
        tap("exportErrorLog")
        tap("exportWifiLogs")
        compare(callLog.count("cabinetManager.exportMenuFiles"), 1)
        compare(callLog.count("kivErrorController.exportErrorLog"), 1)
        compare(callLog.count("wifiMon.exportWifiLogs"), 1)
        compare(child("exportHoldingLog").enabled, data.holding)
        if (!data.holding)
            return
        tap("exportHoldingLog")
        compare(callLog.count("haccpController.exportHaccpLog"), 1)
        verify(host("bwi").visible)
        haccpController.exportHaccpLogDone(data.result)
        verify(!host("bwi").visible)
        compare(child("messageDialog").theText, data.message)
        host("messageDialog").visible = false
        tap("filesCloseButton")
        verify(!files.visible)
    }

    // --- Hidden tags and the colour test --------------------------------

    function test_hiddenTags() {
        nfcm.tagBinModel.append({ tagnum: "04A1B2", binNum: 3, prodName: "Patty" })
        nfcm.tagBinModel.append({ tagnum: "04C3D4", binNum: 5, prodName: "Eggs" })
        createWindow()
        host("tagsNotInCabinet").visible = true
        tryVerify(function () { return findChild(window.contentItem, "hiddenTag1") !== null })
        verify(!child("deregisterTag").visible)
        var before = callLog.count("nfcm.rebuildTagsNotFoundInBins")
        wait(1100)
        verify(callLog.count("nfcm.rebuildTagsNotFoundInBins") > before)
        // A selection stops the refresh and keeps the tag.
        tap("hiddenTag1")
        compare(child("tagsNotInCabinet").currentTag, "0x04C3D4")
        verify(child("deregisterTag").visible)
        before = callLog.count("nfcm.rebuildTagsNotFoundInBins")
        wait(1100)
        compare(callLog.count("nfcm.rebuildTagsNotFoundInBins"), before)
        tap("hiddenTag1")
        compare(child("tagsNotInCabinet").currentTag, "")
        tap("hiddenTag0")
        tap("deregisterTag")
        compare(callLog.argsOf("nfcm.removeHiddenTag"), [["0x04A1B2"]])
        verify(!child("deregisterTag").visible)
        tap("hiddenTagsClose")
        verify(!host("tagsNotInCabinet").visible)
    }

    function test_colorTest() {
        createWindow()
        var colorHost = host("screenColorTestPanel")
        colorHost.visible = true
        var panel = colorHost.item
        var timer = panel.slideTimer
        verify(timer.running)
        compare(timer.interval, 10000)
        compare(panel.currentIndex, 0)
        timer.triggered()
        timer.triggered()
        compare(panel.currentIndex, 2)
        timer.triggered()
        compare(panel.currentIndex, 0)
        // A change of picture restarts the count; hiding stops it, and the
        // next showing starts from the first picture.
        panel.currentIndex = 1
        verify(timer.running)
        colorHost.visible = false
        colorHost.visible = true
        panel = colorHost.item
        compare(panel.currentIndex, 0)
        verify(panel.slideTimer.running)
        tap("colorTestClose")
        verify(!colorHost.visible)
    }

    // --- Start-up configuration ------------------------------------------

    function next(pageName) {
        var button = findChild(child(pageName), "acceptButton")
        verify(button.parent.acceptEnabled, pageName + " has nothing chosen")
        mouseClick(button, button.width / 2, button.height / 2)
    }
    function choose(pageName, index) {
        var page = child(pageName)
        tryVerify(function () { return findChild(page, "choice" + index) !== null })
        var row = findChild(page, "choice" + index)
        mouseClick(row, row.width / 2, row.height / 2)
    }

    // From the start-up question through set, model, display and serial
    // number to the saved configuration.
    function test_configurationSteps_data() {
        return [
            { tag: "one display", model: "M100", displays: 1, side: 0, doubleSided: 1, sideName: "Single display" },
            { tag: "primary of two", model: "M200", displays: 2, side: 0, doubleSided: 2, sideName: "PRIMARY display" },
            { tag: "mirror of two", model: "M200", displays: 2, side: 1, doubleSided: 2, sideName: "MIRROR display" },
            { tag: "secondary of two", model: "M300", displays: 3, side: 1, doubleSided: 2, sideName: "SECONDARY display" },
        ]
    }
    function test_configurationSteps(data) {
        cabinetManager.isConfigured = false
        configManager.preloaded = { "GM": { "M100": 1, "M200": 2, "M300": 3 }, "ZuZ": { "Z1": 1 } }
        createWindow()
        verify(host("startUpOrientationDialog").visible)
        tap("startConfiguration")
        verify(!host("startUpOrientationDialog").visible)
        choose("configurationScanItem", 0)
        next("configurationScanItem")
        compare(callLog.argsOf("configManager.set_selectedCustomConfig"), [["GM"]])
        verify(!host("configurationScanItem").visible)
        var models = child("selectTargetModelGroup")
        compare(models.choices, ["M100", "M200", "M300"])
        choose("selectTargetModelGroup", models.choices.indexOf(data.model))
        next("selectTargetModelGroup")
        var displays = child("configurationDialog")
        compare(displays.choices.length, data.displays > 1 ? 2 : 1)
        choose("configurationDialog", data.side)
        compare(displays.choices[data.side], data.sideName)
        findChild(displays, "configurationSerialNumber").value = "SN42"
        callLog.clear()
        next("configurationDialog")
        compare(child("configConfirmation").text, "Save selected configuration?")
        var accept = findChild(child("configConfirmation"), "acceptButton")
        mouseClick(accept, accept.width / 2, accept.height / 2)
        compare(callLog.names().filter(function (n) { return n.indexOf("configManager.") === 0 }),
                ["configManager.set_modelNumber", "configManager.set_serialNumber",
                 "configManager.set_customerIdStr", "configManager.set_doubleSided",
                 "configManager.set_selectedDisplaySide",
                 "configManager.saveCabinetSerialModelNumbers", "configManager.setConfigurationFile"])
        compare(callLog.argsOf("configManager.set_modelNumber"), [[data.model]])
        compare(callLog.argsOf("configManager.set_serialNumber"), [["SN42"]])
        compare(callLog.argsOf("configManager.set_customerIdStr"), [["GM"]])
        compare(callLog.argsOf("configManager.set_doubleSided"), [[data.doubleSided]])
        compare(callLog.argsOf("configManager.set_selectedDisplaySide"), [[data.side]])
    }

    // A model the set cannot install is refused before anything is saved.
    function test_invalidModel() {
        configManager.preloaded = { "GM": { "M100": 1 } }
        createWindow()
        host("configurationScanItem").visible = true
        next("configurationScanItem")
        var models = child("selectTargetModelGroup")
        configManager.preloaded = { "GM": {} }
        next("selectTargetModelGroup")
        compare(child("configFileNotExist").theText, "Invalid configuration selection")
        verify(models.visible)
        verify(!host("configurationDialog").visible)
        compare(callLog.count("configManager.setConfigurationFile"), 0)
    }

    function test_resetConfiguration_data() {
        return [
            { tag: "accepted", button: "acceptButton", resets: 1 },
            { tag: "cancelled", button: "cancelButton", resets: 0 },
        ]
    }
    function test_resetConfiguration(data) {
        createWindow()
        syncMgr.syncStatus = "Syncing..."
        var panel = child("mainPanel")
        var before = panel.children.length
        panel.showResetConfirmation()
        var confirmation = panel.children[panel.children.length - 1]
        var button = findChild(confirmation, data.button)
        mouseClick(button, button.width / 2, button.height / 2)
        compare(callLog.count("configManager.resetConfiguration"), data.resets)
        compare(syncMgr.syncStatus, data.resets ? "" : "Syncing...")
        wait(0)
        compare(panel.children.length, before)
    }

    // The skin takes the stored list at start; until one is stored, the
    // skin keeps its own values.
    function test_skinValues() {
        createWindow()
        var skin = child("uiSkinPanel")
        compare(skin.storedValues.length, 10)
        compare(String(skin.storedValues[0]), "#003874")
        var stored = skin.storedValues.slice()
        stored[0] = "#112233"
        stored[4] = 30
        skin.storedValues = stored
        skin.initProperties()
        child("mainPanel").showHomeScreen()
        child("homeScreen").showSettingsPanel()
        var list = child("settingsPanel")
        compare(String(list.color), "#112233")
        compare(findChild(child("languagesPanel"), "languageTitle").font.pixelSize, 30)
    }
}
