import QtQml 2.15

// eolTest: the factory test.
QtObject {
    property QtObject log

    property bool eolTestStarted: false

    signal udpBroadcastStarted()
    signal systemInfoTestStart()
    signal displayTestStart()
    signal soundTestStart()
    signal heatingTestCommand()
    signal nfcTestStart()

    function startUdpbroadcast() { log.record("eolTest.startUdpbroadcast", arguments) }
}
