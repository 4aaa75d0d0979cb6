import QtQml 2.15

// wifiMon: the Wi-Fi monitor.
QtObject {
    property QtObject log

    signal signalLevelChanged(int value)

    function saveWifiStats() { log.record("wifiMon.saveWifiStats", arguments) }
    function exportWifiLogs() { log.record("wifiMon.exportWifiLogs", arguments) }
}
