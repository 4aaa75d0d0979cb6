import QtQuick 2.15
import KivDefs 1.0
import "widgets"
import "menurules.js" as Rules

// Builds one product group of the menu's edit copy from the product list.
// The first member gives the group its temperatures, lid, fraction and fan
// speed; from then on the list offers only products with the same values.
Rectangle {
    id: form

    property int savedGroupId: 0
    property bool addNewGroup: false
    property bool additionCancelled: false
    property alias currentInputLangId: nameField.currentInputLangId

    // The edit copy's product rows ("productsEditModel"), given by the host.
    property var productModel: null
    property var letterKeyboard: null
    property var showMessage: function (text) { console.info("Group form: " + text) }
    // Asks a yes/no question; calls onYes or onNo with the answer.
    property var askQuestion: function (title, text, onYes, onNo) { onNo() }

    // The group being edited.
    property int groupId: 0
    property int lowerTemp: 0
    property int upperTemp: 0
    property string lidText: ""
    property string fractionText: ""
    property int fanSpeed: 0
    // What the product list offers.
    property string filterLowerTemp: ""
    property string filterUpperTemp: ""
    property real filterPanSize: 0
    property int filterFanSpeed: 0

    readonly property int maxMembers: 8
    readonly property bool dez: cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ
    readonly property bool celsius: configManager.tempUnit === 1
    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property int groupRow: groupId !== 0 ? menuManager.getGroupEditIndex(groupId) : -1

    signal productModified()
    signal hideMe()

    width: portrait ? 480 : 800
    height: portrait ? 710 : 480
    color: uiSkin.generalPanelBackgroundColor

    function tempText(f) {
        return Rules.tempText(f, celsius, function (v) { return cabinetManager.convertToCelsius(v) })
    }
    // The menu keeps temperatures as texts; "0" is no value.
    function setTemps(lower, upper) {
        lower = Number(lower)
        upper = Number(upper)
        lowerTemp = lower
        upperTemp = upper
        filterLowerTemp = lower !== 0 ? String(lower) : ""
        filterUpperTemp = upper !== 0 ? String(upper) : ""
    }
    function setFraction(text) {
        fractionText = text
        filterPanSize = text !== "" ? Rules.traySize(text, cabinetManager.traysPerZone) : 0
    }

    function memberCount() {
        return groupId !== 0 ? menuManager.getGroupEditGroupPList(menuManager.getGroupEditIndex(groupId)).length : 0
    }
    function loadGroupData(gid, nameList, lower, upper, lidType, panSizeX, fan, addGroup) {
        groupId = gid
        nameField.load(nameList)
        addNewGroup = addGroup
        setTemps(lower, upper)
        lidText = lidType
        setFraction(panSizeX)
        fanSpeed = Number(fan)
        // The fan-speed filter follows the group as loaded, so that a filter
        // from the previous edit never lingers.
        filterFanSpeed = memberCount() > 0 && cabinetManager.hasFan ? fanSpeed : 0
        productList.theSelectedIndex = -1
    }
    // Re-reads the bound member list and default.
    function refreshMembers() {
        var gid = groupId
        groupId = 0
        groupId = gid
    }
    function readGroupRow() {
        var row = menuManager.getGroupEditIndex(groupId)
        setTemps(Number(menuManager.getGroupEditLowerTemp(row)), Number(menuManager.getGroupEditUpperTemp(row)))
        lidText = menuManager.getGroupEditLidType(row)
        setFraction(menuManager.getGroupEditPanSizeX(row))
        if (cabinetManager.hasFan) {
            fanSpeed = Number(menuManager.getGroupEditFanSpeed(row))
            filterFanSpeed = fanSpeed
        }
    }
    function addMember() {
        menuManager.groupEditAddProduct(groupId, productList.theSelectedIndex)
        readGroupRow()
        refreshMembers()
    }
    function removeMember() {
        menuManager.groupEditRemoveProduct(groupId, members.theSelectedIndex)
        refreshMembers()
        if (memberCount() === 0) {
            setTemps(0, 0)
            lidText = ""
            setFraction("")
            fanSpeed = 0
            filterFanSpeed = 0
        }
    }
    function setDefault(row) {
        menuManager.groupEditSetDefaultProd(groupId, row)
        refreshMembers()
    }
    function cancelAddition() {
        menuManager.deleteGroupFromEdit(menuManager.getGroupEditRowCount() - 1)
        productModified()
        additionCancelled = true
        hideMe()
    }
    function close() {
        productList.theListViewContentY = 0
        var problem = ""
        if (memberCount() === 0)
            problem = qsTr("No products added to the group!")
        else if (String(nameField.value).trim() === "")
            problem = qsTr("Group has invalid name!")
        if (problem !== "") {
            if (addNewGroup)
                askQuestion(qsTr("Cancel?"), problem, cancelAddition, function () {})
            else
                showMessage(problem)
            return
        }
        var gid = groupId
        menuManager.saveGroupEdit(gid, nameField.namesToSave(), members.defaultIndex)
        savedGroupId = gid
        productModified()
        additionCancelled = false
        hideMe()
        groupId = 0
    }

    // Close, top left.
    Rectangle {
        id: closeButton
        objectName: "closeButton"
        x: 10
        y: 10
        width: 100
        height: 60
        color: closeArea.pressed ? Qt.darker(uiSkin.keyboardButtonColor, 2) : uiSkin.keyboardButtonColor
        Image {
            anchors.centerIn: parent
            source: "widgets/images/xRed_noOutline.png"
        }
        MouseArea {
            id: closeArea
            anchors.fill: parent
            onClicked: form.close()
        }
    }

    NameFieldMultilingual {
        id: nameField
        objectName: "nameField"
        x: 120
        y: 26
        letterKeyboard: form.letterKeyboard
        labelFieldWidth: 70
        inputFieldWidth: form.portrait ? 260 : 300
    }

    // The group's settings, each label followed by its value.
    Grid {
        id: settings
        objectName: "settings"
        x: 10
        y: 80
        columns: 2
        columnSpacing: 30
        rowSpacing: 4

        Repeater {
            model: {
                tro.emptyStr // retranslate the labels with the screens
                var fanShown = form.filterFanSpeed !== 0 ? String(form.fanSpeed) : ""
                var rows = form.dez
                        ? [[qsTr("Product temp"), form.tempText(form.upperTemp)]]
                        : [[qsTr("Upper temperature:"), form.tempText(form.upperTemp)],
                           [qsTr("Lower temperature:"), form.tempText(form.lowerTemp)]]
                rows.push([qsTr("Lid Type:"), form.lidText])
                rows.push([qsTr("Zone splits:"), form.fractionText])
                if (cabinetManager.hasFan)
                    rows.push([qsTr("Fan speed:"), fanShown])
                return rows
            }
            delegate: Text {
                objectName: "setting" + index
                text: modelData[0] + " " + modelData[1]
                font.pixelSize: 16
                color: "black"
            }
        }
    }

    // Products, the add and remove buttons, and the members: side by side
    // in landscape, stacked in portrait.
    Grid {
        id: lists
        x: 10
        y: settings.y + settings.height + 10
        columns: form.portrait ? 1 : 3
        spacing: 10

        ProductsListView {
            id: productList
            objectName: "productList"
            width: form.portrait ? form.width - 20 : 400
            height: form.portrait ? 350 : form.height - lists.y - 10
            theModel: form.productModel
            filtersActive: true
            panSizeMatchExact: true
            filterLowerTemp: form.filterLowerTemp
            filterUpperTemp: form.filterUpperTemp
            filterPanSize: form.filterPanSize
            filterLidType: form.lidText
            filterFanSpeed: form.filterFanSpeed
        }

        Grid {
            columns: form.portrait ? 2 : 1
            spacing: 10
            Rectangle {
                id: addButton
                objectName: "addButton"
                readonly property bool active: members.itemsCount < form.maxMembers && productList.theSelectedIndex >= 0
                width: 70
                height: 60
                opacity: active ? 1.0 : 0.4
                color: uiSkin.keyboardButtonColor
                Image {
                    anchors.centerIn: parent
                    source: "images/ArrowRight.png"
                    rotation: form.portrait ? 90 : 0
                }
                MouseArea {
                    anchors.fill: parent
                    enabled: addButton.active
                    onClicked: form.addMember()
                }
            }
            Rectangle {
                id: removeButton
                objectName: "removeButton"
                readonly property bool active: members.itemsCount > 0
                width: 70
                height: 60
                opacity: active ? 1.0 : 0.4
                color: uiSkin.keyboardButtonColor
                Image {
                    anchors.centerIn: parent
                    source: "images/ArrowRight.png"
                    rotation: form.portrait ? -90 : 180
                }
                MouseArea {
                    anchors.fill: parent
                    enabled: removeButton.active
                    onClicked: form.removeMember()
                }
            }
        }

        ProductsGroupListView {
            id: members
            objectName: "members"
            width: form.portrait ? form.width - 20 : form.width - 400 - 70 - 40
            height: form.portrait ? form.height - lists.y - 350 - 60 - 30 : productList.height
            showSelection: true
            horizontalSpacing: 32
            groupItemsModel: form.groupRow >= 0 ? menuManager.getGroupEditGroupPList(form.groupRow) : []
            defaultIndex: form.groupRow >= 0 ? menuManager.getGroupEditGroupsDefault(form.groupRow) : -1
            onDefaultModified: form.setDefault(defIndex)
        }
    }
}
