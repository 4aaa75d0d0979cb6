import QtQuick 2.15
import QtTest 1.15
import KivDefs 1.0

Item {
    id: stage
    width: 800
    height: 480

    QtObject {
        id: display
        property bool screenshotsEnabled: false
        property bool ignoreNoUserInteraction: false
    }
    QtObject {
        id: sound
        property int alarms: 0
        function playWarningAlarm() { alarms += 1 }
    }
    QtObject {
        id: platform
        property string osKernel: ""
        property string bspInfo: ""
        function getOsKernelInformation() { osKernel = "5.10.0" }
        function getBSPverInformation() { bspInfo = "BSP 7" }
    }

TestCase {
    name: "Utilities"
    when: windowShown

    property Item page: null
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
    function makePage(props, w, h) {
        stage.width = w || 800
        stage.height = h || 480
        var component = Qt.createComponent("qrc:///qml/heaters/DemoModeItem.qml")
        compare(component.status, Component.Ready, component.errorString())
        var all = { width: stage.width, height: stage.height, display: display, sound: sound,
                    platform: platform, dialogParent: stage }
        for (var key in props)
            all[key] = props[key]
        var made = component.createObject(stage, all)
        verify(made)
        made.messageRequested.connect(function (text) { var l = messages; l.push(text); messages = l })
        waitForRendering(made)
        return made
    }
    function dialogs(name) {
        var found = []
        for (var i = 0; i < stage.children.length; ++i)
            if (stage.children[i].closePressed !== undefined && String(stage.children[i]).indexOf(name) === 0)
                found.push(stage.children[i])
        return found
    }

    function init() {
        verify(harness.reset())
        messages = []
        display.screenshotsEnabled = false
    }
    function cleanup() {
        if (page)
            page.destroy()
        page = null
        for (var i = stage.children.length - 1; i >= 0; --i)
            if (stage.children[i].z === 10000)
                stage.children[i].destroy()
    }

    function test_loadsAndSavesInOrder() {
        configManager.demoModeFlag = true
        configManager.powerSource = 208
        configManager.iotType = "DEZ_ORAAWS"
        page = makePage({ locked: false, unlockedLevel: 2 })
        verify(page.demoModeFlag)
        compare(page.powerSource, 208)
        verify(!page.changesFlag)
        verify(!child(page, "acceptCancel").enabled)

        tap(child(page, "screenshotsBox"))
        verify(page.changesFlag)
        verify(!display.screenshotsEnabled)
        callLog.clear()
        page.save()
        compare(callLog.names(), ["configManager.set_demoModeFlag", "configManager.set_powerSource",
                                  "configManager.sendPowerSource", "configManager.set_productDiscardFlash",
                                  "configManager.set_productsEditEnabled", "configManager.set_verticalFlip",
                                  "configManager.notifyIotTypeChanged", "configManager.saveConfigFile",
                                  "cabinetManager.sendConfigSettingsData", "configManager.readIotConfigFile"])
        verify(display.screenshotsEnabled)
        verify(!page.changesFlag)
    }

    function test_cancelReloads() {
        page = makePage({ locked: false, unlockedLevel: 2 })
        tap(child(page, "demoModeBox"))
        verify(page.demoModeFlag)
        page.load()
        verify(!page.demoModeFlag)
        verify(!page.changesFlag)
        compare(callLog.count("configManager.set_demoModeFlag"), 0)
    }

    function test_riotSwitching_data() {
        return [
            { tag: "switched on", before: "DEZ_ORAAWS", after: "DEZ_RIOT", reconfigure: 0, init: 1 },
            { tag: "switched off", before: "DEZ_RIOT", after: "DEZ_ORAAWS", reconfigure: 1, init: 0 },
        ]
    }
    function test_riotSwitching(data) {
        cabinetManager.customerId = KivDefines.CUSTOMER_ID_DEZ
        configManager.iotType = data.before
        configManager.wifiSSID = "store"
        configManager.wifiPassword = "secret"
        configManager.wifiSSIDRestore = "home"
        configManager.wifiPasswordRestore = "old"
        configManager.wifiStaticIp = true
        page = makePage({ locked: false, unlockedLevel: 2 })
        tap(child(page, "dezRiotBox"))
        page.save()
        compare(configManager.iotType, data.after)
        compare(callLog.count("configManager.initializeRiotWifiConnection"), data.init)
        compare(callLog.count("configManager.reconfigureNetworkDevices"), data.reconfigure)
        compare(callLog.argsOf("configManager.notifyIotTypeChanged"), [[data.after]])
        if (data.init) {
            compare(configManager.wifiSSIDRestore, "store")
            compare(configManager.wifiPasswordRestore, "secret")
        } else {
            compare(configManager.wifiSSID, "home")
            compare(configManager.wifiPassword, "old")
            verify(!configManager.wifiStaticIp)
        }
    }

    function test_controlsByLockAndRole_data() {
        return [
            { tag: "locked", locked: true, level: 0, shown: ["soundTestButton", "screenTestButton"],
              hidden: ["demoModeBox", "heatersButton", "cancelAllButton", "verticalFlipBox"] },
            { tag: "level 2", locked: false, level: 2, shown: ["demoModeBox", "heatersButton", "cancelAllButton", "platformInfoButton"],
              hidden: ["soundTestButton", "skinButton", "rfidButton", "productsEditingBox"] },
            { tag: "level 4", locked: false, level: 4, shown: ["skinButton"], hidden: [] },
            { tag: "secondary display", locked: false, level: 2, secondary: true, shown: ["verticalFlipBox"],
              hidden: ["demoModeBox", "heatersButton", "filesButton"] },
        ]
    }
    function test_controlsByLockAndRole(data) {
        cabinetManager.iAmMaster = !data.secondary
        page = makePage({ locked: data.locked, unlockedLevel: data.level })
        for (var i = 0; i < data.shown.length; ++i)
            verify(child(page, data.shown[i]).visible, data.shown[i])
        for (var j = 0; j < data.hidden.length; ++j)
            verify(!child(page, data.hidden[j]).visible, data.hidden[j])
    }

    function test_lockedButtons() {
        page = makePage({})
        tap(child(page, "soundTestButton"))
        compare(sound.alarms, 1)
        var screens = 0
        page.screenTestRequested.connect(function () { screens += 1 })
        tap(child(page, "screenTestButton"))
        compare(screens, 1)
    }

    function test_cancelAllHolding() {
        page = makePage({ locked: false, unlockedLevel: 2 })
        tap(child(page, "cancelAllButton"))
        compare(callLog.count("cabinetManager.cancelAllHolding"), 1)
        compare(callLog.count("cabinetManager.clearHoldingHistory"), 0)
        tryVerify(function () { return messages.length === 1 }, 2000)
        compare(callLog.count("cabinetManager.clearHoldingHistory"), 1)
        compare(messages, ["All holding timers canceled!"])
    }

    // One of the list's two Utilities instances reports an export.
    function test_screenshotExportReportedOnce() {
        page = makePage({})
        var twin = makePage({ reportsScreenshotExport: false })
        cabinetManager.screenshotsExported()
        cabinetManager.noScreenShotsToExport()
        compare(messages, ["Screen-shots exported to flash drive!", "No screen-shots to export!"])
        twin.destroy()
    }

    function test_platformInfo() {
        page = makePage({ locked: false, unlockedLevel: 2 })
        tap(child(page, "platformInfoButton"))
        var dialog = null
        for (var i = 0; i < stage.children.length; ++i)
            if (stage.children[i].closeButtonPressed !== undefined && stage.children[i].theText !== undefined)
                dialog = stage.children[i]
        verify(dialog)
        compare(dialog.theText, "<b>Kernel:</b> 5.10.0<br><br>BSP 7")
        compare(dialog.title, "Platform Info")
        compare(dialog.cwidth, 680)
    }

    // The heaters test dialog keeps the tag analysis in test mode while it
    // is open; closing it gives pans back to holding.
    function test_heatersTestingLeavesTagTestModeOff() {
        cabinetManager.nfcEnabled = true
        cabinetManager.buildCabinet(5, 2, 2)
        cabinetManager.orientationId = 1
        masterIOmanager.makeBins()
        page = makePage({ locked: false, unlockedLevel: 2 })
        tap(child(page, "heatersButton"))
        verify(masterIOmanager.nfcAccsTestEnabled)
        var dialog = child(stage, "heatersTestingPanel").parent
        verify(dialog)
        waitForRendering(dialog)
        tap(child(dialog, "closeButton"))
        verify(!masterIOmanager.nfcAccsTestEnabled)
        compare(callLog.argsOf("masterIOmanager.nfcAccsTestEnabled"), [[true], [false]])

        tap(child(page, "rfidButton"))
        verify(masterIOmanager.nfcAccsTestEnabled)
        cabinetManager.noUserInteraction()
        verify(!masterIOmanager.nfcAccsTestEnabled)
    }

    function test_screenshots_data() {
        return [
            { tag: "utilities landscape", w: 800, h: 480 },
            { tag: "utilities portrait", w: 480, h: 800 },
        ]
    }
    function test_screenshots(data) {
        cabinetManager.nfcEnabled = true
        cabinetManager.powerSourceChoice = true
        page = makePage({ locked: false, unlockedLevel: 4 }, data.w, data.h)
        verify(screenshots.save(page, "heaters_" + data.tag.replace(/ /g, "_")) !== "")
    }
}
}
