import QtQuick 2.15

// kivErrorController: the error controller front. errorInfoModel holds the
// rows a test gives it; the calls only go to the log.
QtObject {
    property QtObject log

    property bool sibLinkBroken: false
    property int errorsLogListCount: errorInfoModel.count
    property ListModel errorInfoModel: ListModel {}

    function clearErrorLogList() { log.record("kivErrorController.clearErrorLogList", arguments) }
    function retrieveAllErrorLogs() { log.record("kivErrorController.retrieveAllErrorLogs", arguments) }
    function deleteAllErrorLogs() { log.record("kivErrorController.deleteAllErrorLogs", arguments) }
    function exportErrorLog() { log.record("kivErrorController.exportErrorLog", arguments) }
}
