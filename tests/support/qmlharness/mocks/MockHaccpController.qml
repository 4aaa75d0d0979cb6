import QtQml 2.15

// haccpController: the holding log.
QtObject {
    property QtObject log

    signal exportHaccpLogDone(string result)

    function exportHaccpLog() { log.record("haccpController.exportHaccpLog", arguments) }
}
