import QtQuick 2.15

// The Zone Diagnostics page of the service list: the heater diagnostics
// with the page state the list reads (itemLocked, itemModified, lockLevel,
// itemName). Shown on every display, unlockable only on the primary one
// (lockLevel -1 elsewhere); locked when created and again when holding
// starts. While modified (a test runs or a value was changed) the idle
// return to the holding screen waits.
Item {
    id: page

    property QtObject cabinet: cabinetManager
    property var enterNumber: null
    // The main window, whose ignoreNoUserInteraction follows itemModified.
    property QtObject display: null
    property string itemName: "ZonesHeatersServiceItem"
    property int lockLevel: cabinet.iAmMaster ? 2 : -1
    property bool itemLocked: true
    property bool itemModified: false
    property int unlockedLevel: 0

    signal messageRequested(string text, bool showClose)

    onItemModifiedChanged: if (display) display.ignoreNoUserInteraction = itemModified

    HeatersDiagnosticsItem {
        id: diags
        objectName: "heatersDiagnostics"
        anchors.fill: parent
        cabinet: page.cabinet
        enterNumber: page.enterNumber
        locked: page.itemLocked
        onModifiedChanged: page.itemModified = modified
        onLockRequested: page.itemLocked = true
        onMessageRequested: page.messageRequested(text, showClose)
    }
}
