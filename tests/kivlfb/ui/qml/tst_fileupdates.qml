import QtQuick 2.15
import QtTest 1.15
import KivDefs 1.0
import "qrc:///qml"
import "qrc:///qml/widgets"

TestCase {
    id: testCase
    name: "FileUpdates"
    when: windowShown
    visible: true
    width: 800
    height: 800

    // The screen with the window's shared dialogs beside it, as in the
    // main window.
    Component {
        id: stage
        Item {
            property alias screen: screen
            property alias pinHost: pinHost
            property alias messageHost: messageHost
            property alias resultHost: resultHost
            width: cabinetManager.orientationPortrait ? 480 : 800
            height: cabinetManager.orientationPortrait ? 800 : 480
            UpdatesListView {
                id: screen
                pinPanel: pinHost
                messageBox: messageHost
                resultBox: resultHost
            }
            ScreenHost { id: resultHost; name: "menuUpdateDialog"; releasedWhenHidden: true; MessageDialog { } }
            ScreenHost { id: pinHost; name: "numericInputPanel"; NumericInputPanel { } }
            ScreenHost { id: messageHost; name: "messageDialog"; releasedWhenHidden: true; MessageDialog { } }
        }
    }
    Component { id: systemScreen; SystemUpdateScreen { width: 800; height: 480 } }

    function init() {
        verify(harness.reset())
        configManager.passwdL1 = Qt.md5("1111")
        configManager.passwdL2 = Qt.md5("2222")
        configManager.passwdL3 = Qt.md5("3333")
        configManager.passwdL4 = Qt.md5("4444")
    }
    function findChild(item, objectName) {
        if (item.objectName === objectName)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findChild(item.children[i], objectName)
            if (found)
                return found
        }
        return null
    }
    function makeStage() {
        var s = createTemporaryObject(stage, testCase)
        waitForRendering(s)
        return s
    }
    function page(s, name) { return findChild(s.screen, name) }
    function messageOf(host) { return host.visible && host.item ? host.item.theText : "" }
    function enterPin(s, pin) { s.pinHost.item.acceptVal(pin) }
    function showExportPage(s) {
        var pages = findChild(s.screen, "updatePages")
        pages.currentIndex = 1
        tryCompare(pages, "contentX", pages.width, 2000)
        verify(page(s, "mcUsbExportItem").itemActive)
        verify(!page(s, "mcUsbUpdateItem").itemActive)
    }
    function argsOf(spy, i) { return Array.prototype.slice.call(spy.signalArguments[i]) }

    function test_lockLevel_data() {
        return [
            { tag: "DEZ on the primary", master: true, customer: KivDefines.CUSTOMER_ID_DEZ, level: 1 },
            { tag: "ZuZ on the primary", master: true, customer: KivDefines.CUSTOMER_ID_ZuZ, level: 1 },
            { tag: "others on the primary", master: true, customer: 0, level: 2 },
            { tag: "another display", master: false, customer: KivDefines.CUSTOMER_ID_DEZ, level: -1 },
        ]
    }
    function test_lockLevel(data) {
        cabinetManager.iAmMaster = data.master
        cabinetManager.customerId = data.customer
        var s = makeStage()
        for (var name of ["mcUsbUpdateItem", "mcUsbExportItem"]) {
            compare(page(s, name).lockLevel, data.level)
            verify(page(s, name).itemLocked)
        }
        var lock = findChild(s.screen, "lockIcon")
        verify(lock.visible)
        mouseClick(lock)
        // Never unlockable on another display: the icon does nothing.
        compare(s.pinHost.visible, data.level > 0)
    }

    // A level-1 PIN does not open a level-2 page; the level-2 PIN opens the
    // current page only; the icon locks it again and reports the exit.
    function test_pinOpensByLevel() {
        var s = makeStage()
        var importPage = page(s, "mcUsbUpdateItem")
        var entered = createTemporaryObject(spyComponent, testCase,
                                            { target: configManager, signalName: "passcodeEntered" })
        var exited = createTemporaryObject(spyComponent, testCase,
                                           { target: configManager, signalName: "programModeExited" })
        mouseClick(findChild(s.screen, "lockIcon"))
        verify(s.pinHost.visible)
        compare(s.pinHost.item.input_text, "PIN #")

        enterPin(s, "1111")
        verify(importPage.itemLocked)
        verify(s.pinHost.visible)
        compare(s.pinHost.item.input_text, "ERROR")
        compare(argsOf(entered, 0), ["McUsbUpdateItem", 2, false])

        enterPin(s, "2222")
        verify(!importPage.itemLocked)
        verify(page(s, "mcUsbExportItem").itemLocked)
        verify(!s.pinHost.visible)
        compare(argsOf(entered, 1), ["McUsbUpdateItem", 2, true])
        compare(s.screen.userUnlockLevel, 2)
        compare(s.screen.pinAttempts, 0)

        // Pending changes keep the page open.
        importPage.itemModified = true
        mouseClick(findChild(s.screen, "lockIcon"))
        compare(messageOf(s.messageHost), "Changes pending. Please accept or cancel before re-locking.")
        verify(!importPage.itemLocked)
        s.messageHost.visible = false
        importPage.itemModified = false

        mouseClick(findChild(s.screen, "lockIcon"))
        verify(importPage.itemLocked)
        compare(argsOf(exited, 0), ["McUsbUpdateItem", 2])
        compare(s.screen.userUnlockLevel, 0)
    }

    Component { id: spyComponent; SignalSpy { } }

    function test_servicePinOpensEveryPage() {
        var s = makeStage()
        mouseClick(findChild(s.screen, "lockIcon"))
        enterPin(s, "3333")
        verify(!page(s, "mcUsbUpdateItem").itemLocked)
        verify(!page(s, "mcUsbExportItem").itemLocked)
        compare(messageOf(s.messageHost), "All update panels unlocked!")
        compare(s.screen.userUnlockLevel, 3)
    }

    // DEZ keeps its PINs in plain text.
    function test_dezComparesPlainPins() {
        cabinetManager.customerId = KivDefines.CUSTOMER_ID_DEZ
        configManager.passwdL1 = "1111"
        var s = makeStage()
        mouseClick(findChild(s.screen, "lockIcon"))
        enterPin(s, "1111")
        verify(!page(s, "mcUsbUpdateItem").itemLocked)
        compare(s.screen.userUnlockLevel, 1)
    }

    // After six wrong PINs the pad no longer opens.
    function test_lockOutAfterSixFailures() {
        var s = makeStage()
        mouseClick(findChild(s.screen, "lockIcon"))
        for (var i = 0; i < 5; ++i)
            enterPin(s, "9999")
        verify(s.pinHost.visible)
        enterPin(s, "9999")
        verify(!s.pinHost.visible)
        compare(messageOf(s.messageHost), "Too many failed attempts.\nCall service.")
        s.messageHost.visible = false
        mouseClick(findChild(s.screen, "lockIcon"))
        verify(!s.pinHost.visible)
        compare(messageOf(s.messageHost), "Too many failed attempts.\nCall service.")
    }

    function test_logoTapsResetManagerPin_data() {
        return [
            { tag: "twelve taps, ZuZ", taps: 12, customer: KivDefines.CUSTOMER_ID_ZuZ, pin: Qt.md5("8603") },
            { tag: "twelve taps, DEZ", taps: 12, customer: KivDefines.CUSTOMER_ID_DEZ, pin: "9157" },
            { tag: "twelve taps, others", taps: 12, customer: 0, pin: Qt.md5("9157") },
            { tag: "eleven taps", taps: 11, customer: 0, pin: Qt.md5("1111") },
        ]
    }
    function test_logoTapsResetManagerPin(data) {
        cabinetManager.customerId = data.customer
        var s = makeStage()
        var changed = createTemporaryObject(spyComponent, testCase,
                                            { target: configManager, signalName: "passcodeChanged" })
        var logo = findChild(s.screen, "brandLogo")
        for (var i = 0; i < data.taps; ++i)
            mouseClick(logo)
        compare(configManager.passwdL1, data.pin)
        var reset = data.taps === 12
        compare(configManager.log.count("configManager.saveConfigFile"), reset ? 1 : 0)
        compare(changed.count, reset ? 1 : 0)
        compare(messageOf(s.messageHost), reset ? "Manager's PIN# was reset." : "")
        // The taps were quick doubles, but screenshots are off.
        compare(cabinetManager.log.count("cabinetManager.screenShot"), 0)
    }

    function test_logoDoubleTapTakesScreenshot() {
        var s = makeStage()
        s.screen.screenshotsEnabled = true
        mouseDoubleClickSequence(findChild(s.screen, "brandLogo"))
        compare(cabinetManager.log.count("cabinetManager.screenShot"), 1)
    }

    function test_importChoosesTheReaderByName_data() {
        return [
            { tag: "menu.json", file: "menu.json", call: "mcp.importTavolenJsonFile" },
            { tag: ".kiv alone", file: ".kiv", call: "mcp.importTavolenJsonFile" },
            { tag: "a.kiv", file: "a.kiv", call: "mcp.importTavolenFile" },
        ]
    }
    function test_importChoosesTheReaderByName(data) {
        mcp.dirContent = ["other.json", data.file]
        var s = makeStage()
        var importPage = page(s, "mcUsbUpdateItem")
        importPage.itemLocked = false
        var accept = findChild(importPage, "acceptButton")
        verify(!accept.enabled)
        mouseClick(findChild(importPage, "fileRow1"))
        verify(accept.enabled)
        mouseClick(accept)
        compare(mcp.log.argsOf("mcp.set_mcImportFilename"), [[data.file]])
        compare(mcp.log.argsOf(data.call), [[data.file]])
        compare(mcp.log.count("mcp.importTavolenFile") + mcp.log.count("mcp.importTavolenJsonFile"), 1)
    }

    function test_refreshAndSource() {
        mcp.dirContent = ["a.kiv"]
        var s = makeStage()
        var importPage = page(s, "mcUsbUpdateItem")
        importPage.itemLocked = false
        var refresh = findChild(importPage, "refreshButton")
        mouseClick(findChild(importPage, "fileRow0"))
        mouseClick(refresh)
        compare(mcp.log.count("mcp.getMcImportDirList"), 1)
        compare(importPage.selectedIndex, -1)

        mouseClick(findChild(importPage, "fileRow0"))
        mousePress(refresh)
        wait(1000)
        mouseRelease(refresh)
        compare(mcp.log.argsOf("mcp.set_importSource"), [[KivDefines.MC_IMPORT_SOURCE_LOCAL]])
        compare(mcp.log.count("mcp.getMcImportDirList"), 2)
        compare(importPage.selectedIndex, -1)
        verify(findChild(importPage, "localSourceFrame").visible)
        mousePress(refresh)
        wait(1000)
        mouseRelease(refresh)
        compare(mcp.log.argsOf("mcp.set_importSource")[1], [KivDefines.MC_IMPORT_SOURCE_USB])
        verify(!findChild(importPage, "localSourceFrame").visible)
    }

    function test_noFilesText() {
        var s = makeStage()
        verify(findChild(page(s, "mcUsbUpdateItem"), "noFilesText").visible)
        mcp.dirContent = ["menu.json"]
        verify(!findChild(page(s, "mcUsbUpdateItem"), "noFilesText").visible)
    }

    function test_export() {
        var s = makeStage()
        showExportPage(s)
        var exportPage = page(s, "mcUsbExportItem")
        exportPage.itemLocked = false
        var exportButton = findChild(exportPage, "exportButton")
        verify(!exportButton.enabled)
        cabinetManager.flashDriveAnswer = true
        mouseClick(findChild(exportPage, "checkDriveButton"))
        verify(cabinetManager.flashDriveMounted)
        verify(exportButton.enabled)
        mouseClick(exportButton)
        compare(mcp.log.count("mcp.exportTavolenJsonFile"), 1)

        // The drive went away since the last check.
        var failed = createTemporaryObject(spyComponent, testCase,
                                           { target: mcp, signalName: "exportMenuFailed" })
        cabinetManager.flashDriveAnswer = false
        mouseClick(exportButton)
        compare(failed.count, 1)
        compare(mcp.log.count("mcp.exportTavolenJsonFile"), 1)
        verify(!cabinetManager.flashDriveMounted)
        compare(messageOf(s.resultHost), "Tavolen file export failed!")
    }

    function test_resultTexts_data() {
        return [
            { tag: "imported", signal: "tavolenDataImported", text: "Tavolen file imported: menu.json" },
            { tag: "version", signal: "invalidFileVersion", text: "File version is not supported: menu.json" },
            { tag: "failed", signal: "tavolenDataImportFailed", text: "Tavolen file import failed: menu.json" },
            { tag: "exported", signal: "exportedMenu", text: "Tavolen file exported: MENU_42.json" },
            { tag: "export failed", signal: "exportMenuFailed", text: "Tavolen file export failed!" },
        ]
    }
    function test_resultTexts(data) {
        var s = makeStage()
        mcp.mcImportFilename = "menu.json"
        mcp[data.signal]("MENU_42.json")
        compare(messageOf(s.resultHost), data.text)
        verify(s.resultHost.item.showCloseButton)
    }

    // An import the screen did not start (at start-up, for the cloud agent)
    // is not reported here.
    function test_hiddenScreenReportsNothing() {
        var s = makeStage()
        s.screen.visible = false
        mcp.tavolenDataImported()
        verify(!s.resultHost.visible)
        s.screen.visible = true
        mcp.tavolenDataImported()
        verify(s.resultHost.visible)
    }

    function test_systemUpdateScreenImportsOnTouch() {
        mcp.dirContent = ["a.kiv", "b.kiv"]
        var screen = createTemporaryObject(systemScreen, testCase)
        mouseClick(findChild(screen, "fileRow1"))
        compare(mcp.log.argsOf("mcp.set_mcImportFilename"), [["b.kiv"]])
        compare(mcp.log.argsOf("mcp.importTavolenFile"), [["b.kiv"]])
        mouseClick(findChild(screen, "returnButton"))
        verify(!screen.visible)
    }

    function test_screenshots_data() {
        return [ { tag: "landscape", portrait: false }, { tag: "portrait", portrait: true } ]
    }
    function test_screenshots(data) {
        cabinetManager.orientationPortrait = data.portrait
        var suffix = data.portrait ? "-portrait" : "-landscape"
        mcp.dirContent = ["menu.json", "MENU_1234.json", "breakfast.kiv", "lunch.kiv", "dinner.kiv",
                          "late night.kiv", "store 17.kiv", "weekend.json", "test.json", "old.kiv"]
        var s = makeStage()
        var importPage = page(s, "mcUsbUpdateItem")
        importPage.itemLocked = false
        mouseClick(findChild(importPage, "fileRow2"))
        waitForRendering(s)
        verify(screenshots.save(s, "updates-import-files" + suffix) !== "")
        importPage.importSource = KivDefines.MC_IMPORT_SOURCE_LOCAL
        waitForRendering(s)
        verify(screenshots.save(s, "updates-import-local" + suffix) !== "")
        mcp.dirContent = []
        importPage.importSource = KivDefines.MC_IMPORT_SOURCE_USB
        importPage.itemLocked = true
        waitForRendering(s)
        verify(screenshots.save(s, "updates-import-none" + suffix) !== "")
        mouseClick(findChild(s.screen, "lockIcon"))
        waitForRendering(s)
        verify(screenshots.save(s, "updates-pinpad" + suffix) !== "")
        s.pinHost.item.cancelled()
        s.pinHost.visible = false
        showExportPage(s)
        waitForRendering(s)
        verify(screenshots.save(s, "updates-export" + suffix) !== "")
    }
}
