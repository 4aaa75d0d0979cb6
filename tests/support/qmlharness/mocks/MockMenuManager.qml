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
    function getProductEditName(row) { return editNames[row] !== undefined ? editNames[row] : "Product " + row }
}
