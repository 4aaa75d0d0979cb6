import QtQuick 2.15
import QtTest 1.15

Item {
    id: stage
    width: 800
    height: 480

    ListModel { id: products }

TestCase {
    name: "GroupEditor"
    when: windowShown

    property var form: null
    property var messages: []
    property var questions: []
    property var answer: null

    SignalSpy { id: modifiedSpy; signalName: "productModified" }
    SignalSpy { id: hideSpy; signalName: "hideMe" }

    // Rows 0-9: row 9 has other temperatures, row 8 another fan speed.
    function fillProducts() {
        var rows = []
        for (var i = 0; i < 10; ++i)
            rows.push({ id: 10 + i, name: "Product " + (10 + i), lowerTemp: i === 9 ? 150 : 165, upperTemp: 200,
                        panSizeX: "1/3", lidType: "None", targetFanSpeed: i === 8 ? 60 : 80 })
        products.clear()
        for (i = 0; i < rows.length; ++i)
            products.append(rows[i])
        menuManager.editProductRows = rows
        var names = {}
        for (i = 0; i < rows.length; ++i)
            names[rows[i].id] = rows[i].name
        menuManager.editNames = names
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
    function part(name) { return find(form, name) }
    function make(w, h) {
        stage.width = w || 800
        stage.height = h || 480
        var component = Qt.createComponent("qrc:///qml/GroupItemEditPanel.qml")
        compare(component.status, Component.Ready, component.errorString())
        messages = []
        questions = []
        form = component.createObject(stage, {
            productModel: products,
            showMessage: function (t) { messages.push(t) },
            askQuestion: function (title, text, onYes, onNo) {
                questions.push([title, text])
                if (answer) onYes(); else onNo()
            }
        })
        verify(form)
        modifiedSpy.target = form
        hideSpy.target = form
        return form
    }
    function names15(first) {
        var n = []
        for (var i = 0; i < 15; ++i) n.push("")
        n[0] = first
        return n
    }
    function newGroup() {
        menuManager.editGroups.push({ id: 1073741825, members: [], def: -1, targetFanSpeed: 0 })
        form.loadGroupData(1073741825, names15(""), 0, 0, "", "", 0, true)
    }
    function select(row) {
        part("productList").theListViewItem.positionViewAtIndex(row, ListView.Contain)
        waitForRendering(form)
        var item = find(part("productList"), "productRow" + row)
        verify(item, "row " + row)
        mouseClick(item)
    }
    function add() { mouseClick(part("addButton")) }
    function fits(row) {
        part("productList").theListViewItem.positionViewAtIndex(row, ListView.Contain)
        return find(part("productList"), "productRow" + row).fits
    }

    function init() {
        verify(harness.reset())
        cabinetManager.hasFan = true
        cabinetManager.traysPerZone = 3
        configManager.tempUnit = 0
        modifiedSpy.clear()
        hideSpy.clear()
        answer = null
        fillProducts()
    }
    function cleanup() {
        if (form)
            form.destroy()
        form = null
    }

    function test_firstMemberSetsTheGroup() {
        make()
        newGroup()
        waitForRendering(form)
        verify(!part("addButton").active, "nothing selected")
        verify(!part("removeButton").active)
        verify(fits(9) && fits(8), "an empty group takes anything")
        select(0)
        verify(part("addButton").active)
        add()
        compare(callLog.argsOf("menuManager.groupEditAddProduct")[0], [1073741825, 0])
        compare(part("members").itemsCount, 1)
        compare([form.filterLowerTemp, form.filterUpperTemp, form.lidText, form.fractionText, form.filterFanSpeed],
                ["165", "200", "None", "1/3", 80])
        compare(form.filterPanSize, 1)
        verify(!fits(9), "other temperatures")
        verify(!fits(8), "another fan speed")
        verify(fits(1))
        compare(part("setting0").text, "Upper temperature: 200\u00b0F")
        compare(part("setting4").text, "Fan speed: 80")
        verify(part("removeButton").active)
    }

    function test_atMostEightMembers() {
        make()
        newGroup()
        waitForRendering(form)
        for (var r = 0; r < 8; ++r) {
            select(r === 8 ? 7 : r)
            add()
        }
        compare(part("members").itemsCount, 8)
        select(7)
        verify(!part("addButton").active)
    }

    function test_removingTheLastMemberClearsTheFilter() {
        make()
        newGroup()
        waitForRendering(form)
        select(0)
        add()
        part("members").theSelectedIndex = 0
        mouseClick(part("removeButton"))
        compare(part("members").itemsCount, 0)
        compare([form.filterLowerTemp, form.filterUpperTemp, form.lidText, form.fractionText, form.filterFanSpeed, form.filterPanSize],
                ["", "", "", "", 0, 0])
        compare(part("setting0").text, "Upper temperature: 0")
        verify(fits(9) && fits(8))
    }

    function test_loadingSetsTheFanFilter() {
        make()
        menuManager.editGroups.push({ id: 1073741826, members: ["18"], def: 0, lowerTemp: 165, upperTemp: 200,
                                      lidType: "None", panSizeX: "1/3", targetFanSpeed: 60 })
        // As the menu keeps them: texts.
        form.loadGroupData(1073741826, names15("Sides"), "165", "200", "None", "1/3", 60, false)
        compare([form.filterLowerTemp, form.filterUpperTemp], ["165", "200"])
        compare(form.filterFanSpeed, 60)
        verify(fits(8) && !fits(1))
        // A new group after it starts with no fan filter.
        newGroup()
        compare(form.filterFanSpeed, 0)
        verify(fits(8) && fits(1))
    }

    function test_defaultByHold() {
        make()
        newGroup()
        waitForRendering(form)
        select(0); add()
        select(1); add()
        var row = find(part("members"), "memberRow1")
        mousePress(row, 20, 10)
        tryCompare(part("members"), "defaultIndex", 1)
        mouseRelease(part("members"), 20, 42)
        compare(callLog.argsOf("menuManager.groupEditSetDefaultProd")[0], [1073741825, 1])
    }

    function test_closeNewGroupWithoutMembers_data() {
        return [ { tag: "accept the cancel", yes: true }, { tag: "decline", yes: false } ]
    }
    function test_closeNewGroupWithoutMembers(data) {
        make()
        menuManager.editGroups.push({ id: 5, members: ["10"], def: 0 })
        newGroup()
        answer = data.yes
        mouseClick(part("closeButton"))
        compare(questions, [["Cancel?", "No products added to the group!"]])
        if (data.yes) {
            compare(callLog.argsOf("menuManager.deleteGroupFromEdit"), [[1]])
            compare(menuManager.editGroups.length, 1)
            verify(form.additionCancelled)
            compare(hideSpy.count, 1)
            compare(modifiedSpy.count, 1)
        } else {
            compare(callLog.count("menuManager.deleteGroupFromEdit"), 0)
            compare(hideSpy.count, 0)
        }
    }

    function test_closeExistingGroupChecks() {
        make()
        menuManager.editGroups.push({ id: 5, members: [], def: -1 })
        form.loadGroupData(5, names15("Sides"), "0", "0", "", "", 0, false)
        compare([form.filterLowerTemp, form.filterUpperTemp, part("setting0").text], ["", "", "Upper temperature: 0"])
        mouseClick(part("closeButton"))
        compare(messages, ["No products added to the group!"])
        compare(questions, [])
        menuManager.editGroups[0].members.push("10")
        part("nameField").value = " "
        mouseClick(part("closeButton"))
        compare(messages[1], "Group has invalid name!")
        compare(hideSpy.count, 0)
    }

    function test_saveOnClose() {
        make()
        newGroup()
        waitForRendering(form)
        select(0); add()
        part("nameField").value = "Sides"
        mouseClick(part("closeButton"))
        var saved = callLog.argsOf("menuManager.saveGroupEdit")
        compare(saved.length, 1)
        compare(saved[0][0], 1073741825)
        compare(saved[0][1][0], "Sides")
        compare(saved[0][1][14], "Sides")
        compare(saved[0][2], 0)
        compare(form.savedGroupId, 1073741825)
        verify(!form.additionCancelled)
        compare(hideSpy.count, 1)
        compare(form.groupId, 0)
    }

    function test_pictures_data() {
        return [ { tag: "landscape", w: 800, h: 480, portrait: false }, { tag: "portrait", w: 480, h: 710, portrait: true } ]
    }
    function test_pictures(data) {
        cabinetManager.orientationPortrait = data.portrait
        make(data.w, data.h)
        newGroup()
        waitForRendering(form)
        select(0); add()
        select(2); add()
        part("nameField").value = "Sides"
        waitForRendering(form)
        screenshots.save(stage, "groupItemEditPanel-" + data.tag)
    }
}
}
