import QtQml 2.15

// menuManager: the menu.
QtObject {
    property QtObject log

    function initializeEditDataModels() { log.record("menuManager.initializeEditDataModels", arguments) }
    // Product ids by group id, for getProductGroupPList().
    property var groups: ({})

    function getProductGroupPList(group) { return groups[group] !== undefined ? groups[group] : [] }
    function getProductName(productId) { return "Product " + productId }
}
