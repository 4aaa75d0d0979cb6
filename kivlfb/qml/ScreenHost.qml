import QtQuick 2.15

// A screen, dialog or keyboard of the main window that is created the first
// time it is shown rather than with the window, so that memory grows only
// with what is opened on this cabinet.
//
// The host stands under the screen's identifier and fills its parent: the
// screen lays itself out as it would in the panel, and stacks by the host's
// z and place among the panel's children.
//   visible             the need: true creates the screen if it does not
//                       exist yet and shows it, false hides it; a screen that
//                       hides itself hides its host
//   item                the screen; null until it is first shown
//   show()              shows the screen and returns it, for a caller that
//                       sets its properties or calls its functions
//   name                the object name the screen is created with
//   releasedWhenHidden  destroy the screen on every hide (a dialog that holds
//                       nothing between showings); otherwise it stays once
//                       created and keeps its state
// The screen is created hidden and then shown, so its handlers see the first
// showing as a change of visibility like every later one.
Item {
    id: host

    default property Component screen
    property string name: ""
    property bool releasedWhenHidden: false
    readonly property Item item: d.screenItem

    function show() {
        visible = true
        return item
    }

    anchors.fill: parent
    visible: false

    onVisibleChanged: d.follow()
    Component.onCompleted: d.follow()

    QtObject {
        id: d

        property Item screenItem: null

        function follow() {
            if (host.visible) {
                if (!screenItem) {
                    screenItem = host.screen.createObject(host, { objectName: host.name, visible: false })
                    if (!screenItem) {
                        console.warn("Screen", host.name, "could not be created")
                        return
                    }
                }
                screenItem.visible = true
            } else if (screenItem) {
                screenItem.visible = false
                if (host.releasedWhenHidden) {
                    screenItem.destroy()
                    screenItem = null
                }
            }
        }
    }

    Connections {
        target: d.screenItem
        function onVisibleChanged() {
            // Checked first: a write would undo a binding on the host's
            // visible, and the host is already hidden when its hiding hid
            // the screen.
            if (!d.screenItem.visible && host.visible)
                host.visible = false
        }
    }
}
