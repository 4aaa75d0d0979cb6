import QtQuick 2.15
import QtTest 1.15
import KivDefs 1.0
import "qrc:///qml"
import "qrc:///qml/widgets"
import "qrc:///qml/menurules.js" as Rules

// The day-part pages of the menu editor on the program's own menu and
// day-part managers: what a page draws, what a touch offers, assigning and
// clearing positions, and the re-check after a product is saved.
Item {
    id: stage
    width: 800
    height: 480

    ScreenHost { id: questionHost; name: "acceptCancelDialog"; releasedWhenHidden: true; z: 10; AcceptCancelDialog { } }
    ScreenHost { id: entryHost; name: "numericInputPanel"; z: 10; NumericInputPanel { } }
    ScreenHost { id: messageHost; name: "messageDialog"; releasedWhenHidden: true; z: 10; MessageDialog { } }

    // Stands for the editor behind a page on its own.
    QtObject {
        id: recorder
        property var assigns: []
        property var removals: []
        function callAssignBin(dp, z, p, lower, upper, room, fan) {
            assigns.push({ dp: dp, z: z, p: p, lower: lower, upper: upper, room: room, fan: fan })
        }
        function callRemoveBinsAssignment(list) { removals.push(list) }
    }

TestCase {
    name: "DayPartPages"
    when: windowShown

    property var page: null
    property var panel: null
    SignalSpy { id: pinPadSpy; signalName: "askForPinPad" }

    // A menu document from [id, name, fraction, lower, upper, fan] rows,
    // with group 1073741825 "Quarters" holding the first product.
    function menuDoc(products) {
        var rows = [{ productId: 0, productName: { eng_USA: "" }, holdingTime: 0, warningTime: 0, lowerTemp: 0,
                      upperTemp: 0, fanSpeed: 100, resetTime: 0, lidType: "None", bottomType: "Normal", zoneSplits: "" }]
        for (var i = 0; i < products.length; ++i) {
            var p = products[i]
            rows.push({ productId: p[0], productName: { eng_USA: p[1] }, holdingTime: 1800, warningTime: 300,
                        lowerTemp: p[3], upperTemp: p[4], fanSpeed: p[5], resetTime: 300, lidType: "None",
                        bottomType: "Normal", zoneSplits: p[2], timerColor: "#fffffd", productLocked: false })
        }
        return JSON.stringify({ menuVersion: 1, products: rows, productGroups: [
            { groupName: { eng_USA: "Quarters" }, groupId: 1073741825, lowerTemp: 165, upperTemp: 200, fanSpeed: 80,
              lidType: "None", zoneSplits: products[0][2], defaultProd: 0, products: [{ productId: 1 }] }] })
    }
    function fourBinMenu() {
        return menuDoc([[1, "Quarter", "1/4", 165, 200, 80], [2, "Half", "1/2", 165, 200, 80],
                        [3, "Whole", "1/1", 165, 200, 80], [4, "Hot", "1/4", 170, 210, 80],
                        [5, "Warm", "1/4", 165, 200, 60]])
    }
    function threeBinMenu() {
        return menuDoc([[1, "Third", "1/3", 165, 200, 80], [2, "Half", "1/2", 165, 200, 80],
                        [3, "Whole", "1/1", 165, 200, 80], [4, "Hot", "1/3", 170, 210, 80]])
    }
    // A day-parts document: names by day part ("" for none) and the in-use flags.
    function dayPartsDoc(names, inUse) {
        var layout = []
        for (var d = 0; d < names.length; ++d) {
            var entry = { productLocations: [], inUse: inUse.indexOf(d) >= 0 }
            if (names[d] !== "")
                entry.daypartName = { eng_USA: names[d] }
            layout.push(entry)
        }
        return JSON.stringify({ dayPartVersion: 1, layout: layout })
    }
    function cabinet(rows, zonesPerRow, zones, trays, extra) {
        cabinetManager.numberOfRows = rows
        cabinetManager.zonesPerRow = zonesPerRow
        cabinetManager.numberOfZones = zones
        cabinetManager.traysPerZone = trays
        cabinetManager.traysPerCabinet = zones * trays
        cabinetManager.hasFan = true
        for (var k in extra)
            cabinetManager[k] = extra[k]
    }
    function place(dp, z, p, id) { daypartManager.dayPartEditSetProductId(dp, z, p, id) }

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
    function makePage(dp, w, h) {
        stage.width = w || 800
        stage.height = h || 480
        var component = Qt.createComponent("qrc:///qml/DayPartEditPanel.qml")
        compare(component.status, Component.Ready, component.errorString())
        page = component.createObject(stage, { width: stage.width, height: stage.height, dayPartIndex: dp || 0,
                                               itemLocked: false, host: recorder })
        verify(page)
        page.loadDayPartData()
        pinPadSpy.target = page
        waitForRendering(page)
        return page
    }
    function makePanel(w, h) {
        stage.width = w || 800
        stage.height = h || 480
        var component = Qt.createComponent("qrc:///qml/ProductsListPanel.qml")
        compare(component.status, Component.Ready, component.errorString())
        panel = component.createObject(stage, { productModel: productsEditModel, groupModel: groupsEditModel,
                                                questionDialog: questionHost, numberEntry: entryHost,
                                                messageHost: messageHost })
        verify(panel)
        entryHost.visible = false
        panel.lockPressed()
        // Customer DEZ's codes are compared as typed.
        entryHost.item.acceptVal(cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ ? configManager.passwdL2 : "527184")
        verify(!panel.productsLocked)
        panel.buttonPressed("dayPartsButton")
        waitForRendering(panel)
        return panel
    }
    function cell(owner, z, p) { return find(owner, "cell" + z + "_" + p) }
    function pageOf(index) { return find(panel, "dayPartPage" + index) }
    // The real (not wrap) page of a day part.
    function pageFor(dp) {
        for (var i = panel.firstRealPage; i < panel.firstRealPage + panel.realPageCount; ++i)
            if (pageOf(i).dayPartIndex === dp)
                return pageOf(i)
        return null
    }
    function assignWindow() { return find(panel, "assignWindow").form }
    // Names of the rows the assignment window lets the user choose.
    function offered() {
        var list = find(assignWindow(), "assignList")
        list.theListViewItem.forceLayout()
        var names = []
        for (var row = 0; row < dayPartsEditModel.rowCount(); ++row) {
            var r = find(list, "productRow" + row)
            verify(r, "row " + row)
            if (r.fits)
                names.push(menuManager.dayPartModelGetName(row))
        }
        return names.sort()
    }
    function messageText() { return messageHost.visible && messageHost.item ? messageHost.item.theText : "" }

    function init() {
        verify(harness.reset())
        recorder.assigns = []
        recorder.removals = []
        pinPadSpy.clear()
    }
    function cleanup() {
        if (page)
            page.destroy()
        if (panel)
            panel.destroy()
        page = null
        panel = null
        questionHost.visible = false
        entryHost.visible = false
        messageHost.visible = false
    }

    // A half pan of a four-bin zone covers two cells; a lone half pan of a
    // three-bin zone leaves one half-zone cell; a mirror display runs the
    // other way; a cabinet beyond 20 positions shows only the first 20.
    function test_cells_data() {
        return [
            { tag: "4 bins, 1/2 at 0", trays: 4, zones: 2, at: [[0, 0, 2]],
              cells: [[0, 0, true, 2, 0], [0, 1, false], [0, 2, true, 1, 2], [0, 3, true, 1, 3]] },
            { tag: "3 bins, lone 1/2", trays: 3, zones: 2, at: [[0, 0, 2]],
              cells: [[0, 0, true, 1.5, 0], [0, 1, true, 1.5, 1.5], [0, 2, false]] },
            { tag: "3 bins, mirror", trays: 3, zones: 2, extra: { mirrorDisplay: true }, at: [[0, 0, 3]],
              cells: [[0, 0, true, 3, 0], [0, 1, false], [1, 0, true, 1, 0]] },
            { tag: "3 bins, 7 zones", trays: 3, zones: 7, rows: 4, at: [[6, 1, 1]],
              cells: [[6, 0, true, 1, 0], [6, 1, true, 1, 1], [6, 2, false]] },
        ]
    }
    function test_cells(data) {
        cabinet(data.rows || 2, 1, data.zones, data.trays, data.extra)
        verify(realMenus.load(data.trays === 4 ? fourBinMenu() : threeBinMenu(), ""))
        for (var i = 0; i < data.at.length; ++i)
            place(0, data.at[i][0], data.at[i][1], data.at[i][2])
        makePage(0)
        for (i = 0; i < data.cells.length; ++i) {
            var c = data.cells[i]
            var item = cell(page, c[0], c[1])
            verify(item, "cell " + c[0] + "_" + c[1])
            compare(item.visible, c[2], "cell " + c[0] + "_" + c[1])
            if (!c[2])
                continue
            compare(item.width, Rules.cellPixels(c[3], page.binWidth))
            var x = c[4] * page.binWidth + 2
            compare(item.x, data.extra && data.extra.mirrorDisplay ? item.parent.width - x - item.width : x)
        }
        if (data.zones === 7)
            compare(find(page, "zone6").width, 3 * page.binWidth)
    }

    // What a touch hands to the editor: room, and the zone's temperatures
    // and fan speed unless the pan is or would be alone.
    function test_touch_data() {
        return [
            { tag: "4 bins, beside a 1/2: room 2, its values", trays: 4, at: [[0, 0, 2]], touch: [0, 2],
              v: { lower: 165, upper: 200, fan: 80, room: 2 } },
            { tag: "4 bins, replacing the only 1/2: room 4, anything", trays: 4, at: [[0, 0, 2]], touch: [0, 0],
              v: { lower: 0, upper: 0, fan: 0, room: 4 } },
            { tag: "3 bins, the free half of a lone 1/2", trays: 3, at: [[0, 0, 2]], touch: [0, 1],
              v: { lower: 165, upper: 200, fan: 80, room: 1.5 } },
            { tag: "single-bin cabinet, odd zone", trays: 2, zones: 4, zonesPerRow: 2, extra: { singleBinZone: 1 },
              at: [[1, 0, 4]], touch: [1, 0], v: { lower: 0, upper: 0, fan: 0, room: 1 } },
        ]
    }
    function test_touch(data) {
        cabinet(2, data.zonesPerRow || 1, data.zones || 2, data.trays, data.extra)
        verify(realMenus.load(data.trays === 4 ? fourBinMenu() : threeBinMenu(), ""))
        for (var i = 0; i < data.at.length; ++i)
            place(0, data.at[i][0], data.at[i][1], data.at[i][2])
        makePage(1)
        // The page reads its own day part only.
        compare(cell(page, data.at[0][0], data.at[0][1]).entry.pid, 0)
        page.dayPartIndex = 0
        page.loadDayPartData()
        mouseClick(cell(page, data.touch[0], data.touch[1]))
        compare(recorder.assigns.length, 1)
        var a = recorder.assigns[0]
        compare([a.dp, a.z, a.p], [0, data.touch[0], data.touch[1]])
        compare({ lower: a.lower, upper: a.upper, fan: a.fan, room: a.room }, data.v)
        if (data.extra && data.extra.singleBinZone)
            compare(find(page, "zone1").width, page.binWidth)
    }

    function test_locked_page_asks_for_the_code() {
        cabinet(2, 1, 2, 3)
        verify(realMenus.load(threeBinMenu(), ""))
        place(0, 0, 0, 1)
        makePage(0)
        page.itemLocked = true
        mouseClick(cell(page, 0, 1))
        mousePress(cell(page, 0, 0))
        wait(900)
        mouseRelease(cell(page, 0, 0))
        compare(pinPadSpy.count, 2)
        compare(recorder.assigns.length, 0)
        verify(!page.pinSelectionEnabled)
    }

    // Press-and-hold starts choosing; touches toggle occupied positions
    // only; accept hands the list over once and ends the choice.
    function test_removal_selection() {
        cabinet(2, 1, 2, 3)
        verify(realMenus.load(threeBinMenu(), ""))
        place(0, 0, 0, 1)
        place(0, 0, 1, 1)
        place(0, 1, 2, 4)
        makePage(0)
        mousePress(cell(page, 0, 0))
        tryCompare(page, "pinSelectionEnabled", true)
        mouseRelease(cell(page, 0, 0))
        verify(cell(page, 0, 0).selected)
        mouseClick(cell(page, 1, 2))
        mouseClick(cell(page, 1, 0))          // free: nothing
        mouseClick(cell(page, 0, 1))
        mouseClick(cell(page, 0, 1))          // and back
        compare(page.removalList, [{ dp: 0, zIndex: 0, pIndex: 0 }, { dp: 0, zIndex: 1, pIndex: 2 }])
        compare(recorder.assigns.length, 0)
        mouseClick(find(find(page, "removalButtons"), "acceptButton"))
        compare(recorder.removals, [[{ dp: 0, zIndex: 0, pIndex: 0 }, { dp: 0, zIndex: 1, pIndex: 2 }]])
        verify(!page.pinSelectionEnabled)
        verify(!cell(page, 0, 0).selected)

        mousePress(cell(page, 0, 1))
        tryCompare(page, "pinSelectionEnabled", true)
        mouseRelease(cell(page, 0, 1))
        mouseClick(find(find(page, "removalButtons"), "cancelButton"))
        verify(!page.pinSelectionEnabled)
        compare(page.removalList, [])
        compare(recorder.removals.length, 1)
    }

    // The editor's pages: one per day part in use, a wrap page at each end.
    function test_pages_follow_the_day_parts_in_use() {
        cabinet(2, 1, 2, 3)
        verify(realMenus.load(threeBinMenu(), dayPartsDoc(["", "Lunch", "Late", "", "", "Night"], [0, 2, 5])))
        makePanel()
        compare(panel.pageDayParts, [5, 0, 2, 5, 0])
        compare(find(pageOf(0), "dayPartTitle").text, "Night")
        compare(find(pageOf(1), "dayPartTitle").text, "Breakfast")
        compare(find(pageOf(2), "dayPartTitle").text, "Late")
        compare(panel.currentPage, 1)
        // Paging onto a wrap page lands on the day part it shows.
        panel.showDayPartPage(4)
        panel.carouselSettled()
        compare(panel.currentPage, 1)
        panel.showDayPartPage(0)
        panel.carouselSettled()
        compare(panel.currentPage, 3)
        compare(find(pageOf(3), "dayPartTitle").text, "Night")
    }

    // The window offers what fits the room and the zone; accepting writes
    // the edit copy, redraws the page and counts as a change to save.
    function test_assign_offers_what_fits() {
        cabinet(2, 1, 2, 4)
        verify(realMenus.load(fourBinMenu(), ""))
        place(0, 0, 0, 2)
        makePanel()
        var p = pageFor(0)
        mouseClick(cell(p, 0, 2))
        var w = assignWindow()
        verify(w)
        compare(w.thePanSize, 2)
        // Beside "Half" (165/200 °F, fan 80): quarters and halves at those
        // values; not "Whole", "Hot" (other temperatures) or "Warm" (fan).
        compare(offered(), ["Half", "Quarter", "Quarters"])
        verify(!find(w, "assignButtons").acceptEnabled)
        var row = -1
        for (var r = 0; r < dayPartsEditModel.rowCount(); ++r)
            if (menuManager.dayPartModelGetName(r) === "Quarters")
                row = r
        mouseClick(find(find(w, "assignList"), "productRow" + row))
        compare(find(w, "assignNameRow").pirValue, "Quarters")
        compare(find(w, "assignFractionRow").pirValue, "1/4")
        compare(find(w, "assignMemberBox").groupItemsModel, ["1"])
        mouseClick(find(find(w, "assignButtons"), "acceptButton"))
        verify(!find(panel, "assignWindow").active)
        compare(daypartManager.dayPartEditGetProductId(0, 0, 2), 1073741825)
        compare(cell(p, 0, 2).entry.name, "Quarters")
        verify(panel.saveBeforeExit)

        // Replacing the only pan of an empty zone: anything, up to 4 bins.
        mouseClick(cell(p, 1, 0))
        compare(offered(), ["Half", "Hot", "Quarter", "Quarters", "Warm", "Whole"])
        mouseClick(find(find(assignWindow(), "assignButtons"), "cancelButton"))
        verify(!find(panel, "assignWindow").active)
        compare(daypartManager.dayPartEditGetProductId(0, 1, 0), 0)
    }

    // For customer DEZ with per-product temperatures, the zone's upper
    // temperature gives a range of 30 °F each way.
    function test_dez_range() {
        cabinet(2, 1, 2, 4, { customerId: KivDefines.CUSTOMER_ID_DEZ,
                              tempHandling: KivDefines.KIV_ZONE_TEMP_HANDLING_INDIVIDUAL })
        verify(realMenus.load(menuDoc([[1, "A", "1/4", 165, 200, 80], [2, "B", "1/4", 100, 170, 80],
                                       [3, "C", "1/4", 100, 230, 80], [4, "D", "1/4", 165, 231, 80],
                                       [5, "E", "1/4", 165, 169, 80]]), ""))
        place(0, 0, 0, 1)
        makePanel()
        mouseClick(cell(pageFor(0), 0, 1))
        compare(offered(), ["A", "B", "C", "Quarters"])
    }

    // Clearing goes through the question, and only a yes clears.
    function test_clearing_asks_first() {
        cabinet(2, 1, 2, 3)
        verify(realMenus.load(threeBinMenu(), ""))
        place(0, 0, 0, 1)
        place(0, 1, 0, 4)
        makePanel()
        var p = pageFor(0)
        p.positionHeld(0, 0)
        verify(panel.selectingBins)
        verify(!find(panel, "pageDots").visible)
        verify(!find(panel, "dayPartLockButton").enabled)
        p.positionTouched(1, 0)
        p.acceptSelection()
        verify(!panel.selectingBins)
        compare(questionHost.item.theText, "Remove Bins day-part assignments?")
        questionHost.item.cancelled()
        compare(daypartManager.dayPartEditGetProductId(0, 0, 0), 1)
        verify(!panel.saveBeforeExit)

        p.positionHeld(0, 0)
        p.acceptSelection()
        questionHost.item.accepted()
        compare(daypartManager.dayPartEditGetProductId(0, 0, 0), 0)
        compare(daypartManager.dayPartEditGetProductId(0, 1, 0), 4)
        compare(cell(p, 0, 0).entry.pid, 0)
        verify(panel.saveBeforeExit)
    }

    // Saving a product clears it where it no longer fits, in every day
    // part in use, leaves day parts not in use alone, and says so.
    function test_recheck_after_product_save() {
        cabinet(2, 1, 3, 3)
        verify(realMenus.load(threeBinMenu(), dayPartsDoc(["Breakfast", "Lunch", "Spare"], [0, 1])))
        for (var dp = 0; dp < 3; ++dp) {
            place(dp, 0, 0, 1)     // "Third" beside "Hot"...
            place(dp, 0, 1, 4)
            place(dp, 1, 0, 1)     // ...and alone
        }
        makePanel()
        panel.showPage(false)
        var row = menuManager.getProductEditIndex(1)
        panel.productSelectionChanged(row)
        panel.editEntry()
        var form = find(panel, "productEditor").form
        var e = panel.shown
        form.loadProductData(e.id, e.names, e.hold, e.warning, 160, e.upper, e.reset, e.lid, e.bottom, e.fraction,
                             e.fan, e.color)
        verify(form.accept())
        for (dp = 0; dp < 2; ++dp) {
            compare(daypartManager.dayPartEditGetProductId(dp, 0, 0), 0, "shared zone, day part " + dp)
            compare(daypartManager.dayPartEditGetProductId(dp, 0, 1), 4)
            compare(daypartManager.dayPartEditGetProductId(dp, 1, 0), 1, "alone, day part " + dp)
        }
        compare(daypartManager.dayPartEditGetProductId(2, 0, 0), 1)
        verify(messageText().indexOf("Product will be removed from day-part(s)<br>assignments") >= 0, messageText())
        compare(cell(pageFor(0), 0, 0).entry.pid, 0)
        compare(cell(pageFor(0), 1, 0).entry.lt, 160)
    }

    // A half pan of a three-bin zone stays only beside another half: an
    // unchanged save of a lone one clears it.
    function test_recheck_lone_half_after_group_save() {
        cabinet(2, 1, 2, 3)
        verify(realMenus.load(threeBinMenu(), ""))
        place(0, 0, 0, 2)
        place(1, 0, 0, 2)
        place(0, 1, 0, 1073741825)
        place(0, 1, 1, 4)
        makePanel()
        panel.recheckDayParts(2, 165, 200, 1, "1/2", 80)
        compare(daypartManager.dayPartEditGetProductId(0, 0, 0), 0)
        compare(daypartManager.dayPartEditGetProductId(1, 0, 0), 0)
        messageHost.visible = false
        // A group beside another pan keeps its place while its values stay.
        panel.recheckDayParts(1073741825, 165, 200, 1, "1/3", 80)
        compare(daypartManager.dayPartEditGetProductId(0, 1, 0), 1073741825)
        verify(!messageHost.visible)
        panel.recheckDayParts(1073741825, 165, 200, 1, "1/3", 70)
        compare(daypartManager.dayPartEditGetProductId(0, 1, 0), 0)
        compare(daypartManager.dayPartEditGetProductId(0, 1, 1), 4)
    }

    // Holding ends what the day-part view was doing.
    function test_holding_closes_assignment_and_selection() {
        cabinet(2, 1, 2, 3)
        verify(realMenus.load(threeBinMenu(), ""))
        place(0, 0, 0, 1)
        makePanel()
        pageFor(0).positionHeld(0, 0)
        panel.callAssignBin(0, 1, 0, 0, 0, 3, 0)
        verify(find(panel, "assignWindow").active)
        cabinetManager.activelyHolding = true
        verify(!find(panel, "assignWindow").active)
        verify(!pageFor(0).pinSelectionEnabled)
        verify(pageFor(0).itemLocked)
    }

    // Portrait: the divider between list and box follows a drag within
    // 200 to 590 px and settles on a whole row (50 px) when let go.
    function test_portrait_divider_data() {
        return [
            { tag: "down to 437: 400", by: 137, at: 400 },
            { tag: "far down: 590 then 550", by: 600, at: 550 },
            { tag: "far up: 200", by: -400, at: 200 },
        ]
    }
    function test_portrait_divider(data) {
        cabinet(2, 1, 2, 3, { orientationPortrait: true })
        verify(realMenus.load(threeBinMenu(), ""))
        makePanel(480, 800)
        panel.buttonPressed("productsButton")
        compare(panel.listDivider, 300)
        var divider = find(panel, "listDivider")
        verify(divider.visible)
        // Coordinates of the parent: the divider moves under the pointer.
        mouseDrag(divider.parent, divider.width / 2, divider.y + 8, 0, data.by)
        compare(panel.listDivider, data.at)
        compare(divider.y, data.at)
        compare(find(panel, "list").height, data.at - 10)
        panel.buttonPressed("groupsButton")
        compare(panel.listDivider, 250)
    }

    // The 5x4 cabinet's day-part page with a whole pan, a half pan and a
    // position chosen for clearing.
    function test_pictures_data() {
        return [ { tag: "landscape", w: 800, h: 480, portrait: false }, { tag: "portrait", w: 480, h: 800, portrait: true } ]
    }
    function test_pictures(data) {
        cabinet(5, 1, 10, 2, { orientationPortrait: data.portrait, singleColumnUnit: false })
        verify(realMenus.load(menuDoc([[1, "Burger patty", "1/2", 165, 200, 80], [2, "Grilled chicken", "1/1", 165, 200, 80],
                                       [3, "Fries", "1/2", 165, 200, 80]]), ""))
        place(0, 0, 0, 2)
        place(0, 1, 0, 1)
        place(0, 1, 1, 3)
        place(0, 4, 1, 1)
        place(0, 7, 0, 3)
        makePanel(data.w, data.h)
        verify(find(panel, "pageDots").visible)
        verify(screenshots.save(stage, "dayPartEditor-idle-" + data.tag) !== "")
        pageFor(0).positionHeld(1, 1)
        waitForRendering(panel)
        verify(screenshots.save(stage, "dayPartEditor-" + data.tag) !== "")
        pageFor(0).endSelection()
        // One bin beside "Burger patty": the whole pan cannot go there.
        panel.callAssignBin(0, 4, 0, 165, 200, 1, 80)
        var list = find(assignWindow(), "assignList")
        list.theListViewItem.forceLayout()
        mouseClick(find(list, "productRow1"))
        compare(find(assignWindow(), "assignNameRow").pirValue, "Fries")
        verify(!find(list, "productRow2").fits)
        waitForRendering(panel)
        verify(screenshots.save(stage, "dayPartAssign-" + data.tag) !== "")
    }
}
}
