import QtQuick 2.15
import "widgets"

// The menu export page: writes the cabinet's menu to the flash drive.
GenericSettingsItem {
    id: page

    readonly property int buttonWidth: 260
    readonly property int buttonHeight: 60

    itemName: "McUsbExportItem"

    function exportMenu() {
        var mounted = cabinetManager.isFlashDriveMounted()
        cabinetManager.set_flashDriveMounted(mounted)
        if (mounted)
            mcp.exportTavolenJsonFile()
        else
            mcp.exportMenuFailed()
    }
    function checkFlashDrive() {
        cabinetManager.set_flashDriveMounted(cabinetManager.isFlashDriveMounted())
    }

    Text {
        id: title
        objectName: "pageTitle"
        anchors.top: parent.top
        anchors.topMargin: 12
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Tavolen Export") + tro.emptyStr
        font.pixelSize: uiSkin.servicePageTitleFontSize
        font.bold: true
        color: uiSkin.servicePageTitleFontColor
    }

    Column {
        anchors.centerIn: parent
        spacing: 30

        NumericKeyboardButton {
            objectName: "exportButton"
            width: page.buttonWidth
            height: page.buttonHeight
            reportVki: false
            keycode: ""
            label: qsTr("Export Menu Files") + tro.emptyStr
            labelSize: 22
            enabled: cabinetManager.flashDriveMounted && !page.itemLocked
            onClicked: page.exportMenu()
        }
        NumericKeyboardButton {
            objectName: "checkDriveButton"
            width: page.buttonWidth
            height: page.buttonHeight
            reportVki: false
            keycode: ""
            label: qsTr("Check Flash Drive") + tro.emptyStr
            labelSize: 22
            enabled: !page.itemLocked
            onClicked: page.checkFlashDrive()
        }
    }
}
