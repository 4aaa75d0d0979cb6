import QtQuick 2.15
import ".."

// The Zone Diagnostics page of the service list: the heater diagnostics in
// the settings frame, whose page state (itemLocked, itemModified,
// lockLevel, itemName) the list reads. Shown on every display, unlockable
// only on the primary one (lockLevel -1 elsewhere); locked when created and again when holding
// starts. While modified (a test runs or a value was changed) the idle
// return to the holding screen waits.
GenericSettingsItem {
    id: page

    property QtObject cabinet: cabinetManager
    property var enterNumber: null
    // The main window, whose ignoreNoUserInteraction follows itemModified.
    property QtObject display: null

    itemName: "ZonesHeatersServiceItem"
    lockLevel: cabinet.iAmMaster ? 2 : -1
    itemLocked: true

    signal messageRequested(string text, bool showClose)

    onItemModifiedChanged: if (display) display.ignoreNoUserInteraction = itemModified

    Rectangle {
        anchors.fill: parent
        z: -2
        color: uiSkin.generalPanelBackgroundColor
    }
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
