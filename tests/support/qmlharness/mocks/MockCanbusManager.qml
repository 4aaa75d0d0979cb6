import QtQml 2.15

// cbm: the CAN bus manager.
QtObject {
    property int sendQDepth: 0
    property int sendQWaterMark: 0
    property bool fileTxfrActive: false
    property string fileTxfrName: ""
    property int fileTxfrSize: 0
    property int fileTxfrRcvd: 0
    property bool canIdRecError: false

    signal fileTxFailed(string dispMessage)

    function get_canIdRecError() { return canIdRecError }
}
