import QtQuick 2.15
import "../widgets"

// The file export screen of the service menu: copies menus, logs and
// screenshots to the USB stick and imports menus from it. Every button
// waits for a stick; the holding log also needs the log to be kept.
Item {
    id: filesItem

    readonly property int buttonWidth: 300
    readonly property int buttonHeight: 48
    readonly property int exportWaitMs: 120000
    readonly property bool haccpPublished: typeof haccpController !== "undefined"
    property bool driveMounted: false

    signal closeButtonPressed()

    function refresh() {
        driveMounted = cabinetManager.isFlashDriveMounted() === true
    }
    function showMessage(text) {
        var dialog = messageDialog.show()
        dialog.theText = text
        dialog.showCloseButton = true
    }
    function exportHoldingLog() {
        bwi.show().start(exportWaitMs)
        haccpController.exportHaccpLog()
    }

    anchors.fill: parent
    onVisibleChanged: if (visible) refresh()
    Component.onCompleted: if (visible) refresh()

    DialogFrame {
        id: frame
        boxWidth: 2 * filesItem.buttonWidth + 60
        boxHeight: title.height + buttons.anchors.topMargin + buttons.height + 20

        Text {
            id: title
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            text: (filesItem.driveMounted ? qsTr("Files Import / Export") : qsTr("Insert a USB flash drive")) + tro.emptyStr
            color: uiSkin.servicePageTitleFontColor
            font.pixelSize: uiSkin.servicePageTitleFontSize
            font.bold: true
        }
        Image {
            objectName: "filesCloseButton"
            parent: frame.box
            x: -5
            y: -5
            source: "../images/closeX.png"
            MouseArea2 {
                anchors.fill: parent
                anchors.margins: -15
                onClicked: filesItem.closeButtonPressed()
            }
        }
        Grid {
            id: buttons
            parent: frame.box
            anchors.top: title.bottom
            anchors.topMargin: 16
            anchors.horizontalCenter: parent.horizontalCenter
            columns: filesItem.width > filesItem.height ? 2 : 1
            spacing: 10
            enabled: filesItem.driveMounted

            Repeater {
                model: [
                    { name: "exportMenus", label: QT_TR_NOOP("Export Menu Files") },
                    { name: "importMenus", label: QT_TR_NOOP("Import Menu Files") },
                    { name: "exportScreenshots", label: QT_TR_NOOP("Export Screenshots") },
                    { name: "exportErrorLog", label: QT_TR_NOOP("Export Error Log") },
                    { name: "exportHoldingLog", label: QT_TR_NOOP("Export Holding Log") },
                    { name: "exportWifiLogs", label: QT_TR_NOOP("Export Wifi Logs") },
                    { name: "exportKernelLog", label: QT_TR_NOOP("Export Kernel Log") },
                    { name: "exportIotLogs", label: QT_TR_NOOP("Export IoT Logs") }
                ]
                NumericKeyboardButton {
                    objectName: modelData.name
                    width: filesItem.buttonWidth
                    height: filesItem.buttonHeight
                    label: qsTr(modelData.label) + tro.emptyStr
                    labelSize: 18
                    enabled: modelData.name !== "exportHoldingLog"
                             || (cabinetManager.haccpEnabled === true && filesItem.haccpPublished)
                    opacity: enabled ? 1.0 : 0.4
                    onClicked: {
                        switch (modelData.name) {
                        case "exportMenus": cabinetManager.exportMenuFiles(); break
                        case "importMenus": cabinetManager.importMenuFiles(); break
                        case "exportScreenshots": cabinetManager.exportScreenShots(); break
                        case "exportErrorLog": kivErrorController.exportErrorLog(); break
                        case "exportHoldingLog": filesItem.exportHoldingLog(); break
                        case "exportWifiLogs": wifiMon.exportWifiLogs(); break
                        case "exportKernelLog": cabinetManager.exportKernelLog(); break
                        case "exportIotLogs": cabinetManager.exportIotLog(); break
                        }
                    }
                }
            }
        }
    }

    Connections {
        target: filesItem.haccpPublished ? haccpController : null
        ignoreUnknownSignals: true
        function onExportHaccpLogDone(result) {
            bwi.visible = false
            if (result === "OK")
                filesItem.showMessage(qsTr("Holding Log files exported!") + tro.emptyStr)
            else
                filesItem.showMessage(qsTr("Holding Log export failed!") + tro.emptyStr + "<br>" + result)
        }
    }
    Connections {
        target: cabinetManager
        ignoreUnknownSignals: true
        function onScreenshotsExported() { filesItem.showMessage(qsTr("Screenshots exported!") + tro.emptyStr) }
        function onNoScreenShotsToExport() { filesItem.showMessage(qsTr("No screenshots to export.") + tro.emptyStr) }
    }
}
