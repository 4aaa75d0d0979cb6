import QtQuick 2.15
import QtTest 1.15

Item {
    id: stage
    width: 800
    height: 480

    // The edit model's roles; "id" cannot be a ListElement role, so the rows
    // are added here.
    ListModel {
        id: products
        Component.onCompleted: {
            var rows = [
            { id: 0, name: "", lowerTemp: 0, upperTemp: 0, panSizeX: "", lidType: "", targetFanSpeed: 0 },
            { id: 1, name: "Fries", lowerTemp: 165, upperTemp: 200, panSizeX: "1/2", lidType: "None", targetFanSpeed: 80 },
            { id: 2, name: "Nuggets", lowerTemp: 165, upperTemp: 200, panSizeX: "1/3", lidType: "None", targetFanSpeed: 80 },
            { id: 3, name: "Burgers", lowerTemp: 170, upperTemp: 200, panSizeX: "1/2", lidType: "Solid", targetFanSpeed: 80 },
            { id: 4, name: "Chicken sandwiches with a name long enough to be cut", lowerTemp: 165, upperTemp: 200, panSizeX: "1/2", lidType: "None", targetFanSpeed: 60 },
            { id: 5, name: "Hash browns", lowerTemp: 165, upperTemp: 200, panSizeX: "1/1", lidType: "Vented", targetFanSpeed: 80 }
            ]
            for (var i = 0; i < rows.length; ++i)
                append(rows[i])
        }
    }

    Item {
        id: editor
        property string timerColorValue: "#123456"
        property bool noColor: false
    }

TestCase {
    name: "MenuLists"
    when: windowShown

    property var screen: null

    SignalSpy { id: spy }

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

    function init() {
        verify(harness.reset())
        spy.target = null
        spy.signalName = ""
        spy.clear()
        cabinetManager.traysPerZone = 3
        cabinetManager.hasFan = true
        configManager.tempUnit = 0
        editor.timerColorValue = "#123456"
        editor.noColor = false
    }
    function cleanup() {
        if (screen)
            screen.destroy()
        screen = null
    }

    // ---- product list ----

    function rowFits(r) { return find(screen, "productRow" + r).fits }

    function test_filteredRows() {
        make("ProductsListView.qml", { width: 500, height: 400, theModel: products, filtersActive: true,
                                       filterLowerTemp: "165", filterUpperTemp: "200", filterPanSize: 1.5,
                                       filterLidType: "None", filterFanSpeed: 80 })
        waitForRendering(screen)
        // Only Fries: Nuggets is not a half pan, Burgers is 170 °F with a
        // solid lid, the sandwiches run at 60 %, hash browns are a full pan.
        var fits = []
        for (var r = 1; r < products.count; ++r)
            fits.push(rowFits(r))
        compare(fits, [true, false, false, false, false])
        compare(find(screen, "productRow2").opacity, 0.4)

        // Changing the filter redraws the rows.
        cabinetManager.hasFan = false
        screen.filterPanSize = 3
        compare(rowFits(2), true)
        compare(rowFits(4), true)
        compare(rowFits(5), false, "a full pan still differs in lid")
        screen.filtersActive = false
        compare(rowFits(5), true)
    }

    function test_touchSelectsOnlyFittingRows() {
        make("ProductsListView.qml", { width: 500, height: 400, theModel: products, filtersActive: true,
                                       filterPanSize: 1.5, filterFanSpeed: 0 })
        spy.target = screen
        spy.signalName = "selectionChanged"
        waitForRendering(screen)
        tap(find(screen, "productRow2"))
        compare(spy.count, 0, "a greyed-out row ignores touches")
        compare(screen.theSelectedIndex, -1)
        tap(find(screen, "productRow0"))
        compare(spy.count, 0, "the empty product is never chosen")
        tap(find(screen, "productRow3"))
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], 3)
        verify(find(find(screen, "productRow3"), "selectionFrame").visible)
        // The current row loses its frame once it no longer fits.
        screen.filterLidType = "None"
        verify(!find(find(screen, "productRow3"), "selectionFrame").visible)
    }

    function test_productListPictures_data() {
        return [ { tag: "landscape", w: 800, h: 480 }, { tag: "portrait", w: 480, h: 800 } ]
    }
    function test_productListPictures(data) {
        make("ProductsListView.qml", { width: data.w, height: data.h, theModel: products, filtersActive: true,
                                       filterPanSize: 1.5, filterFanSpeed: 0, theSelectedIndex: 1 }, data.w, data.h)
        waitForRendering(screen)
        screenshots.save(stage, "productsListView-" + data.tag)
    }

    // ---- group members ----

    function test_groupMembers() {
        menuManager.editNames = { 7: "Fries", 9: "Nuggets", 12: "Burgers" }
        make("ProductsGroupListView.qml", { width: 300, height: 200, groupItemsModel: ["7", "9", "12"],
                                            defaultIndex: 1, horizontalSpacing: 32 })
        spy.target = screen
        spy.signalName = "defaultModified"
        waitForRendering(screen)
        compare(screen.itemsCount, 3)
        compare(find(find(screen, "memberRow1"), "memberName").text, "Nuggets")
        verify(find(find(screen, "memberRow1"), "memberName").font.bold)
        verify(!find(find(screen, "memberRow0"), "memberName").font.bold)
        // Without showSelection a hold chooses nothing.
        var row = find(screen, "memberRow2")
        mousePress(row, 20, 10)
        wait(900)
        mouseRelease(row, 20, 10)
        compare(spy.count, 0)
        verify(!find(row, "selectionFrame").visible)
        screen.showSelection = true
        mousePress(row, 20, 10)
        tryCompare(spy, "count", 1)
        mouseRelease(row, 20, 10)
        compare(spy.signalArguments[0][0], 2)
        compare(screen.theSelectedIndex, 2)
        verify(find(row, "selectionFrame").visible)
    }

    // ---- information row and colours ----

    function test_infoRowColour() {
        make("ProductInfoRow.qml", { pirName: "Color:", pirValue: "#fffffd", timerColorEnabled: true })
        verify(!find(screen, "valueText").visible)
        verify(find(screen, "noColorPattern").visible)
        verify(!find(screen, "swatchColor").visible)
        screen.pirValue = "#ff0000"
        verify(!find(screen, "noColorPattern").visible)
        compare(find(screen, "swatchColor").color, "#ff0000")
        screen.timerColorEnabled = false
        verify(find(screen, "valueText").visible)
        compare(find(screen, "valueText").text, "#ff0000")
    }

    function test_timerColorPicker() {
        make("TimerColorPickerDialog.qml", { editor: editor })
        waitForRendering(screen)
        compare(screen.colors.length, 81)
        // The veil closes and changes nothing.
        mouseClick(screen, 5, 5)
        verify(!screen.visible)
        compare(editor.timerColorValue, "#123456")
        verify(!editor.noColor)

        screen.visible = true
        var cell = find(screen, "colorCell10")
        tap(cell)
        verify(!screen.visible)
        compare(editor.timerColorValue, screen.colors[10].backColor)
        verify(!editor.noColor)

        screen.visible = true
        tap(find(screen, "colorCell0"))
        compare(editor.timerColorValue, "#fffffd")
        verify(editor.noColor)
    }

    function test_timerColorPictures_data() {
        return [ { tag: "landscape", w: 800, h: 480 }, { tag: "portrait", w: 480, h: 800 } ]
    }
    function test_timerColorPictures(data) {
        make("TimerColorPickerDialog.qml", { editor: editor }, data.w, data.h)
        waitForRendering(screen)
        screenshots.save(stage, "timerColorPickerDialog-" + data.tag)
    }

    function sliderText(label) { return find(screen, "sliderValue" + label).text }

    function test_colorDialog() {
        make("ColorDialog.qml", { title: "Background", colorToEdit: "#ff0000" })
        spy.target = screen
        spy.signalName = "newColor"
        waitForRendering(screen)
        compare([sliderText("H"), sliderText("S"), sliderText("V")], ["0", "100", "100"])
        var buttons = find(screen, "acceptCancel")
        tap(find(buttons, "acceptButton"))
        compare(spy.count, 0, "accept waits for a change")
        verify(screen.visible)

        // Half way along the saturation slider.
        var s = find(screen, "sliderS")
        var knob = find(s, "knob")
        mouseDrag(knob, knob.width / 2, knob.height / 2, -s.width / 2, 0)
        verify(screen.changed)
        compare(sliderText("S"), "50")
        compare(sliderText("H"), "0", "the other sliders stay")
        tap(find(buttons, "acceptButton"))
        compare(spy.count, 1)
        var c = spy.signalArguments[0][0]
        verify(c.r > 0.99 && c.g > 0.4 && c.g < 0.6 && Math.abs(c.g - c.b) < 0.01, "" + c)
        verify(!screen.visible)
        verify(!screen.changed)
    }

    function test_colorDialogGrey() {
        make("ColorDialog.qml", { colorToEdit: "#808080" })
        compare(screen.hue, 1, "a grey's hue -1 counts as 1")
        compare(sliderText("H"), "359")
        compare(sliderText("S"), "0")
    }

    function test_colorDialogPictures_data() {
        return [ { tag: "landscape", w: 800, h: 480 }, { tag: "portrait", w: 480, h: 800 } ]
    }
    function test_colorDialogPictures(data) {
        make("ColorDialog.qml", { title: "Background", colorToEdit: "#2080c0" }, data.w, data.h)
        waitForRendering(screen)
        screenshots.save(stage, "colorDialog-" + data.tag)
    }
}
}
