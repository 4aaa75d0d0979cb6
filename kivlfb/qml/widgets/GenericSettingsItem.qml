import QtQuick 2.15

// The frame of every service settings page. A page with a lock level above
// 0 starts locked: a touch on it asks its host for the access code
// (askForPinPad) instead of reaching the page. Once unlocked the page is
// framed, yellow, or red while it holds changes not yet accepted.
//   lockLevel         0 no lock; 1 to 3 the access level needed; -1 listed
//                     but never unlocked
//   unlockedLevel     the access level at which the page was unlocked
//   allowInteraction  the page's controls stay usable while it is locked;
//                     only taps that no control takes ask for the code
//   itemActive        the page is the service list's current one
//   scrollActive      the page's scroll handle is held
Item {
    id: settingsItem

    property bool itemActive: false
    property int lockLevel: 0
    property bool itemLocked: lockLevel > 0 || lockLevel < 0
    property bool itemModified: false
    property bool itemInitialized: false
    property bool allowInteraction: false
    property bool scrollActive: false
    property int unlockedLevel: 0
    property string itemName: ""

    readonly property int frameWidth: 6
    // Taps this close to the right edge belong to the list's scroll bar.
    readonly property int scrollEdge: 4

    signal askForPinPad()

    clip: true

    Rectangle {
        objectName: "lockFrame"
        anchors.fill: parent
        z: 999
        color: "transparent"
        border.width: settingsItem.frameWidth
        border.color: settingsItem.itemModified ? "red" : "#ffda00"
        visible: !settingsItem.itemLocked && settingsItem.lockLevel > 0
    }

    MouseArea2 {
        objectName: "lockLayer"
        // Above the page when nothing may be touched, below its controls
        // when they stay usable.
        z: settingsItem.allowInteraction ? -1 : 1000
        anchors.fill: parent
        anchors.rightMargin: settingsItem.scrollEdge
        visible: settingsItem.itemLocked
        onClicked: if (settingsItem.lockLevel > 0) settingsItem.askForPinPad()
        onPressAndHold: if (settingsItem.lockLevel > 0) settingsItem.askForPinPad()
    }
}
