import QtQml 2.15

// menuManager: the menu.
QtObject {
    property QtObject log

    function initializeEditDataModels() { log.record("menuManager.initializeEditDataModels", arguments) }
    // Product ids by group id, for getProductGroupPList().
    property var groups: ({})

    function getProductGroupPList(group) { return groups[group] !== undefined ? groups[group] : [] }
    function getProductName(productId) { return "Product " + productId }
    // Edit names by product id; the edit row of a product is its id here.
    property var editNames: ({})
    function getGroupEditProductIndex(id) { return Number(id) }
    // What checkProductInGroups answers; saveProductEdit gives a new
    // product this id.
    property bool productInGroups: false
    property int nextProductId: 40
    function checkProductInGroups(pid, lowerTemp, upperTemp, lidType, panSizeX, fanSpeed) {
        log.record("menuManager.checkProductInGroups", arguments)
        return productInGroups
    }
    function saveProductEdit(pid, names, holdTime, warningTime, lowerTemp, upperTemp, resetTime, lidType,
                             bottomType, panSizeX, fanSpeed, timerColor) {
        log.record("menuManager.saveProductEdit", arguments)
        return pid !== 0 ? pid : nextProductId
    }
    // The group edit copy: { id, lowerTemp, upperTemp, lidType, panSizeX,
    // targetFanSpeed, members: [id texts], def }, changed in place as the
    // program's model is (no change signal), and the product rows that
    // groupEditAddProduct reads.
    property var editGroups: []
    property var editProductRows: []
    function groupAt(row) { return editGroups[row] !== undefined ? editGroups[row] : {} }
    function getGroupEditIndex(id) {
        for (var i = 0; i < editGroups.length; ++i)
            if (editGroups[i].id === id) return i
        return 0
    }
    function getGroupEditRowCount() { return editGroups.length }
    function getGroupEditGroupPList(row) { return groupAt(row).members !== undefined ? groupAt(row).members.slice() : [] }
    function getGroupEditGroupsDefault(row) { return groupAt(row).def !== undefined ? groupAt(row).def : 0 }
    function getGroupEditLowerTemp(row) { return groupAt(row).lowerTemp || 0 }
    function getGroupEditUpperTemp(row) { return groupAt(row).upperTemp || 0 }
    function getGroupEditLidType(row) { return groupAt(row).lidType || "" }
    function getGroupEditPanSizeX(row) { return groupAt(row).panSizeX || "" }
    function getGroupEditFanSpeed(row) { return groupAt(row).targetFanSpeed !== undefined ? groupAt(row).targetFanSpeed : 100 }
    function groupEditAddProduct(gid, row) {
        log.record("menuManager.groupEditAddProduct", arguments)
        var g = groupAt(getGroupEditIndex(gid)), p = editProductRows[row]
        if (g.members.length === 0) {
            g.lowerTemp = p.lowerTemp; g.upperTemp = p.upperTemp; g.lidType = p.lidType
            g.panSizeX = p.panSizeX; g.targetFanSpeed = p.targetFanSpeed; g.def = 0
        }
        g.members.push(String(p.id))
    }
    function groupEditRemoveProduct(gid, index) {
        log.record("menuManager.groupEditRemoveProduct", arguments)
        var g = groupAt(getGroupEditIndex(gid))
        g.members.splice(index, 1)
        if (g.def >= g.members.length) g.def = 0
    }
    function groupEditSetDefaultProd(gid, index) {
        log.record("menuManager.groupEditSetDefaultProd", arguments)
        groupAt(getGroupEditIndex(gid)).def = index
    }
    function saveGroupEdit(gid, names, defaultIndex) { log.record("menuManager.saveGroupEdit", arguments) }
    function deleteGroupFromEdit(row) {
        log.record("menuManager.deleteGroupFromEdit", arguments)
        editGroups.splice(row, 1)
    }
    function getProductEditName(row) {
        if (editNames[row] !== undefined) return editNames[row]
        return productAt(row).name !== undefined ? productAt(row).name : "Product " + row
    }

    // The editor's view of the product rows: { id, name, names, hold, warning,
    // reset, lowerTemp, upperTemp, targetFanSpeed, lidType, bottomType,
    // panSize, panSizeX, timerColor, productLocked }.
    function productAt(row) { return editProductRows[row] !== undefined ? editProductRows[row] : {} }
    function getProductEditRowCount() { return editProductRows.length }
    function getProductEditId(row) { return productAt(row).id || 0 }
    function getProductEditNameList(row) { return productAt(row).names || [] }
    function getProductEditHoldTime(row) { return productAt(row).hold || 0 }
    function getProductEditWarningTime(row) { return productAt(row).warning || 0 }
    function getProductEditResetTime(row) { return productAt(row).reset || 0 }
    function getProductEditLowerTemp(row) { return productAt(row).lowerTemp || 0 }
    function getProductEditUpperTemp(row) { return productAt(row).upperTemp || 0 }
    function getProductEditFanSpeed(row) { return productAt(row).targetFanSpeed || 0 }
    function getProductEditLidType(row) { return productAt(row).lidType || "" }
    function getProductEditBottomType(row) { return productAt(row).bottomType || "" }
    function getProductEditPanSize(row) { return productAt(row).panSize || 0 }
    function getProductEditPanSizeX(row) { return productAt(row).panSizeX || "" }
    function getProductEditTimerColor(row) { return productAt(row).timerColor || "#fffffd" }
    function getProductEditProductLocked(row) { return productAt(row).productLocked === true }
    function getProductEditIndex(id) {
        for (var i = 0; i < editProductRows.length; ++i)
            if (editProductRows[i].id === id) return i
        return 0
    }
    function sortProductEditModel() { log.record("menuManager.sortProductEditModel", arguments) }
    function sortGroupEditModel() { log.record("menuManager.sortGroupEditModel", arguments) }
    function deleteProductFromEdit(row) {
        log.record("menuManager.deleteProductFromEdit", arguments)
        var id = String(productAt(row).id)
        editProductRows.splice(row, 1)
        for (var i = 0; i < editGroups.length; ++i) {
            var at = editGroups[i].members.indexOf(id)
            if (at >= 0) editGroups[i].members.splice(at, 1)
        }
    }
    function getGroupEditId(row) { return groupAt(row).id || 0 }
    function getGroupEditProductGroupId(row) { return groupAt(row).id || 0 }
    function getGroupEditName(row) { return groupAt(row).name || "" }
    function getGroupEditNameList(row) { return groupAt(row).names || [] }
    function getGroupEditPanSize(row) { return groupAt(row).panSize || 0 }
    function groupEditIsEmptyGroup(row) { return getGroupEditGroupPList(row).length === 0 }
    function addNewEditGroup() {
        log.record("menuManager.addNewEditGroup", arguments)
        var id = 1073741825 + editGroups.length
        editGroups.push({ id: id, members: [], def: -1, targetFanSpeed: 0 })
        return id
    }
    function initializeDayPartEditModel() { log.record("menuManager.initializeDayPartEditModel", arguments) }
    function saveEditModel() { log.record("menuManager.saveEditModel", arguments) }
}
