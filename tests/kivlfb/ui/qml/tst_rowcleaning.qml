import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml"

// The row management panel with its zone rows, and the cleaning pop-up and
// panel, each in the main window, with screenshots for a person to look at.
TestCase {
    id: testCase
    name: "RowManagementAndCleaning"
    when: windowShown
    visible: true
    width: 800
    height: 480

    property var window: null

    Component {
        id: zoneOptionsComponent
        ZoneOptionsView {
            width: 710
            height: 100
        }
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
    function childOf(item, objectName) {
        var found = findChild(item, objectName)
        verify(found, "no item named " + objectName)
        return found
    }
    function child(objectName) {
        return childOf(window.contentItem, objectName)
    }
    function createWindow() {
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        tryCompare(window.contentItem, "width", window.width)
        return window
    }
    function host(name) {
        var panel = child("mainPanel")
        for (var i = 0; i < panel.children.length; ++i)
            if (panel.children[i].name === name)
                return panel.children[i]
        verify(false, "no host for " + name)
    }
    function tapItem(item) {
        mouseClick(item, item.width / 2, item.height / 2)
    }
    function tap(objectName) {
        tapItem(child(objectName))
    }
    function shoot(name) {
        waitForRendering(window.contentItem)
        verify(screenshots.saveUpright(child("mainPanel"), name) !== "", "no screenshot of " + name)
    }
    // Answers the window's shared question and checks what it asked.
    function answer(text, accept) {
        // The host's own: a dialog answered before may not be gone yet.
        var dialog = host("acceptCancelDialog").item
        verify(dialog && dialog.visible, "no question asked")
        compare(dialog.theText, text)
        compare(dialog.theTitle, "")
        tapItem(childOf(dialog, accept ? "acceptButton" : "cancelButton"))
    }

    // ------------------------------------------------------------------
    // One zone's row.

    function zoneRow(properties) {
        if (cabinetManager.zonesModelList.length === 0)
            cabinetManager.buildCabinet(2, 1, 4)
        var props = properties || {}
        props.zoneObject = cabinetManager.zonesModelList[1]
        var view = createTemporaryObject(zoneOptionsComponent, testCase, props)
        verify(view)
        return view
    }
    function names(view) {
        var list = view.chooser
        var found = []
        for (var i = 0; i < list.count; ++i)
            found.push(list.model.get(i).name)
        return found
    }

    function test_ecoAndPowerButtons_data() {
        return [
            { tag: "both off", eco: false, off: false, holding: false, ecoOn: true, powerOn: true },
            { tag: "eco on", eco: true, off: false, holding: false, ecoOn: true, powerOn: false },
            { tag: "powered off", eco: false, off: true, holding: false, ecoOn: false, powerOn: true },
            { tag: "actively holding", eco: false, off: false, holding: true, ecoOn: false, powerOn: false },
        ]
    }
    function test_ecoAndPowerButtons(data) {
        var view = zoneRow()
        var zone = view.zoneObject
        zone.ecoModeEnabled = data.eco
        zone.heatOffEnabled = data.off
        zone.activelyHolding = data.holding
        var eco = childOf(view, "ecoButton")
        var power = childOf(view, "powerButton")
        compare(eco.opacity, data.ecoOn ? 1 : 0.25)
        compare(power.opacity, data.powerOn ? 1 : 0.25)
        compare(eco.source.toString().indexOf(data.eco ? "ecoButton.png" : "EcoButtonClear.png") >= 0, true)
        compare(power.source.toString().indexOf(data.off ? "PowerOff.png" : "PowerOn.png") >= 0, true)

        tapItem(eco)
        compare(zone.ecoModeEnabled, data.ecoOn ? !data.eco : data.eco)
        compare(callLog.argsOf("cabinetManager.sendZoneEcoModeToRemoteDisplay"), data.ecoOn ? [[1, !data.eco]] : [])
        zone.ecoModeEnabled = data.eco
        tapItem(power)
        compare(zone.heatOffEnabled, data.powerOn ? !data.off : data.off)
        compare(callLog.argsOf("cabinetManager.sendZoneOffModeToRemoteDisplay"), data.powerOn ? [[1, !data.off]] : [])
    }

    function test_barOverTheChooserEndsBoth() {
        var view = zoneRow()
        var bar = childOf(view, "ecoOffBar")
        verify(!bar.visible)
        view.zoneObject.ecoModeEnabled = true
        verify(bar.visible)
        verify(Qt.colorEqual(bar.color, "#197d4b"))
        tapItem(bar)
        verify(!view.zoneObject.ecoModeEnabled && !view.zoneObject.heatOffEnabled)
        compare(callLog.names().filter(function (n) { return n.indexOf("cabinetManager.") === 0 }),
                ["cabinetManager.sendZoneEcoModeToRemoteDisplay", "cabinetManager.sendZoneOffModeToRemoteDisplay"])
        compare(callLog.argsOf("cabinetManager.sendZoneOffModeToRemoteDisplay"), [[1, false]])
        verify(!bar.visible)
    }

    function test_dayPartList_data() {
        return [
            { tag: "three in use", inUse: [0, 1, 2], next: 1,
              names: ["Day part 2", "Day part 0", "Day part 1", "Day part 2", "Day part 0"],
              index: 1, current: 2, dots: 3, swipeable: true },
            { tag: "one in use", inUse: [3], next: 3,
              names: ["Day part 3", "Day part 3", "Day part 3"], index: 0, current: 1, dots: 1, swipeable: false },
            { tag: "next not in use", inUse: [0, 2], next: 1,
              names: ["Day part 2", "Day part 0", "Day part 2", "Day part 0"], index: -1, current: 1, dots: 2,
              swipeable: true },
            { tag: "none in use", inUse: [], next: 0, names: [], index: -1, current: -1, dots: 0, swipeable: false },
        ]
    }
    function test_dayPartList(data) {
        daypartManager.dayPartsToUse = data.inUse
        cabinetManager.buildCabinet(2, 1, 4)
        cabinetManager.zonesModelList[1].nextDayPart = data.next
        var view = zoneRow()
        compare(names(view), data.names)
        compare(view.dayPartIndex, data.index)
        compare(view.chooser.currentIndex, data.current)
        compare(childOf(view, "dayPartDots").children.length - 1, data.dots)
        compare(view.chooser.interactive, data.swipeable)
    }

    // Each swipe is ended as the list ends it, at the entry it stopped on.
    function swipeTo(view, index) {
        view.chooser.currentIndex = index
        view.swipeEnded()
    }
    function test_swipesSettleOnceToTheLastChoice_data() {
        return [
            { tag: "primary display", primary: true },
            { tag: "secondary display", primary: false },
        ]
    }
    function test_swipesSettleOnceToTheLastChoice(data) {
        cabinetManager.iAmMaster = data.primary
        daypartManager.dayPartsToUse = [4, 5, 6]
        var view = zoneRow()
        var zone = view.zoneObject
        zone.nextDayPart = 4
        view.initializeDayPartEditView()
        compare(view.chooser.currentIndex, 1)
        swipeTo(view, 2)
        verify(view.settleTimer.running)
        // Onto the copy of the first entry: back to the first itself.
        swipeTo(view, 4)
        compare(view.chooser.currentIndex, 1)
        swipeTo(view, 0)
        compare(view.chooser.currentIndex, 3)
        compare(callLog.calls.length, 0)
        tryCompare(view.settleTimer, "running", false, 2000)
        if (data.primary) {
            compare(callLog.argsOf("zone1.set_nextDayPart"), [[6]])
            compare(zone.nextDayPart, 6)
            compare(callLog.count("cabinetManager.sendZoneDayPartRequest"), 0)
        } else {
            compare(callLog.argsOf("cabinetManager.sendZoneDayPartRequest"), [[1, 6]])
            // The zone's value waits for the primary display's answer.
            compare(zone.nextDayPart, 4)
            compare(callLog.count("zone1.set_nextDayPart"), 0)
        }
        compare(view.dayPartIndex, 2)
        // Settling where it already stands changes nothing.
        view.settle()
        compare(callLog.calls.length, 1)
    }

    function test_realSwipeSettles() {
        daypartManager.dayPartsToUse = [0, 1]
        var view = zoneRow()
        var list = view.chooser
        compare(list.currentIndex, 1)
        mouseDrag(list, list.width * 0.9, list.height / 2, -list.width * 0.7, 0)
        tryCompare(list, "currentIndex", 2, 3000)
        tryVerify(function () { return callLog.count("zone1.set_nextDayPart") === 1 }, 5000)
        compare(callLog.argsOf("zone1.set_nextDayPart"), [[1]])
    }

    function test_followsChangesFromOutside() {
        daypartManager.dayPartsToUse = [0, 1, 2]
        var view = zoneRow()
        view.zoneObject.set_nextDayPart(2)
        compare(view.dayPartIndex, 2)
        compare(view.chooser.currentIndex, 3)
        daypartManager.set_nextDayPart(1)
        compare(view.dayPartIndex, 1)
        compare(view.chooser.currentIndex, 2)
        // A day part that is not in use moves nothing.
        view.zoneObject.nextDayPart = 9
        compare(view.dayPartIndex, 1)
        // The list is rebuilt on a new day-parts file and a language change.
        daypartManager.dayPartsToUse = [7, 2]
        daypartManager.daypartsFileLoadDone()
        compare(names(view), ["Day part 2", "Day part 7", "Day part 2", "Day part 7"])
        tro.languageChanged(1)
        compare(view.chooser.count, 4)
    }

    // ------------------------------------------------------------------
    // The panel in the window.

    function openRowManagement(portrait) {
        cabinetManager.orientationPortrait = portrait
        cabinetManager.pressGoDockPosition = portrait ? 1 : 0
        cabinetManager.advancedZoneOptionsEnable = true
        configManager.advancedZoneOptionsEnable = true
        cabinetManager.shelfNumbersEnable = true
        daypartManager.dayPartsToUse = [0, 1, 2]
        cabinetManager.buildCabinet(5, 1, 4)
        cabinetManager.zonesModelList[1].ecoModeEnabled = true
        cabinetManager.zonesModelList[3].heatOffEnabled = true
        cabinetManager.zonesModelList[4].activelyHolding = true
        cabinetManager.zonesModelList[2].nextDayPart = 2
        createWindow()
        tap("rowOptionsButton")
        verify(host("rowManagementPanel").visible)
        verify(!child("pgMainGrid").visible)
        return child("rowManagementPanel")
    }
    function test_rowManagementPanel_data() {
        return [
            { tag: "landscape", portrait: false, zoneWidth: 710 },
            { tag: "portrait", portrait: true, zoneWidth: 480 },
        ]
    }
    function test_rowManagementPanel(data) {
        var panel = openRowManagement(data.portrait)
        for (var z = 0; z < 5; ++z) {
            var row = childOf(panel, "zoneOptions" + z)
            compare(row.zoneObject, cabinetManager.zonesModelList[z])
            compare(row.width, data.zoneWidth)
            compare(row.height, cabinetManager.getUiTrayHeight())
        }
        compare(childOf(panel, "zoneOptions2").dayPartIndex, 2)
        shoot("rowmanagement-" + data.tag)

        // The day-part selector opens over the panel; return waits for it to close.
        tap("rowDayPartButton")
        verify(child("mainPanel").dayPartSelectorOpen)
        verify(host("dayPartOverlay").z > host("rowManagementPanel").z)
        verify(!childOf(panel, "rowReturnButton").area.enabled)
        tap("rowDayPartButton")

        tap("rowReturnButton")
        answer("Exit Row Management?", false)
        verify(host("rowManagementPanel").visible)
        tap("rowReturnButton")
        answer("Exit Row Management?", true)
        verify(!host("rowManagementPanel").visible)
        verify(child("pgMainGrid").visible)
    }

    // Every showing rebuilds the rows' day-part lists.
    function test_rowsRebuiltOnEveryShowing() {
        var panel = openRowManagement(false)
        compare(childOf(panel, "zoneOptions0").chooser.count, 5)
        host("rowManagementPanel").visible = false
        daypartManager.dayPartsToUse = [0, 1]
        host("rowManagementPanel").visible = true
        compare(childOf(panel, "zoneOptions0").chooser.count, 4)
    }

    // ------------------------------------------------------------------
    // Cleaning.

    function openCleaningMenu(portrait) {
        cabinetManager.orientationPortrait = portrait
        cabinetManager.pressGoDockPosition = portrait ? 1 : 0
        cabinetManager.cleaningModeEnable = true
        createWindow()
        tap("cleanButton")
        verify(host("cleaningOverlay").visible)
        return child("cleaningOptionsPanel")
    }
    function test_cleaningButton_data() {
        return [
            { tag: "nothing holding", holding: false },
            { tag: "a timer running", holding: true },
        ]
    }
    function test_cleaningButton(data) {
        cabinetManager.activelyHolding = data.holding
        var popup = openCleaningMenu(false)
        tapItem(childOf(popup, "cleaningModeButton"))
        verify(!host("cleaningOverlay").visible)
        if (data.holding) {
            verify(host("messageDialog").visible)
            compare(host("messageDialog").item.theText, "Cannot start clean mode with active timer")
            verify(host("messageDialog").item.showCloseButton)
            verify(!host("acceptCancelDialog").visible)
        } else {
            verify(!host("messageDialog").visible)
            answer("Enter Cleaning Mode?", true)
        }
        compare(callLog.names().filter(function (n) { return n.indexOf("Cleaning") >= 0 }),
                data.holding ? [] : ["cabinetManager.startCleaningMode", "cabinetManager.sendCleaningModeToRemoteDisplay"])
    }
    function test_cleaningMenuLocksTheScreen() {
        var popup = openCleaningMenu(false)
        tapItem(childOf(popup, "screenLockButton"))
        verify(host("lockScreen").visible)
        verify(!host("cleaningOverlay").visible)
        compare(callLog.count("cabinetManager.cancelSuggetCleanMode"), 1)
    }
    function test_cleaningButtonHiddenOrBlocked() {
        var popup = openCleaningMenu(false)
        var button = childOf(popup, "cleaningModeButton")
        child("mainPanel").dayPartSelectorOpen = true
        verify(!button.enabled)
        child("mainPanel").dayPartSelectorOpen = false
        cabinetManager.cleaningModeEnable = false
        verify(!button.visible)
    }

    function showCleaningPanel(portrait) {
        cabinetManager.orientationPortrait = portrait
        createWindow()
        return host("cleaningPanel").show()
    }
    // The bar is drawn from the right edge; its width eases in over a second.
    function test_coolingBarWidth_data() {
        return [
            { tag: "twice the cleaning temperature", temp: 250, share: 0.5 },
            { tag: "at the cleaning temperature", temp: 125, share: 1 },
            { tag: "far above", temp: 500, share: 0.25 },
            { tag: "below it", temp: 100, share: 1 },
            { tag: "no zones", temp: 0, share: 1 },
            { tag: "negative reading", temp: -40, share: 1 },
        ]
    }
    function test_coolingBarWidth(data) {
        var panel = showCleaningPanel(false)
        var bevel = childOf(panel, "cleaningBevel")
        var bar = childOf(panel, "coolingBar")
        cabinetManager.coolingDownTemp = data.temp
        panel.pollTimer.triggered()
        compare(panel.coolDownTemp, data.temp)
        compare(panel.barWidth, bevel.width * data.share)
        tryCompare(bar, "width", bevel.width * data.share, 3000)
        compare(bar.x + bar.width, bevel.width)
    }
    // Ended on another display, the panel is only hidden and keeps the last
    // reading; shown again, it must still draw inside the bevel.
    function test_reentryAfterExitElsewhere() {
        createWindow()
        cabinetManager.cleaningStarted()
        var panel = host("cleaningPanel").item
        verify(panel && panel.visible)
        var bevel = childOf(panel, "cleaningBevel")
        cabinetManager.coolingDownTemp = 100
        cabinetManager.coolingDownDone = true
        panel.pollTimer.triggered()
        verify(panel.coolDownDone)
        cabinetManager.cleaningStopped()
        verify(!host("cleaningPanel").visible)
        verify(!panel.pollTimer.running)
        cabinetManager.cleaningStarted()
        verify(panel.visible && panel.pollTimer.running)
        compare(panel.coolDownTemp, 100)
        verify(panel.barWidth <= bevel.width && panel.barWidth >= 0)
        compare(childOf(panel, "cleaningStateText").text, "Cooling Down")
    }
    function test_coolingThenSafe_data() {
        return [
            { tag: "landscape", portrait: false },
            { tag: "portrait", portrait: true },
        ]
    }
    function test_coolingThenSafe(data) {
        var panel = showCleaningPanel(data.portrait)
        var text = childOf(panel, "cleaningStateText")
        compare(text.text, "Cooling Down")
        verify(Qt.colorEqual(childOf(panel, "cleaningFill").color, "yellow"))
        cabinetManager.coolingDownTemp = 180
        // The poll runs by itself while the panel shows.
        tryCompare(panel, "coolDownTemp", 180, 2000)
        tryCompare(childOf(panel, "coolingBar"), "width", panel.barWidth, 3000)
        shoot("cleaning-cooling-" + data.tag)
        cabinetManager.coolingDownDone = true
        cabinetManager.coolingDownTemp = 120
        tryCompare(text, "text", "Safe to Clean", 2000)
        verify(Qt.colorEqual(childOf(panel, "cleaningFill").color, "black"))
        verify(!childOf(panel, "coolingBar").visible)
        shoot("cleaning-safe-" + data.tag)
    }
    function test_exitCleaningMode() {
        var panel = showCleaningPanel(false)
        cabinetManager.coolingDownDone = true
        cabinetManager.coolingDownTemp = 110
        panel.pollTimer.triggered()
        tap("cleaningReturnButton")
        answer("Exit Cleaning Mode?", false)
        verify(host("cleaningPanel").visible)
        compare(callLog.count("cabinetManager.exitCleaningMode"), 0)
        tap("cleaningReturnButton")
        answer("Exit Cleaning Mode?", true)
        verify(!host("cleaningPanel").visible)
        compare(callLog.names().filter(function (n) { return n.indexOf("Cleaning") >= 0 }),
                ["cabinetManager.exitCleaningMode", "cabinetManager.sendCleaningModeToRemoteDisplay"])
        compare(callLog.argsOf("cabinetManager.sendCleaningModeToRemoteDisplay"), [[false]])
        // Entering again starts over.
        cabinetManager.coolingDownDone = false
        host("cleaningPanel").visible = true
        compare(childOf(panel, "cleaningStateText").text, "Cooling Down")
        compare(panel.coolDownTemp, 250)
    }
    function test_cleaningPanelLocksTheScreen() {
        showCleaningPanel(false)
        tap("cleaningLockButton")
        verify(host("lockScreen").visible)
        compare(callLog.count("cabinetManager.cancelSuggetCleanMode"), 1)
    }

    function test_cleaningPopUpScreenshots_data() {
        return [
            { tag: "landscape", portrait: false },
            { tag: "portrait", portrait: true },
        ]
    }
    function test_cleaningPopUpScreenshots(data) {
        openCleaningMenu(data.portrait)
        shoot("cleaning-popup-" + data.tag)
        tap("cleaningModeButton")
        verify(host("acceptCancelDialog").visible)
        shoot("cleaning-question-" + data.tag)
    }
}
