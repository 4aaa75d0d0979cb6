import QtQuick 2.15
import QtQuick.Window 2.15

// Window of the simulated NFC readers, shown on the primary display in
// simulation; pans are placed and taken from here.
Window {
    id: nfcSimWindow

    width: 480
    height: 320
    visible: true
    title: "NFC simulator"

    NfcSimPanel {
        anchors.fill: parent
    }
}
