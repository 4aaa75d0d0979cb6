import QtQuick 2.15
import "widgets"

// The frame of every page of the service list. A page with a lock level
// above 0 (1 to 3: the access level it needs; -1: shown, never unlocked)
// starts locked; a tap that no control of the page takes asks the list for
// the PIN, except on the page's right edge. While unlocked such a page is
// framed, yellow, or red while it holds changes not yet saved. With
// allowInteraction the page's controls still take touches while it is
// locked (a list that scrolls); without it, every tap asks for the PIN.
Item {
    id: settingsItem

    property bool itemActive: false
    property int lockLevel: 0
    property bool itemLocked: false
    property bool itemModified: false
    property bool itemInitialized: false
    property bool allowInteraction: false
    property bool scrollActive: false
    property int unlockedLevel: 0
    property string itemName: ""

    readonly property int pinEdgeMargin: 4
    readonly property int lockFrameWidth: 6

    signal askForPinPad()

    function pinTap(x) {
        if (itemLocked && lockLevel > 0 && x < width - pinEdgeMargin)
            askForPinPad()
    }

    // Under the page's own content: the taps no control takes.
    MouseArea2 {
        anchors.fill: parent
        z: -1
        onClicked: settingsItem.pinTap(mouse.x)
    }
    // Over the content: every tap, while locked without interaction.
    MouseArea2 {
        anchors.fill: parent
        z: 100
        visible: settingsItem.itemLocked && !settingsItem.allowInteraction
        onClicked: settingsItem.pinTap(mouse.x)
    }
    Rectangle {
        objectName: "lockFrame"
        anchors.fill: parent
        z: 101
        color: "transparent"
        border.width: settingsItem.lockFrameWidth
        border.color: settingsItem.itemModified ? "red" : "#ffda00"
        visible: !settingsItem.itemLocked && settingsItem.lockLevel > 0
    }
}
