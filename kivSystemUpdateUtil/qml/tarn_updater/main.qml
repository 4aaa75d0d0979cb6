import QtQuick 2.15
import QtQuick.Window 2.15
import "update"

// The update utility's window. The panel is mounted landscape; on a
// portrait cabinet the installer is laid out upright and turned onto it.
Window {
    id: updaterWindow
    objectName: "kivDisplayUpdate"

    readonly property int panelWidth: 800
    readonly property int panelHeight: 480

    width: panelWidth * uiscalingX
    height: panelHeight * uiscalingY
    visible: true
    color: "black"
    title: "System update"

    Update {
        id: installer
        objectName: "installer"
        anchors.centerIn: parent
        updater: upd
        canbus: cbm
        portrait: appPortraitFlag
        rotation: appPortraitFlag ? (appVerticalFlip ? 90 : 270) : 0
        scale: Math.min(uiscalingX, uiscalingY)
    }
}
