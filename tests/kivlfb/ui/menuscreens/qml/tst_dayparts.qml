import QtQuick 2.15
import QtTest 1.15

Item {
    id: stage
    width: 800
    height: 480

TestCase {
    name: "DayParts"
    when: windowShown

    property var screen: null

    SignalSpy { id: selectedSpy; signalName: "dayPartSelectedSignal" }

    function make(file, props, w, h) {
        stage.width = w || 800
        stage.height = h || 480
        var component = Qt.createComponent("qrc:///qml/" + file)
        compare(component.status, Component.Ready, component.errorString())
        screen = component.createObject(stage, props || {})
        verify(screen)
        return screen
    }
    function find(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = find(item.children[i], name)
            if (found)
                return found
        }
        if (item.contentItem && item.contentItem !== item)
            return find(item.contentItem, name)
        return null
    }
    function tap(item) {
        verify(item)
        mouseClick(item, item.width / 2, item.height / 2)
    }
    function calls(name) { return callLog.count(name) }

    function init() {
        verify(harness.reset())
        selectedSpy.clear()
    }
    function cleanup() {
        if (screen)
            screen.destroy()
        screen = null
    }

    // ---- pop-up ----

    function buttonNames() {
        var names = []
        for (var dp = 0; dp < 10; ++dp) {
            var b = find(screen, "dayPartButton" + dp)
            if (b)
                names.push(b.children[0].text)
        }
        return names
    }

    function test_popUpButtons() {
        daypartManager.dayPartsToUse = [0, 2]
        daypartManager.dayPartNames = ["Breakfast", "Lunch", "Dinner"]
        daypartManager.nextDayPart = 2
        make("DayPartSelectPanel.qml")
        selectedSpy.target = screen
        compare(buttonNames(), ["Breakfast", "Dinner"])
        verify(!find(find(screen, "dayPartButton0"), "underline").visible)
        verify(find(find(screen, "dayPartButton2"), "underline").visible)
        // Four-button height: 35 + 2 * 50 + 20 + 40.
        compare(screen.height, 195)
        waitForRendering(screen)
        tap(find(screen, "dayPartButton2"))
        compare(selectedSpy.count, 1)
        compare(selectedSpy.signalArguments[0][0], 2)
    }

    function test_popUpFollowsTheManager() {
        daypartManager.dayPartsToUse = [0, 2]
        make("DayPartSelectPanel.qml")
        daypartManager.dayPartsToUse = [1, 2, 3]
        compare(buttonNames().length, 2, "no re-read without a signal")
        daypartManager.reloadDaypartsInUse()
        compare(buttonNames(), ["Day part 1", "Day part 2", "Day part 3"])
        daypartManager.dayPartNames = ["Desayuno", "Almuerzo", "Cena", "Tarde"]
        configManager.languageId = "spa"
        compare(buttonNames(), ["Almuerzo", "Cena", "Tarde"])
        daypartManager.dayPartsToUse = [3]
        daypartManager.daypartsFileLoadDone()
        compare(buttonNames(), ["Tarde"])
    }

    function test_popUpPictures_data() {
        return [ { tag: "landscape", portrait: false }, { tag: "portrait", portrait: true } ]
    }
    function test_popUpPictures(data) {
        daypartManager.dayPartsToUse = [0, 1, 3]
        daypartManager.dayPartNames = ["Breakfast", "Lunch", "Dinner", "Late night"]
        daypartManager.nextDayPart = 1
        var w = data.portrait ? 480 : 800, h = data.portrait ? 800 : 480
        make("DayPartSelectPanel.qml", { portrait: data.portrait, stemHeight: 40,
                                         x: data.portrait ? 0 : 90, y: data.portrait ? 300 : 80 }, w, h)
        waitForRendering(screen)
        screenshots.save(stage, "dayPartSelectPanel-" + data.tag)
    }

    // ---- the Day-Parts page ----

    function ticks() {
        var t = []
        for (var dp = 0; dp < daypartManager.dayPartsCount; ++dp)
            t.push(find(find(screen, "dayPartRow" + dp), "tick").is_checked)
        return t
    }
    function labels() {
        var t = []
        for (var dp = 0; dp < daypartManager.dayPartsCount; ++dp)
            t.push(find(find(screen, "dayPartRow" + dp), "tick").label)
        return t
    }
    function tick(dp) { tap(find(find(screen, "dayPartRow" + dp), "tick")) }
    function buttons() { return find(screen, "acceptCancel") }

    function makePage() {
        daypartManager.dayPartsToUse = [0, 2]
        daypartManager.dayPartNames = ["Breakfast", "Lunch", "Dinner", "Late"]
        daypartManager.nextDayPart = 0
        make("DaypartsToUsePanel.qml", { width: 800, height: 480 })
        verify(screen.itemLocked)
        // The service list unlocks a page once the access code is given.
        if (cabinetManager.iAmMaster)
            screen.itemLocked = false
        waitForRendering(screen)
        return screen
    }

    function test_pageReadsAndTicks() {
        makePage()
        compare(screen.lockLevel, 1)
        compare(ticks(), [true, false, true, false])
        compare(labels(), ["Breakfast", "Lunch", "Dinner", "Late"])
        verify(!buttons().enabled)
        // The day part being held keeps its tick.
        tick(0)
        compare(ticks(), [true, false, true, false])
        verify(!screen.changesFlag)
        tick(3)
        compare(ticks(), [true, false, true, true])
        verify(screen.changesFlag)
        verify(screen.itemModified)
        verify(buttons().enabled)
        compare(daypartManager.dayPartsToUse, [0, 2], "nothing reaches the manager before accept")
    }

    function test_acceptNeedsATick() {
        makePage()
        daypartManager.nextDayPart = 5
        tick(0)
        verify(buttons().enabled)
        tick(2)
        compare(ticks(), [false, false, false, false])
        verify(!buttons().enabled)
    }

    function test_acceptSaves() {
        makePage()
        tick(2)
        tick(1)
        tap(find(buttons(), "acceptButton"))
        compare(daypartManager.dayPartsToUse, [0, 1])
        compare(calls("daypartManager.saveDayPartsUsed"), 1)
        verify(!screen.changesFlag)
        compare(ticks(), [true, true, false, false])
    }

    function test_languageChangeKeepsTicksAndTheSavedList() {
        makePage()
        var popup = Qt.createComponent("qrc:///qml/DayPartSelectPanel.qml").createObject(stage)
        tick(1)
        tick(2)
        daypartManager.dayPartNames = ["Desayuno", "Almuerzo", "Cena", "Tarde"]
        tro.setLanguage(1)
        configManager.languageId = "spa"
        compare(labels(), ["Desayuno", "Almuerzo", "Cena", "Tarde"])
        compare(ticks(), [true, true, false, false], "unaccepted ticks stay")
        verify(screen.changesFlag)
        compare(daypartManager.dayPartsToUse, [0, 2], "the manager keeps the saved list")
        compare(calls("daypartManager.setIsUsedDayPart"), 0)
        var names = []
        for (var dp = 0; dp < 4; ++dp) {
            var b = find(popup, "dayPartButton" + dp)
            if (b) names.push(b.children[0].text)
        }
        compare(names, ["Desayuno", "Cena"], "the pop-up shows the saved list")
        popup.destroy()

        tap(find(buttons(), "cancelButton"))
        compare(ticks(), [true, false, true, false], "cancel restores the saved ticks")
        verify(!screen.changesFlag)
        compare(calls("daypartManager.saveDayPartsUsed"), 0)
    }

    function test_languageChangeThenAccept() {
        makePage()
        tick(1)
        daypartManager.dayPartNames = ["Desayuno", "Almuerzo", "Cena", "Tarde"]
        configManager.languageId = "spa"
        tap(find(buttons(), "acceptButton"))
        compare(daypartManager.dayPartsToUse, [0, 1, 2])
        compare(calls("daypartManager.saveDayPartsUsed"), 1)
    }

    function test_pageOnAnotherDisplayNeverUnlocks() {
        cabinetManager.iAmMaster = false
        makePage()
        compare(screen.lockLevel, -1)
        var asked = 0
        screen.askForPinPad.connect(function () { ++asked })
        tick(1)
        compare(asked, 0)
        compare(ticks(), [true, false, true, false])
    }

    function test_serviceListHasThePage_data() {
        return [
            { tag: "GM", customer: 0, master: true, level: 1 },
            { tag: "ZuZ on another display", customer: 1, master: false, level: -1 },
            { tag: "DEZ", customer: 3, master: true, level: 0 },
        ]
    }
    function test_serviceListHasThePage(data) {
        cabinetManager.customerId = data.customer
        cabinetManager.iAmMaster = data.master
        make("ServiceListView.qml")
        var list = find(screen, "pageList")
        verify(list)
        var names = []
        for (var i = 0; i < list.model.count; ++i)
            names.push(list.model.get(i).objectName)
        var at = names.indexOf("dayPartsPage")
        if (data.level === 0) {
            compare(at, -1, names.join())
            return
        }
        compare(names[at - 1], "languagesPanel", "after Language")
        var page = list.model.get(at)
        compare(page.itemName, "Day-Parts")
        compare(page.lockLevel, data.level)
        verify(page.itemLocked)
    }

    function test_pagePictures_data() {
        return [ { tag: "landscape", w: 800, h: 480 }, { tag: "portrait", w: 480, h: 800 } ]
    }
    function test_pagePictures(data) {
        daypartManager.dayPartsCount = 6
        daypartManager.dayPartsToUse = [0, 2, 3]
        daypartManager.dayPartNames = ["Breakfast", "Lunch", "Dinner", "Late", "Night", "Brunch"]
        daypartManager.nextDayPart = 2
        stage.width = data.w
        stage.height = data.h
        screen = Qt.createComponent("qrc:///qml/DaypartsToUsePanel.qml").createObject(stage, { width: data.w, height: data.h })
        screen.itemLocked = false
        waitForRendering(screen)
        tick(5)
        waitForRendering(screen)
        screenshots.save(stage, "daypartsToUsePanel-" + data.tag)
    }
}
}
