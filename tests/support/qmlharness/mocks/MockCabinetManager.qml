import QtQml 2.15

// cabinetManager: the cabinet core.
QtObject {
    property QtObject log

    property bool orientationPortrait: false
    property bool verticalFlip: false
    property int pressGoDockPosition: 0
    property bool iAmMaster: true
    property bool mirrorDisplay: false
    property bool hasMirrorDisplay: false
    property bool hasSecondaryDisplay: false
    property bool advancedZoneOptionsEnable: false
    property bool cleaningModeEnable: false
    property bool viewZoneTemperatureEnable: false
    property int customerId: 0
    property bool uiDebug: false
    property bool restoreHoldingFlag: false
    property bool heatersTestEnabled: false
    property bool activelyHolding: false
    property bool haccpEnabled: false
    property int zonesPerRow: 1
    property int numberOfRows: 1
    property int traysPerZone: 2
    property int orientationId: 0
    property var zonesModelList: []
    property var traysModelList: []
    // What get_isConfigured() and uiidIsValid() answer.
    property bool isConfigured: true
    property bool uiidValid: true

    signal cleaningStarted()
    signal cleaningStopped()
    signal screenshotTaken()
    signal holdRestorationDialogBlockEnabled(bool value)
    signal displayTestStart()
    signal displayTestStop()
    signal nfcTestStart()
    signal screenCleaningTimeOutChanged()
    signal firmwareUpdateStarted()
    signal unexpectedRebootDetected()
    signal commBusVoltageMissing()
    signal noUserInteraction()
    signal stopAmbientTempAlarm()
    signal showProductTransferList()

    onStopAmbientTempAlarm: log.record("cabinetManager.stopAmbientTempAlarm", [])

    function get_isConfigured() { return isConfigured }
    function uiidIsValid() { return uiidValid }
    function screenShot() { log.record("cabinetManager.screenShot", arguments) }
    function sendDayPartRequest(dayPart) { log.record("cabinetManager.sendDayPartRequest", arguments) }
    function sendConfigSettingsData() { log.record("cabinetManager.sendConfigSettingsData", arguments) }
    function sendLanguageSettingsData() { log.record("cabinetManager.sendLanguageSettingsData", arguments) }
    function startCleaningMode() { log.record("cabinetManager.startCleaningMode", arguments) }
    function sendCleaningModeToRemoteDisplay(value) { log.record("cabinetManager.sendCleaningModeToRemoteDisplay", arguments) }
    function cancelSuggetCleanMode() { log.record("cabinetManager.cancelSuggetCleanMode", arguments) }
    function sendRestorationDialogBlockEnable(value) { log.record("cabinetManager.sendRestorationDialogBlockEnable", arguments) }
    function restoreNewDaypartIfo() { log.record("cabinetManager.restoreNewDaypartIfo", arguments) }
    function cancelAllHolding() { log.record("cabinetManager.cancelAllHolding", arguments) }
    function sendClearAmbientTempAlarm() { log.record("cabinetManager.sendClearAmbientTempAlarm", arguments) }
}
