import QtQml 2.15

// haccpController: the holding log. haccpDataModel answers getData from the
// rows a test gives it ({ name, date, time, duration, expired, bin }); a
// read only goes to the log until the test reports it done.
QtObject {
    property QtObject log

    property int haccpLogListCount: 0
    property int totalHaccpLogListCount: 0
    property QtObject haccpDataModel: QtObject {
        property var rows: []

        function getData(index, column) {
            var row = rows[index]
            if (!row)
                return undefined
            return [row.name, row.date, row.time, row.duration, row.expired, row.bin][column]
        }
    }

    signal retrieveHaccpDataDone(string result)
    signal exportHaccpLogDone(string result)

    function retrieveAllHaccpData(retrieveAll) { log.record("haccpController.retrieveAllHaccpData", arguments) }
    function exportHaccpLog() { log.record("haccpController.exportHaccpLog", arguments) }
}
