import QtQml 2.15

// masterIOmanager: the I/O board link.
QtObject {
    id: io

    property QtObject log
    property var binInfoList: []
    property var mbioRawInfoList: []
    property var zoneSetPointList: []
    property int ambientTemperature: 0
    property double lineVoltage: 0
    property double lineCurrent: 0
    property double lineFrequency: 0
    property bool nfcAccsTestEnabled: false
    // What getFirstChannel() and the UID getters answer.
    property int firstChannel: 0
    property var uidTexts: ({})

    signal ambientTemperatureAlarm()
    signal heaterHighTempAlarm()
    signal invokeSimpleDialog(string msg, bool showClose)
    signal ttSendRequestSignal()
    signal nfcAccsTestUpdate()
    signal currentUIDsChanged(int whichBin)

    onTtSendRequestSignal: log.record("masterIOmanager.ttSendRequestSignal", [])
    onNfcAccsTestEnabledChanged: log.record("masterIOmanager.nfcAccsTestEnabled", [nfcAccsTestEnabled])

    function loadHeatersTempTest() { log.record("masterIOmanager.loadHeatersTempTest", arguments) }
    function loadBinTempTest() { log.record("masterIOmanager.loadBinTempTest", arguments) }
    function sendAllBinsSetpoints() { log.record("masterIOmanager.sendAllBinsSetpoints", arguments) }
    function sendAllBinsFanSpeed() { log.record("masterIOmanager.sendAllBinsFanSpeed", arguments) }
    function sendAllFanTargetsRequest() { log.record("masterIOmanager.sendAllFanTargetsRequest", arguments) }
    function getFirstChannel() { return firstChannel }
    function get_currentUID(bin) { return uidTexts[bin] ? parseInt(uidTexts[bin], 16) : 0 }
    function currentUidText(bin) { return uidTexts[bin] || "0" }

    // Gives the mock its 20 bins and the 21 raw register rows, as the link
    // builds them.
    function makeBins() {
        var binComponent = Qt.createQmlObject(
            "import QtQml 2.15; Component { QtObject { property int binNumber; property int actualTemp; "
            + "property int targetTemp; property int actualFanSpeed; property int targetFanSpeed } }", io)
        var rowComponent = Qt.createQmlObject(
            "import QtQml 2.15; Component { QtObject { property int regIdx; property string regName; "
            + "property string value: \"0\" } }", io)
        var bins = []
        for (var b = 0; b < 20; ++b)
            bins.push(binComponent.createObject(io, { binNumber: b }))
        var rows = [rowComponent.createObject(io, { regIdx: 13, regName: "operationMode" })]
        for (var i = 0; i < 20; ++i)
            rows.push(rowComponent.createObject(io, { regIdx: 14 + i,
                                                      regName: "actualTemp[" + Math.floor(i / 2) + "][" + (i % 2) + "]" }))
        binInfoList = bins
        mbioRawInfoList = rows
    }
}
