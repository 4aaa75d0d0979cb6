import QtQml 2.15

// menuManager: the menu.
QtObject {
    property QtObject log

    function initializeEditDataModels() { log.record("menuManager.initializeEditDataModels", arguments) }
    function getProductGroupPList(group) { return [] }
    function getProductName(productId) { return "Product " + productId }
}
