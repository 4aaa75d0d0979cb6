import QtQuick 2.15
import QtTest 1.15

// The pages the navigation machine switches, and the service list with its
// access codes and pages.
MainWindowTestCase {
    id: testCase
    name: "Navigation"

    // The page now shown: the holding view or the hosted page on top.
    readonly property var pages: ["pgMainGrid", "homeScreen", "productsListPanel", "updatesListView", "settingsPanel"]
    function shownPage() {
        var shown = []
        for (var i = 0; i < pages.length; ++i) {
            var item = findChild(window.contentItem, pages[i])
            if (item && item.visible && (pages[i] === "pgMainGrid" || host(pages[i]).visible))
                shown.push(pages[i])
        }
        compare(shown.length, 1, "pages shown: " + shown)
        return shown[0]
    }
    // Walks from the holding view to a page through the home screen.
    function goTo(page) {
        child("mainPanel").showHomeScreen()
        compare(shownPage(), "homeScreen")
        var home = child("homeScreen")
        if (page === "productsListPanel")
            home.showCookBook()
        else if (page === "updatesListView")
            home.showUpdatesListView()
        else if (page === "settingsPanel")
            home.showSettingsPanel()
        compare(shownPage(), page)
    }

    function test_transitions_data() {
        return [
            { tag: "home icon", from: "pgMainGrid", act: "home", to: "homeScreen" },
            { tag: "home to holding", from: "homeScreen", act: "showPressAndGo", to: "pgMainGrid" },
            { tag: "cook book closes", from: "productsListPanel", act: "close", to: "homeScreen" },
            { tag: "update list closes", from: "updatesListView", act: "close", to: "homeScreen" },
            { tag: "service list closes", from: "settingsPanel", act: "close", to: "homeScreen" },
            { tag: "hold starts on update list", from: "updatesListView", act: "holdStarts", to: "homeScreen" },
            { tag: "hold ends on update list", from: "updatesListView", act: "holdEnds", to: "updatesListView" },
            { tag: "idle on holding view", from: "pgMainGrid", act: "idle", to: "pgMainGrid" },
            { tag: "idle on home", from: "homeScreen", act: "idle", to: "pgMainGrid" },
            { tag: "idle on cook book", from: "productsListPanel", act: "idle", to: "pgMainGrid" },
            { tag: "idle on update list", from: "updatesListView", act: "idle", to: "pgMainGrid" },
            { tag: "idle on service list", from: "settingsPanel", act: "idle", to: "pgMainGrid" },
            { tag: "idle held on home", from: "homeScreen", act: "idle", hold: true, to: "homeScreen" },
            { tag: "idle held on cook book", from: "productsListPanel", act: "idle", hold: true, to: "productsListPanel" },
            { tag: "idle held on update list", from: "updatesListView", act: "idle", hold: true, to: "updatesListView" },
            { tag: "idle held on service list", from: "settingsPanel", act: "idle", hold: true, to: "settingsPanel" },
        ]
    }
    function test_transitions(data) {
        createWindow()
        if (data.act === "holdEnds")
            cabinetManager.activelyHolding = true
        if (data.from !== "pgMainGrid")
            goTo(data.from)
        window.ignoreNoUserInteraction = data.hold === true
        switch (data.act) {
        case "home": child("mainPanel").showHomeScreen(); break
        case "showPressAndGo": child("homeScreen").showPressAndGo(); break
        case "close": child(data.from).close(); break
        case "holdStarts": cabinetManager.activelyHolding = true; break
        case "holdEnds": cabinetManager.activelyHolding = false; break
        case "idle": cabinetManager.noUserInteraction(); break
        }
        compare(shownPage(), data.to)
    }

    // The idle return from the service list closes the serial-number
    // dialog; leaving any page puts the keyboards and editors away.
    function test_leavingClosesWhatThePageOpened() {
        createWindow()
        goTo("settingsPanel")
        host("serialModelNumbersDialog").visible = true
        host("alphakb").visible = true
        host("screenColorTestPanel").visible = true
        cabinetManager.noUserInteraction()
        compare(shownPage(), "pgMainGrid")
        verify(!host("serialModelNumbersDialog").visible)
        verify(!host("alphakb").visible)
        verify(!host("screenColorTestPanel").visible)
        // The home icon does nothing while a page covers the dock.
        goTo("settingsPanel")
        child("mainPanel").showHomeScreen()
        compare(shownPage(), "settingsPanel")
    }

    // --- The service list -------------------------------------------------

    function openServiceList() {
        createWindow()
        return showServiceList()
    }
    function enterPin(page, code) {
        page.askForPinPad()
        var entry = child("numericInputPanel")
        verify(entry.visible)
        compare(entry.passwordInput, true)
        entry.acceptVal(code)
        verify(!host("numericInputPanel").visible)
    }

    function test_accessCodes_data() {
        return [
            { tag: "level 1 opens a level-1 page", code: "9157", level: 1, opens: true },
            { tag: "level 2 opens a level-1 page", code: "527184", level: 2, opens: true },
            { tag: "level 4 opens a level-1 page", code: "841926", level: 4, opens: true },
            { tag: "wrong code", code: "1234", level: 0, opens: false },
            { tag: "empty code", code: "", level: 0, opens: false },
            { tag: "level 3 opens every page", code: "306749", level: 3, opens: true, all: true },
            { tag: "no level 3 on a mirror display", code: "306749", level: 0, opens: false, mirror: true },
            { tag: "DEZ compares digits", code: "9157", level: 1, opens: true, dez: true },
        ]
    }
    function test_accessCodes(data) {
        if (data.mirror)
            cabinetManager.orientationId = 34
        if (data.dez) {
            cabinetManager.customerId = 3
            configManager.passwdL1 = "9157"
        }
        var list = openServiceList()
        var language = child("languagesPanel")
        var sound = child("soundTestPanel")
        verify(language.itemLocked)
        verify(sound.itemLocked)
        verify(!findChild(language, "lockFrame").visible)
        enterPin(language, data.code)
        compare(language.itemLocked, !data.opens)
        compare(sound.itemLocked, !data.all)
        compare(findChild(language, "lockFrame").visible, data.opens)
        if (data.opens)
            compare(language.unlockedLevel, data.level)
        compare(callLog.argsOf("configManager.passcodeEntered"), [["LanguagePanel", data.level, data.opens]])
        var message = findChild(window.contentItem, "messageDialog")
        compare(message !== null && message.visible && message.theText === "All service panels unlocked!", data.all === true)

        // Leaving the list locks the page again and reports it.
        list.close()
        verify(language.itemLocked)
        compare(callLog.count("configManager.programModeExited") > 0, data.opens)
    }

    function test_tooManyFailures() {
        openServiceList()
        var language = child("languagesPanel")
        for (var i = 0; i < 5; ++i)
            enterPin(language, "1")
        compare(findChild(window.contentItem, "messageDialog"), null)
        enterPin(language, "2")
        compare(child("messageDialog").theText, "Too many failed attempts.\nCall service.")
        host("messageDialog").visible = false
        // From now on the list answers with the message, not the pad.
        language.askForPinPad()
        verify(!host("numericInputPanel").visible)
        compare(child("messageDialog").theText, "Too many failed attempts.\nCall service.")
    }

    function test_logoTapsResetThePin_data() {
        return [
            { tag: "twelve quick taps", taps: 12, gapMs: 50, reset: true },
            { tag: "eleven taps", taps: 11, gapMs: 50, reset: false },
            { tag: "a pause breaks the count", taps: 12, gapMs: 50, pauseAt: 6, reset: false },
        ]
    }
    function test_logoTapsResetThePin(data) {
        openServiceList()
        for (var i = 0; i < data.taps; ++i) {
            if (i === data.pauseAt)
                wait(700)
            tap("serviceLogo")
            wait(data.gapMs)
        }
        compare(callLog.count("configManager.resetPasswdL1"), data.reset ? 1 : 0)
        var message = findChild(window.contentItem, "messageDialog")
        compare(message !== null && message.theText === "Manager's PIN# was reset.", data.reset)
    }

    // A page with changes holds the list: no swipe and no return.
    function test_modifiedPageHoldsTheList() {
        openServiceList()
        var list = child("pageList")
        verify(list.interactive)
        verify(child("returnButton").enabled)
        list.currentItem.itemModified = true
        verify(!list.interactive)
        verify(!child("returnButton").enabled)
        compare(list.currentItem.itemActive, true)
        list.currentItem.itemModified = false
        list.incrementCurrentIndex()
        tryCompare(list, "moving", false)
        compare(child("languagesPanel").itemActive, list.currentItem === child("languagesPanel"))
        compare(list.currentItem.itemActive, true)
    }

    // Another display lists the page but never opens it, not even with
    // the code that opens everything.
    function test_languagePageLockedElsewhere() {
        cabinetManager.iAmMaster = false
        openServiceList()
        var page = showPage("languagesPanel")
        compare(page.lockLevel, -1)
        mouseClick(page, 50, 50)
        verify(!host("numericInputPanel").visible)
        enterPin(child("soundTestPanel"), "306749")
        verify(!child("soundTestPanel").itemLocked)
        verify(page.itemLocked)
    }

    // --- Utilities and Zone Diagnostics --------------------------------

    // Utilities stands at both ends of the list, Zone Diagnostics after the
    // first; a change on Utilities holds the list like any page's.
    function test_utilitiesAtBothEnds() {
        var list = openServiceList()
        var pages = child("pageList").model
        var first = pages.get(0)
        var last = pages.get(pages.count - 1)
        compare([first.objectName, pages.get(1).objectName, last.objectName],
                ["utilitiesFirst", "zoneDiagnostics", "utilitiesLast"])
        compare([first.itemName, first.lockLevel, last.itemName, last.lockLevel], ["DemoModeItem", 2, "DemoModeItem", 2])
        compare([pages.get(1).itemName, pages.get(1).lockLevel], ["ZonesHeatersServiceItem", 2])
        verify(first.itemLocked && last.itemLocked && pages.get(1).itemLocked)
        verify(first.page.reportsScreenshotExport)
        verify(!last.page.reportsScreenshotExport)
        enterPin(first, "527184")
        verify(!first.itemLocked)
        verify(first.page.unlocked)
        first.page.change(function () { first.page.demoModeFlag = !first.page.demoModeFlag })
        verify(first.itemModified)
        verify(!child("pageList").interactive)
        verify(!child("returnButton").enabled)
    }

    function test_zoneDiagnosticsWhileHolding_data() {
        return [
            { tag: "idle asks for the code", holding: false },
            { tag: "holding refuses", holding: true },
        ]
    }
    function test_zoneDiagnosticsWhileHolding(data) {
        openServiceList()
        var page = showPage("zoneDiagnostics")
        cabinetManager.activelyHolding = data.holding
        page.askForPinPad()
        compare(host("numericInputPanel").visible, !data.holding)
        var message = findChild(window.contentItem, "messageDialog")
        compare(message !== null && message.visible && message.theText === "Heater test unavailable<br>while timers are active!",
                data.holding)
        verify(page.itemLocked)
    }

    // What the Utilities page asks for (its buttons' signals, under test
    // with the page) opens over the list: the colour test, the skin panel
    // and the file export screen.
    function test_utilitiesOpensItsTools_data() {
        return [
            { tag: "screen test", request: "screenTestRequested", screen: "screenColorTestPanel" },
            { tag: "skin", request: "skinPanelRequested", screen: "uiSkinPanel" },
            { tag: "files", request: "filesDialogRequested", screen: "filesImportExportItem" },
        ]
    }
    function test_utilitiesOpensItsTools(data) {
        openServiceList()
        var shown = function () {
            var screen = findChild(window.contentItem, data.screen)
            return screen !== null && screen.visible
        }
        verify(!shown())
        child("utilitiesLast").page[data.request]()
        tryVerify(shown, 1000, data.screen + " not shown")
    }

    // --- The Language page ---------------------------------------------

    function openLanguagePage() {
        openServiceList()
        var page = showPage("languagesPanel")
        enterPin(page, "9157")
        verify(!page.itemLocked)
        return page
    }
    function test_languageInUseStaysUsed() {
        configManager.usedLanguages = 0x3
        var page = openLanguagePage()
        compare(page.currentRow, 0)
        tap("languageCheck0")
        verify(page.usedLanguagesList[0].used)
        verify(!page.changes)
        // Its name cannot be touched either; another row's toggles.
        tap("languageName0")
        verify(page.usedLanguagesList[0].used)
        tap("languageName1")
        verify(!page.usedLanguagesList[1].used)
        verify(page.changes)
        verify(page.itemModified)
        // A row without its translation cannot be toggled by its name.
        tap("languageName2")
        verify(!page.usedLanguagesList[2].used)
        tap("languageCheck2")
        verify(page.usedLanguagesList[2].used)
    }

    function test_languageAccept_data() {
        return [
            { tag: "lone primary display", master: true, mirror: false, secondary: false, sends: false },
            { tag: "with a mirror", master: true, mirror: true, secondary: false, sends: true },
            { tag: "with a secondary", master: true, mirror: false, secondary: true, sends: true },
        ]
    }
    function test_languageAccept(data) {
        cabinetManager.iAmMaster = data.master
        cabinetManager.hasMirrorDisplay = data.mirror
        cabinetManager.hasSecondaryDisplay = data.secondary
        configManager.usedLanguages = 0x1
        openServiceList()
        var page = showPage("languagesPanel")
        enterPin(page, "9157")
        tap("languageCheck1")
        var accept = findChild(page, "acceptButton")
        mouseClick(accept, accept.width / 2, accept.height / 2)
        compare(callLog.argsOf("configManager.setLanguageIsUsed"), [[0, true], [1, true], [2, false]])
        compare(callLog.argsOf("tro.setLanguage"), [[0]])
        compare(callLog.count("configManager.saveConfigFile"), 1)
        compare(callLog.count("cabinetManager.sendLanguageSettingsData"), data.sends ? 1 : 0)
        verify(!page.changes)
    }

    // --- Home and lock screens -----------------------------------------

    function test_homeQuadrants_data() {
        return [
            { tag: "holding view", quadrant: "pressAndGoQuadrant", page: "pgMainGrid", calls: ["vki.aKeyWasPressed"] },
            { tag: "cook book", quadrant: "cookbookQuadrant", page: "productsListPanel",
              calls: ["vki.aKeyWasPressed", "daypartManager.dayPartEditInitialize", "menuManager.initializeEditDataModels",
                      "menuManager.sortProductEditModel", "menuManager.sortGroupEditModel",
                      "menuManager.initializeDayPartEditModel"] },
            { tag: "updates", quadrant: "updatesQuadrant", page: "updatesListView", calls: ["vki.aKeyWasPressed"] },
            { tag: "updates while holding", quadrant: "updatesQuadrant", holding: true, page: "homeScreen", calls: [],
              message: "Tavolen Import Unavailable<br>while timers are active!" },
            // The list opens on Utilities, so the error log is not read; the
            // network page reads the network set-up when the list is made.
            { tag: "service, opening on Utilities", quadrant: "settingsQuadrant", page: "settingsPanel",
              calls: ["vki.aKeyWasPressed", "configManager.reLoadNetworkDeviceConfig"], current: "utilitiesFirst" },
        ]
    }
    function test_homeQuadrants(data) {
        cabinetManager.activelyHolding = data.holding === true
        createWindow()
        child("mainPanel").showHomeScreen()
        callLog.clear()
        tap(data.quadrant)
        compare(shownPage(), data.page)
        compare(callLog.names(), data.calls)
        if (data.message)
            compare(child("messageDialog").theText, data.message)
        if (data.current)
            compare(child("pageList").currentItem.objectName, data.current)
    }

    function test_homeLogoScreenshot_data() {
        return [
            { tag: "enabled", enabled: true, shots: 1 },
            { tag: "disabled", enabled: false, shots: 0 },
        ]
    }
    function test_homeLogoScreenshot(data) {
        createWindow()
        window.screenshotsEnabled = data.enabled
        child("mainPanel").showHomeScreen()
        var logo = child("homeLogo")
        mouseClick(logo, 10, 10)
        wait(600)
        compare(callLog.count("cabinetManager.screenShot"), 0)
        mouseDoubleClickSequence(logo, 10, 10)
        compare(callLog.count("cabinetManager.screenShot"), data.shots)
    }

    // Ten seconds, counted once from the first showing; touches go nowhere.
    function test_lockScreen() {
        createWindow()
        var lockHost = host("lockScreen")
        lockHost.visible = true
        var lock = lockHost.item
        var timer = lock.countTimer
        compare(lock.secondsLeft, 10)
        verify(timer.running)
        for (var i = 0; i < 4; ++i)
            timer.triggered()
        lockHost.visible = true
        compare(lock.secondsLeft, 6)
        // A touch where the dock's padlock lies reaches nothing.
        mouseClick(lock, 45, 45)
        compare(callLog.names(), [])
        for (i = 0; i < 6; ++i)
            timer.triggered()
        verify(!lockHost.visible)
        verify(!timer.running)
    }
}
