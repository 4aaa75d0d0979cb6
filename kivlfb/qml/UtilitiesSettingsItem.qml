import QtQuick 2.15
import "heaters"

// The Utilities page in the settings frame, as the service list holds it at
// both of its ends: level 2, its test buttons usable while locked, modified
// while its switches hold changes not yet accepted. The switches are read
// again each time the page comes into view.
GenericSettingsItem {
    id: wrapper

    readonly property alias page: utilities
    property alias display: utilities.display
    property alias dialogParent: utilities.dialogParent
    property alias enterNumber: utilities.enterNumber
    property alias reportsScreenshotExport: utilities.reportsScreenshotExport

    itemName: "DemoModeItem"
    lockLevel: 2
    itemLocked: true
    allowInteraction: true
    itemModified: utilities.changesFlag

    onItemActiveChanged: if (itemActive) utilities.load()

    Rectangle {
        anchors.fill: parent
        z: -2
        color: uiSkin.generalPanelBackgroundColor
    }
    DemoModeItem {
        id: utilities
        anchors.fill: parent
        locked: wrapper.itemLocked
        unlockedLevel: wrapper.unlockedLevel
        sound: typeof soundManager !== "undefined" ? soundManager : null
        platform: typeof platformInfo !== "undefined" ? platformInfo : null
    }
}
