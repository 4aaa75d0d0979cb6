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
    function getProductEditName(row) { return editNames[row] !== undefined ? editNames[row] : "Product " + row }
}
