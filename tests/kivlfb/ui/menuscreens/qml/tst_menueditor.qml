import QtQuick 2.15
import QtTest 1.15
import KivDefs 1.0
import "qrc:///qml"
import "qrc:///qml/widgets"

Item {
    id: stage
    width: 800
    height: 480

    ListModel { id: products }
    ListModel { id: groups }

    // The main window's shared dialogs, as the program hosts them.
    ScreenHost { id: questionHost; name: "acceptCancelDialog"; releasedWhenHidden: true; z: 10; AcceptCancelDialog { } }
    ScreenHost { id: entryHost; name: "numericInputPanel"; z: 10; NumericInputPanel { } }
    ScreenHost { id: messageHost; name: "messageDialog"; releasedWhenHidden: true; z: 10; MessageDialog { } }

TestCase {
    name: "MenuEditor"
    when: windowShown

    property var panel: null
    SignalSpy { id: closeSpy; signalName: "close" }

    // Products 10..(10+n-1); product 11 is in groups 1 and 2 alone.
    function fill(n) {
        var rows = []
        for (var i = 0; i < n; ++i)
            rows.push({ id: 10 + i, name: "Product " + (10 + i), names: ["Product " + (10 + i)], hold: 1800,
                        warning: 300, reset: 300, lowerTemp: 165, upperTemp: 200, targetFanSpeed: 80,
                        lidType: i === 0 ? "Vented" : "Other", bottomType: "Normal", panSize: 1, panSizeX: "1/3",
                        timerColor: "#ff0000", productLocked: i === 2 })
        products.clear()
        for (i = 0; i < rows.length; ++i)
            products.append({ id: rows[i].id, name: rows[i].name, lowerTemp: 165, upperTemp: 200, panSizeX: "1/3",
                              lidType: "None", targetFanSpeed: 80 })
        menuManager.editProductRows = rows
        menuManager.editGroups = [
            { id: 1073741825, name: "Sides", members: ["11"], def: 0, lowerTemp: 165, upperTemp: 200, panSizeX: "1/3", targetFanSpeed: 80 },
            { id: 1073741826, name: "Mains", members: ["11"], def: 0, lowerTemp: 165, upperTemp: 200, panSizeX: "1/3", targetFanSpeed: 80 },
            { id: 1073741827, name: "Both", members: ["10", "12"], def: 1, lowerTemp: 165, upperTemp: 200, panSizeX: "1/3", targetFanSpeed: 80 }
        ]
        groups.clear()
        for (i = 0; i < 3; ++i)
            groups.append({ id: menuManager.editGroups[i].id, name: menuManager.editGroups[i].name })
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
    function part(name) { return find(panel, name) }
    function make(n, w, h) {
        stage.width = w || 800
        stage.height = h || 480
        fill(n === undefined ? 5 : n)
        var component = Qt.createComponent("qrc:///qml/ProductsListPanel.qml")
        compare(component.status, Component.Ready, component.errorString())
        panel = component.createObject(stage, { productModel: products, groupModel: groups, questionDialog: questionHost,
                                                numberEntry: entryHost, messageHost: messageHost })
        verify(panel)
        closeSpy.target = panel
        return panel
    }
    function messageText() { return messageHost.visible && messageHost.item ? messageHost.item.theText : "" }
    function typeCode(code) { entryHost.item.acceptVal(code) }
    function unlock() {
        panel.lockPressed()
        typeCode("527184")
        verify(!panel.productsLocked)
    }

    function init() {
        verify(harness.reset())
        closeSpy.clear()
    }
    function cleanup() {
        if (panel)
            panel.destroy()
        panel = null
        questionHost.visible = false
        entryHost.visible = false
        messageHost.visible = false
    }

    function test_opening_shows_first_product() {
        cabinetManager.hasFan = true
        configManager.tempUnit = 1
        make()
        compare(panel.productsCount, 5)
        compare(panel.groupsCount, 3)
        compare(panel.shown.id, 10)
        compare(part("nameRow").pirValue, "Product 10")
        // 165 °F reads 74 °C.
        compare(part("lowerRow").pirValue, "74°C")
        verify(part("holdRow").visible)
        verify(!part("memberBox").visible)
        verify(panel.productsLocked)
        verify(!part("addButton").visible)

        panel.showPage(true)
        compare(panel.shown.id, 1073741825)
        verify(!part("holdRow").visible)
        verify(part("fanRow").visible)
        compare(part("fanRow").pirValue, "80")
        compare(part("memberBox").groupItemsModel, ["11"])
        panel.productSelectionChanged(2)
        compare(part("memberBox").groupItemsModel, ["10", "12"])
        compare(part("memberBox").defaultIndex, 1)
    }

    function test_add_limit_data() {
        // 96 + 3 groups = 99 still adds; 97 + 3 = 100 does not.
        return [ { tag: "99", n: 96, opens: true }, { tag: "100", n: 97, opens: false } ]
    }
    function test_add_limit(data) {
        make(data.n)
        unlock()
        panel.addEntry()
        compare(part("productEditor").active, data.opens)
        compare(messageText(), data.opens ? "" : "Max products/groups reached. Can't add new products/groups!")
    }

    function test_access_code_sequence() {
        make()
        // Only the level-4 code: a failure.
        panel.lockPressed()
        verify(entryHost.visible)
        typeCode("841926")
        verify(panel.productsLocked)
        compare(entryHost.item.input_text, "ERROR")
        for (var i = 2; i <= 5; ++i) {
            typeCode("1111")
            compare(entryHost.item.input_text, "ERROR")
            verify(entryHost.visible)
        }
        compare(callLog.argsOf("configManager.passcodeEntered").length, 5)
        compare(callLog.argsOf("configManager.passcodeEntered")[4], ["MenuEditPanel", 1, false])
        typeCode("1111")
        verify(!entryHost.visible)
        compare(messageText(), "Too many failed attempts.\nCall service.")
        messageHost.visible = false
        // Locked out: even the right code gets no entry.
        mouseClick(part("lockButton"))
        verify(!entryHost.visible)
        compare(messageText(), "Too many failed attempts.\nCall service.")
        verify(panel.productsLocked)
    }

    function test_level_two_unlocks_and_lock_reports_exit() {
        make()
        mouseClick(part("lockButton"))
        typeCode("527184")
        verify(!panel.productsLocked)
        verify(!panel.dayPartsLocked)
        verify(!entryHost.visible)
        compare(panel.userUnlockLevel, 2)
        compare(callLog.argsOf("configManager.passcodeEntered"), [["MenuEditPanel", 2, true]])
        verify(part("addButton").visible)
        panel.lockPressed()
        verify(panel.productsLocked)
        compare(callLog.argsOf("configManager.programModeExited"), [["MenuEditPanel", 2]])
    }

    function test_dez_codes_and_edit_rights() {
        cabinetManager.customerId = KivDefines.CUSTOMER_ID_DEZ
        cabinetManager.iAmMaster = false
        configManager.passwdL2 = "4242"
        make()
        verify(!part("lockButton").visible)
        panel.showPage(true)
        verify(part("lockButton").visible)
        panel.lockPressed()
        typeCode("4242")
        compare(panel.userUnlockLevel, 2)
    }

    function test_locked_product_hides_delete_and_edit() {
        make()
        unlock()
        verify(part("deleteButton").visible && part("editButton").visible)
        panel.productSelectionChanged(2)
        verify(!part("deleteButton").visible)
        verify(!part("editButton").visible)
        verify(part("addButton").visible)
    }

    function test_delete_sweeps_empty_groups() {
        make()
        unlock()
        panel.productSelectionChanged(1)
        mouseClick(part("deleteButton"))
        compare(questionHost.item.theText, "Delete product \"Product 11\"?")
        questionHost.item.accepted()
        compare(callLog.argsOf("daypartManager.deleteProductGroupFromDayParts"), [[11], [1073741825], [1073741826]])
        compare(panel.groupsCount, 1)
        compare(panel.productsCount, 4)
        compare(messageText(), "Empty groups are deleted")
        verify(panel.saveBeforeExit)
    }

    function test_save_question() {
        make()
        unlock()
        panel.productSelectionChanged(4)
        panel.deleteEntry()
        questionHost.item.accepted()
        panel.returnPressed()
        compare(questionHost.item.theText, "Save changes?")
        questionHost.item.accepted()
        compare(callLog.count("menuManager.saveEditModel"), 1)
        compare(callLog.count("daypartManager.dayPartEditSave"), 1)
        compare(closeSpy.count, 1)
        // Nothing left to save: return just closes.
        panel.returnPressed()
        compare(closeSpy.count, 2)
        compare(callLog.count("menuManager.saveEditModel"), 1)
    }

    function test_holding_during_delete_question_data() {
        return [ { tag: "unsaved", unsaved: true }, { tag: "saved", unsaved: false } ]
    }
    function test_holding_during_delete_question(data) {
        make()
        unlock()
        panel.saveBeforeExit = data.unsaved
        panel.productSelectionChanged(4)
        panel.deleteEntry()
        var dialog = questionHost.item
        cabinetManager.activelyHolding = true
        verify(panel.productsLocked)
        verify(!questionHost.visible)
        compare(closeSpy.count, data.unsaved ? 1 : 0)
        compare(messageText(), data.unsaved ? "Products Editing Cancelled<br>due to active timers." : "")
        compare(callLog.argsOf("configManager.programModeExited"), [["MenuEditPanel", 2]])
        // Another screen's question answered later runs nothing here.
        dialog = questionHost.show()
        dialog.accepted()
        compare(callLog.count("menuManager.deleteProductFromEdit"), 0)
        compare(panel.productsCount, 5)
    }

    function test_holding_closes_code_entry() {
        make()
        panel.lockPressed()
        var entry = entryHost.item
        cabinetManager.activelyHolding = true
        verify(!entryHost.visible)
        entry.acceptVal("527184")
        verify(panel.productsLocked)
        compare(callLog.count("configManager.passcodeEntered"), 0)
        panel.lockPressed()
        compare(messageText(), "Product Editing Unavailable<br>while timers are active!")
        verify(!entryHost.visible)
    }

    function test_product_editor_round_trip() {
        make()
        unlock()
        panel.productSelectionChanged(3)
        panel.editEntry()
        var form = part("productEditor").form
        verify(form)
        compare(form.productId, 13)
        form.savedProductId = 13
        form.productModified(false)
        form.editAccepted()
        compare(part("productEditor").active, false)
        compare(panel.currentRow, 3)
        verify(panel.saveBeforeExit)
        // Once on opening, once after the save.
        compare(callLog.count("menuManager.initializeDayPartEditModel"), 2)
        panel.editEntry()
        part("productEditor").form.editCancelled()
        compare(part("productEditor").active, false)
    }

    function test_new_group_opens_editor() {
        make()
        unlock()
        panel.showPage(true)
        panel.addEntry()
        var form = part("groupEditor").form
        verify(form)
        compare(form.groupId, 1073741828)
        compare(panel.currentRow, 3)
    }

    function test_pictures_data() {
        return [ { tag: "landscape", w: 800, h: 480, portrait: false }, { tag: "portrait", w: 480, h: 800, portrait: true } ]
    }
    function test_pictures(data) {
        cabinetManager.orientationPortrait = data.portrait
        cabinetManager.hasFan = true
        make(5, data.w, data.h)
        unlock()
        waitForRendering(panel)
        screenshots.save(stage, "menuEditor-products-" + data.tag)
        panel.showPage(true)
        panel.productSelectionChanged(2)
        waitForRendering(panel)
        screenshots.save(stage, "menuEditor-group-" + data.tag)
    }
}
}
