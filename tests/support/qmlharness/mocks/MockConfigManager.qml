import QtQml 2.15

// configManager: the configuration store.
QtObject {
    property QtObject log

    readonly property int numberOfLanguages: 15
    property bool advancedZoneOptionsEnable: false
    property bool wifiEnabled: false
    // Network set-up as the store keeps it.
    property bool staticIPEnabled: false
    property string ipAddress: ""
    property string netmask: ""
    property string gateway: ""
    property int networkMode: 1
    property string wifiSSID: ""
    property string wifiPassword: ""
    property string wifiSSIDRestore: ""
    property string wifiPasswordRestore: ""
    property string wifiIdentity: ""
    property bool wpaEnabled: false
    property bool wifiStaticIp: false
    property string wifiIpAddr: ""
    property string wifiNetmask: ""
    property string wifiGateway: ""
    property bool ethEnabled: false
    property bool networkSettingsUpdated: false
    property string wifiScanString: ""
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
    // The access codes as the store holds them (MD5 of the digits).
    property string passwdL1: Qt.md5("9157")
    property string passwdL2: Qt.md5("527184")
    property string passwdL3: Qt.md5("306749")
    property string passwdL4: Qt.md5("841926")
    // Preloaded configurations: { setName: { modelNumber: displays } },
    // displays 1 (one display), 2 (mirror) or 3 (left and right).
    property var preloaded: ({})
    property string selectedCustomConfig: ""

    signal showSerialModelNumbersDialog()
    signal hideSerialModelNumbersDialog()
    signal invokeSimpleDialog(string msg, bool showClose)
    signal copyConfigurationFileCompleted()
    signal resetConfigurationFileCompleted()
    signal eolUsbConfigComplete(string message)
    signal eolUsbConfigFailed(string message)
    signal passcodeChanged(string passcode)
    signal passcodeEntered(string screen, int userLevel, bool authenticated)
    signal programModeExited(string screen, int userLevel)
    signal networkInfoRefreshed()

    onPasscodeEntered: log.record("configManager.passcodeEntered", [screen, userLevel, authenticated])
    onProgramModeExited: log.record("configManager.programModeExited", [screen, userLevel])

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
    // HSV parts as fractions; a grey's hue is -1, as Qt gives it.
    function colorGetHueF(name) { return Qt.darker(name, 1.0).hsvHue }
    function colorGetSatF(name) { return Qt.darker(name, 1.0).hsvSaturation }
    function colorGetLumF(name) { return Qt.darker(name, 1.0).hsvValue }
    function colorFromHsv(h, s, v) { return Qt.hsva(h, s, v, 1).toString() }
    function getIsLanguageUsed(id) { return id < 32 && (usedLanguages & (1 << id)) !== 0 }
    function set_passwdL1(v) { log.record("configManager.set_passwdL1", arguments); passwdL1 = v }
    function saveConfigFile() { log.record("configManager.saveConfigFile", arguments) }
    function set_serialNumber(v) { log.record("configManager.set_serialNumber", arguments); serialNumber = v }
    function set_modelNumber(v) { log.record("configManager.set_modelNumber", arguments); modelNumber = v }
    function set_storeNumber(v) { log.record("configManager.set_storeNumber", arguments); storeNumber = v }
    function saveCabinetSerialModelNumbers() { log.record("configManager.saveCabinetSerialModelNumbers", arguments) }
    function reLoadNetworkDeviceConfig() { log.record("configManager.reLoadNetworkDeviceConfig", arguments) }
    function reconfigureNetworkDevices() { log.record("configManager.reconfigureNetworkDevices", arguments) }
    function deleteNetworkCertificate() { log.record("configManager.deleteNetworkCertificate", arguments) }
    function resetToDefaultNetwork() { log.record("configManager.resetToDefaultNetwork", arguments) }
    function scanWifi() { log.record("configManager.scanWifi", arguments) }
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
    function readIotConfigFile() { log.record("configManager.readIotConfigFile", arguments) }
    function encryptString(text) { return Qt.md5(text) }
    function resetPasswdL1() { log.record("configManager.resetPasswdL1", arguments); passwdL1 = Qt.md5("9157") }
    // The store's setter does not signal: the page saves and reloads itself.
    function setLanguageIsUsed(id, used) { log.record("configManager.setLanguageIsUsed", arguments) }
    function set_selectedCustomConfig(v) { log.record("configManager.set_selectedCustomConfig", arguments); selectedCustomConfig = v }
    function get_customConfigs() { return Object.keys(preloaded) }
    function get_customConfigModels() {
        return preloaded[selectedCustomConfig] ? Object.keys(preloaded[selectedCustomConfig]) : []
    }
    function get_configDisplaysCount(model) {
        var set = preloaded[selectedCustomConfig]
        return set && set[model] > 1 ? 2 : 1
    }
    function get_configDisplaysLeftRight(model) {
        var set = preloaded[selectedCustomConfig]
        return !!set && set[model] === 3
    }
    function validateModelNumber(model) {
        log.record("configManager.validateModelNumber", arguments)
        var set = preloaded[selectedCustomConfig]
        return !!set && set[model] !== undefined
    }
    function resetConfiguration() { log.record("configManager.resetConfiguration", arguments) }
}
