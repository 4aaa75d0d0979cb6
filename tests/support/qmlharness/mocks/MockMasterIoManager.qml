import QtQml 2.15

// masterIOmanager: the I/O board link.
QtObject {
    property var binInfoList: []

    signal ambientTemperatureAlarm()
    signal heaterHighTempAlarm()
    signal invokeSimpleDialog(string msg, bool showClose)
}
