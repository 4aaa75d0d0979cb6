import QtQuick 2.15
import QtTest 1.15

Item {
    id: stage
    width: 800
    height: 480

TestCase {
    name: "ProductEditor"
    when: windowShown

    property var form: null
    property var messages: []

    SignalSpy { id: modifiedSpy; signalName: "productModified" }
    SignalSpy { id: acceptedSpy; signalName: "editAccepted" }

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
    function field(name) { return find(form, name) }
    function names15(first) {
        var n = []
        for (var i = 0; i < 15; ++i) n.push("")
        n[0] = first
        return n
    }
    function make(w, h) {
        stage.width = w || 800
        stage.height = h || 480
        var component = Qt.createComponent("qrc:///qml/ProductItemEditPanel.qml")
        compare(component.status, Component.Ready, component.errorString())
        messages = []
        form = component.createObject(stage, { showMessage: function (t) { messages.push(t) } })
        verify(form)
        modifiedSpy.target = form
        acceptedSpy.target = form
        return form
    }
    // A product that passes every check.
    function loadGood(extra) {
        var p = { pid: 7, names: names15("Fries"), hold: 3600, warning: 600, lower: 165, upper: 200, reset: 0,
                  lid: "Vented", bottom: "False", frac: "2/3", fan: 80, color: "#fffffd" }
        for (var k in extra) p[k] = extra[k]
        form.loadProductData(p.pid, p.names, p.hold, p.warning, p.lower, p.upper, p.reset, p.lid, p.bottom,
                             p.frac, p.fan, p.color)
    }
    function accept() { mouseClick(find(field("acceptCancel"), "acceptButton")) }
    function saves() { return callLog.argsOf("menuManager.saveProductEdit") }

    function init() {
        verify(harness.reset())
        modifiedSpy.clear()
        acceptedSpy.clear()
        cabinetManager.traysPerZone = 3
        cabinetManager.customerId = 0
        cabinetManager.hasFan = true
        configManager.tempUnit = 0
    }
    function cleanup() {
        if (form)
            form.destroy()
        form = null
    }

    function test_loadsSelectors() {
        make()
        loadGood()
        compare(field("lidSelector").currentText, "Vented")
        compare(field("bottomSelector").currentText, "False")
        compare(field("fractionSelector").currentIndex, 2)
        compare(field("fractionSelector").currentText, "2/3")
        compare(field("holdField").value, "01:00:00")
        compare(field("upperField").value, "200")
        verify(form.noColor)
        loadGood({ lid: "Lidded", bottom: "" })
        compare(field("lidSelector").currentText, "None")
        compare(field("bottomSelector").currentText, "Normal")
        // A new product starts on the smallest fraction.
        loadGood({ pid: 0, frac: "" })
        compare(field("fractionSelector").currentText, "1/3")
        // No fans: the field reads 0 and is hidden.
        cabinetManager.hasFan = false
        loadGood({ fan: 80 })
        compare(field("fanField").value, "0")
        verify(!field("fanField").visible)
    }

    function test_savesAGoodProduct() {
        make()
        loadGood({ pid: 0, frac: "", names: names15("Fries") })
        accept()
        compare(messages, [])
        compare(saves().length, 1)
        var a = saves()[0]
        compare(a[0], 0)
        compare(a[1][0], "Fries")
        compare(a[1][14], "Fries", "empty names take the typed one")
        compare(a.slice(2), [3600, 600, 165, 200, 0, "Vented", "False", "1/3", 80, "#fffffd"])
        compare(form.savedProductId, 40)
        compare(modifiedSpy.count, 1)
        compare(modifiedSpy.signalArguments[0][0], true, "a new product")
        compare(acceptedSpy.count, 1)
    }

    function test_celsiusForZuZ() {
        cabinetManager.customerId = 1
        configManager.tempUnit = 1
        make()
        loadGood({ lower: 165, upper: 200 })
        compare(field("lowerField").value, "74")
        compare(field("upperField").value, "93")
        compare([field("upperField").minVal, field("upperField").maxVal], [74, 93])
        accept()
        compare(saves().length, 1)
        compare(saves()[0][4], 165, "74 °C is stored as 165 °F")
        compare(saves()[0][5], 199, "93 °C is 199 °F")
    }

    function test_checksKeepTheFormOpen_data() {
        return [
            { tag: "hold 5:59 min", p: { hold: 359, warning: 60 }, msg: "Invalid hold time value!" },
            { tag: "warning = hold", p: { warning: 3600 }, msg: "Invalid warning time value!" },
            { tag: "blank name", p: { names: names15("  ") }, msg: "Invalid product name!" },
            { tag: "reset 3600 s", p: { reset: 3600 }, msg: "Invalid reset time value!" },
            { tag: "ZuZ 201 °F", zuz: true, p: { upper: 201 }, msg: "Invalid hold temperature!" },
        ]
    }
    function test_checksKeepTheFormOpen(data) {
        if (data.zuz)
            cabinetManager.customerId = 1
        make()
        loadGood(data.p)
        accept()
        compare(messages, [data.msg])
        compare(saves().length, 0)
        compare(acceptedSpy.count, 0)
    }

    function test_groupWarningComesWithTheSave() {
        menuManager.productInGroups = true
        make()
        loadGood()
        accept()
        compare(messages, ["Product will be removed from group(s)<br>products list"])
        compare(saves().length, 1)
        compare(modifiedSpy.signalArguments[0][0], false, "a changed product")
        compare(callLog.argsOf("menuManager.checkProductInGroups")[0], [7, 165, 200, "Vented", "2/3", 80])
    }

    function test_fanSpeedOutOfRange() {
        make()
        loadGood()
        var fan = field("fanField")
        // Typed and left: the field puts the loaded value back.
        mouseClick(fan.valueBox)
        verify(fan.valueBox.activeFocus)
        keyClick(Qt.Key_1); keyClick(Qt.Key_2); keyClick(Qt.Key_0)
        verify(!fan.valueBox.acceptableInput)
        fan.valueBox.focus = false
        compare(fan.value, "80")
        // Typed and accepted at once: checked again, nothing saved.
        mouseClick(fan.valueBox)
        keyClick(Qt.Key_1); keyClick(Qt.Key_2); keyClick(Qt.Key_0)
        accept()
        compare(saves().length, 0)
        compare(messages, ["Invalid fan speed value!"])
        // Set directly past the validator: still refused.
        fan.value = "120"
        accept()
        compare(saves().length, 0)
    }

    function test_numberFieldsOpenTheKeypad() {
        make()
        var keypad = { visible: false }
        form.numberKeypad = keypad
        loadGood()
        mouseClick(field("holdField").valueBox)
        verify(keypad.visible)
        mouseClick(field("holdField").valueBox)
        verify(!keypad.visible)
    }

    function test_namesPerLanguage() {
        make()
        var names = names15("")
        names[2] = "Frites"
        loadGood({ names: names })
        compare(field("nameField").value, "")
        field("nameField").value = "Papas"
        form.currentInputLangId = 1
        field("nameField").inputLanguageChosen(2)
        compare(field("nameField").value, "Frites")
        field("nameField").inputLanguageChosen(1)
        compare(field("nameField").value, "Papas")
        field("nameField").keyboardClosed()
        compare(form.currentInputLangId, 0)
        compare(form.namesList[0], "Papas")
        compare(form.namesList[2], "Frites", "a filled entry is kept")
        compare(form.namesList[14], "Papas")
    }

    function test_colourPicker() {
        cabinetManager.timerColorEnable = true
        configManager.timerColorStatus = true
        make()
        loadGood({ color: "#ff0000" })
        verify(!form.noColor)
        compare(field("colorPicker").item, null, "created when first opened")
        waitForRendering(form)
        mouseClick(field("colorField"))
        verify(field("colorPicker").item)
        mouseClick(find(field("colorPicker").item, "colorCell0"))
        verify(form.noColor)
        compare(form.timerColorValue, "#fffffd")
        compare(field("colorPicker").item, null)
    }

    function test_pictures_data() {
        return [ { tag: "landscape", w: 800, h: 480, portrait: false }, { tag: "portrait", w: 480, h: 800, portrait: true } ]
    }
    function test_pictures(data) {
        cabinetManager.orientationPortrait = data.portrait
        cabinetManager.timerColorEnable = true
        configManager.timerColorStatus = true
        cabinetManager.nfcEnabled = true
        make(data.w, data.h)
        loadGood({ color: "#ff8000" })
        waitForRendering(form)
        screenshots.save(stage, "productItemEditPanel-" + data.tag)
    }
}
}
