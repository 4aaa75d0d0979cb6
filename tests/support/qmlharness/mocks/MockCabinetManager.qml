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
    property int traysPerCabinet: 8
    property int orientationId: 0
    property var zonesModelList: []
    property var traysModelList: []
    // What get_isConfigured() and uiidIsValid() answer.
    property bool isConfigured: true
    property bool uiidValid: true
    // What isCoolingDownDone() and getCoolingDownTemp() answer.
    property bool coolingDownDone: false
    property int coolingDownTemp: 250
    // What isFlashDriveMounted() answers.
    property bool flashDriveMounted: false

    // The holding screen.
    property int numberOfZones: 0
    property bool pressGoBannerEnable: false
    property int zoneViewType: 0
    property int singleBinZone: 0
    property bool shelfNumbersEnable: false
    property int shelfNumberingOrder: 0
    property int startingShelfNumber: 0
    property bool touchBasedTransfer: false
    property bool timerColorEnable: false
    property bool nfcEnabled: false
    // The heater screens.
    property int tempHandling: 0
    property int tempLayout: 0
    property bool hasFan: false
    property bool productIdDisplayEnable: false
    property int controlBoardType: 1
    property bool perBinTemps: false
    property bool singleColumnUnit: false
    property int zoneNumberingOrder: 0
    property bool powerSourceChoice: false
    // What nothingBeingHeld() answers.
    property bool nothingHeld: true
    // What getUiTrayHeight() answers; 0: an even share of the screen's height.
    property int uiTrayHeight: 0
    // What the transfer-timer getters answer: { name, holdTime, warningTime, remainingTime }.
    property var transferTimers: []
    // When set, what isFlashDriveMounted() answers instead: a drive that
    // went away since the last check.
    property var flashDriveAnswer: undefined
    // What getSystemDateString() answers ("yyyy-MM-dd").
    property string systemDate: "2025-03-15"

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
    signal configSettingsUpdated()
    signal screenshotsExported()
    signal noScreenShotsToExport()

    onStopAmbientTempAlarm: log.record("cabinetManager.stopAmbientTempAlarm", [])

    function get_isConfigured() { return isConfigured }
    function uiidIsValid() { return uiidValid }
    function setBinToTray(bin, productId, trayId) { log.record("cabinetManager.setBinToTray", arguments) }
    function screenShot() { log.record("cabinetManager.screenShot", arguments) }
    function set_flashDriveMounted(v) { log.record("cabinetManager.set_flashDriveMounted", arguments); flashDriveMounted = v }
    function getSystemDateString() { return systemDate }
    function sendDayPartRequest(dayPart) { log.record("cabinetManager.sendDayPartRequest", arguments) }
    function sendConfigSettingsData() { log.record("cabinetManager.sendConfigSettingsData", arguments) }
    function sendLanguageSettingsData() { log.record("cabinetManager.sendLanguageSettingsData", arguments) }
    function sendNetworkConfiguration() { log.record("cabinetManager.sendNetworkConfiguration", arguments) }
    function startCleaningMode() { log.record("cabinetManager.startCleaningMode", arguments) }
    function sendCleaningModeToRemoteDisplay(value) { log.record("cabinetManager.sendCleaningModeToRemoteDisplay", arguments) }
    function exitCleaningMode() { log.record("cabinetManager.exitCleaningMode", arguments) }
    function isCoolingDownDone() { return coolingDownDone }
    function getCoolingDownTemp() { return coolingDownTemp }
    function sendZoneDayPartRequest(zone, dayPart) { log.record("cabinetManager.sendZoneDayPartRequest", arguments) }
    function cancelSuggetCleanMode() { log.record("cabinetManager.cancelSuggetCleanMode", arguments) }
    function sendRestorationDialogBlockEnable(value) { log.record("cabinetManager.sendRestorationDialogBlockEnable", arguments) }
    function restoreNewDaypartIfo() { log.record("cabinetManager.restoreNewDaypartIfo", arguments) }
    function cancelAllHolding() { log.record("cabinetManager.cancelAllHolding", arguments) }
    function getUiTrayHeight() {
        if (uiTrayHeight > 0)
            return uiTrayHeight
        var rows = Math.max(numberOfRows, 1)
        if (orientationPortrait && zonesPerRow > 1)
            return Math.floor(((pressGoBannerEnable ? 590 : 710) - 10 * rows) / (2 * rows))
        var height = (orientationPortrait ? 700 : 480) - (pressGoBannerEnable ? 120 : 0)
        if (rows <= 2)
            height = Math.floor(2 * height / 3)
        return Math.floor((height - 5 * rows) / rows)
    }
    function convertToCelsius(valueF) { return Math.round((valueF - 32) * 5 / 9) }
    function convertToFahrenheit(valueC) { return Math.round(valueC * 9 / 5) + 32 }
    function showProductTransferWindow(bin, groupIndex, productId) {
        log.record("cabinetManager.showProductTransferWindow", arguments)
    }
    function getTransferTimersCount() { return transferTimers.length }
    function getTransferTimerValue(index, role) {
        var entry = transferTimers[index]
        if (!entry)
            return undefined
        return [entry.name, entry.holdTime, entry.warningTime, entry.remainingTime][role]
    }
    function doProductTransfer(index) { log.record("cabinetManager.doProductTransfer", arguments) }
    function sendZoneEcoModeToRemoteDisplay(zone, value) { log.record("cabinetManager.sendZoneEcoModeToRemoteDisplay", arguments) }
    function sendZoneOffModeToRemoteDisplay(zone, value) { log.record("cabinetManager.sendZoneOffModeToRemoteDisplay", arguments) }

    // Gives the mock a cabinet of rows x zonesPerRow zones of traysPerZone
    // bins each, named and numbered as the cabinet core names them.
    function buildCabinet(rows, zonesPerRowCount, traysPerZoneCount) {
        var zoneComponent = Qt.createComponent("MockZone.qml")
        var trayComponent = Qt.createComponent("MockTray.qml")
        var zones = []
        var trays = []
        for (var z = 0; z < rows * zonesPerRowCount; ++z) {
            var zoneTrays = []
            for (var t = 0; t < traysPerZoneCount; ++t) {
                var bin = z * traysPerZoneCount + t
                var tray = trayComponent.createObject(this, { log: log, binNumber: bin, objectName: "tbsc" + bin })
                zoneTrays.push(tray)
                trays.push(tray)
            }
            zones.push(zoneComponent.createObject(this, {
                log: log, zoneNumber: z, traysPerZone: traysPerZoneCount,
                traysListProperty: zoneTrays, objectName: "zone" + z
            }))
        }
        numberOfRows = rows
        zonesPerRow = zonesPerRowCount
        traysPerZone = traysPerZoneCount
        numberOfZones = zones.length
        traysModelList = trays
        zonesModelList = zones
    }
    function nothingBeingHeld() { log.record("cabinetManager.nothingBeingHeld", arguments); return nothingHeld }
    function clearHoldingHistory() { log.record("cabinetManager.clearHoldingHistory", arguments) }
    function reStateTraysHoldTemps() { log.record("cabinetManager.reStateTraysHoldTemps", arguments) }
    onHeatersTestEnabledChanged: log.record("cabinetManager.heatersTestEnabled", [heatersTestEnabled])
    function sendClearAmbientTempAlarm() { log.record("cabinetManager.sendClearAmbientTempAlarm", arguments) }
    function isFlashDriveMounted() { return flashDriveAnswer === undefined ? flashDriveMounted : flashDriveAnswer }
    function exportMenuFiles() { log.record("cabinetManager.exportMenuFiles", arguments) }
    function importMenuFiles() { log.record("cabinetManager.importMenuFiles", arguments) }
    function exportScreenShots() { log.record("cabinetManager.exportScreenShots", arguments) }
    function exportKernelLog() { log.record("cabinetManager.exportKernelLog", arguments) }
    function exportIotLog() { log.record("cabinetManager.exportIotLog", arguments) }
}
