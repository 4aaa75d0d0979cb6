import QtQml 2.15

// snm: the system network manager.
QtObject {
    property string wifiConnectionName: ""
    property string wifiIpAddr: ""

    signal refreshNetworkInfo()
}
