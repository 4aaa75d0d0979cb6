import QtQuick 2.15
import QtQuick.Window 2.15

// The main screen's window. The cabinet core sets applicationVersion after
// loading; the screens of each subsystem are hosted inside it.
Window {
    id: mainWindow

    property string applicationVersion: ""

    width: 800
    height: 480
    visible: true
    color: "black"
    title: "KIV " + applicationVersion
}
