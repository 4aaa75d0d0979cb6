import QtQml 2.15

// configManager: the configuration store.
QtObject {
    property QtObject log

    readonly property int numberOfLanguages: 15
    property bool advancedZoneOptionsEnable: false
    property bool wifiEnabled: false
    property string iotType: ""
    property bool iotConnected: false
    property string serialNumber: ""
    property string modelNumber: ""
    property string storeNumber: ""
    property string languageId: "eng_USA"
    // Bit n set: language n is offered on this cabinet.
    property int usedLanguages: 0x7fff
    property bool timerColorStatus: false
    property int labelFontSize: 20
    property int tempUnit: 1
    property bool productDiscardFlash: false
    property bool groupDotsEnabled: true
    property bool splitViewEnabled: false
    // The Utilities page.
    property bool demoModeFlag: false
    property int powerSource: 240
    property bool productsEditEnabled: false
    property bool verticalFlip: false
    property string wifiSSID: ""
    property string wifiPassword: ""
    property string wifiSSIDRestore: ""
    property string wifiPasswordRestore: ""
    property bool wifiStaticIp: false

    signal showSerialModelNumbersDialog()
    signal hideSerialModelNumbersDialog()
    signal invokeSimpleDialog(string msg, bool showClose)
    signal copyConfigurationFileCompleted()
    signal resetConfigurationFileCompleted()
    signal eolUsbConfigComplete(string message)
    signal eolUsbConfigFailed(string message)

    // The next language in use after `id`, cycling through all of them;
    // after a full turn without one in use, the id reached.
    function getNextLanguageId(id) {
        log.record("configManager.getNextLanguageId", arguments)
        var next = id
        for (var step = 0; step < numberOfLanguages; ++step) {
            next = (next + 1) % numberOfLanguages
            if (usedLanguages & (1 << next))
                return next
        }
        return next
    }
    function get_languageId() { return languageId }
    function getIsLanguageUsed(id) { return id < 32 && (usedLanguages & (1 << id)) !== 0 }
    function saveConfigFile() { log.record("configManager.saveConfigFile", arguments) }
    function set_serialNumber(v) { log.record("configManager.set_serialNumber", arguments); serialNumber = v }
    function set_modelNumber(v) { log.record("configManager.set_modelNumber", arguments); modelNumber = v }
    function set_storeNumber(v) { log.record("configManager.set_storeNumber", arguments); storeNumber = v }
    function saveCabinetSerialModelNumbers() { log.record("configManager.saveCabinetSerialModelNumbers", arguments) }
    function initializeRiotWifiConnection() { log.record("configManager.initializeRiotWifiConnection", arguments) }
    function set_customerIdStr(v) { log.record("configManager.set_customerIdStr", arguments) }
    function set_doubleSided(v) { log.record("configManager.set_doubleSided", arguments) }
    function set_selectedDisplaySide(v) { log.record("configManager.set_selectedDisplaySide", arguments) }
    function setConfigurationFile() { log.record("configManager.setConfigurationFile", arguments) }
    function set_demoModeFlag(v) { log.record("configManager.set_demoModeFlag", arguments); demoModeFlag = v }
    function set_powerSource(v) { log.record("configManager.set_powerSource", arguments); powerSource = v }
    function sendPowerSource() { log.record("configManager.sendPowerSource", arguments) }
    function set_productDiscardFlash(v) { log.record("configManager.set_productDiscardFlash", arguments); productDiscardFlash = v }
    function set_productsEditEnabled(v) { log.record("configManager.set_productsEditEnabled", arguments); productsEditEnabled = v }
    function set_verticalFlip(v) { log.record("configManager.set_verticalFlip", arguments); verticalFlip = v }
    signal notifyIotTypeChanged(string iotType)
    onNotifyIotTypeChanged: log.record("configManager.notifyIotTypeChanged", [iotType])
    function reconfigureNetworkDevices() { log.record("configManager.reconfigureNetworkDevices", arguments) }
    function readIotConfigFile() { log.record("configManager.readIotConfigFile", arguments) }
}
