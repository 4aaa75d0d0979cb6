import QtQml 2.15

// kivnm: the cabinet network.
QtObject {
    property bool wifiApConnected: false
    property int wifiLink: 0
    property int wifiLevel: 0
    property int wifiNoise: 0

    signal numCabinetsOnNetworkChanged(int numCabinets)
    signal networkConnectionChanged(bool isConnected)
}
