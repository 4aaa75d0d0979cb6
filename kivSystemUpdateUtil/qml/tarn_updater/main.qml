import QtQuick 2.15
import QtQuick.Window 2.15

// The update utility's window: the parts of the update package that were
// found, with their descriptions, and the operation message.
Window {
    id: updaterWindow

    readonly property int panelWidth: 800
    readonly property int panelHeight: 480
    readonly property int margin: 20
    readonly property int textSize: 20

    width: (appPortraitFlag ? panelHeight : panelWidth) * uiscalingX
    height: (appPortraitFlag ? panelWidth : panelHeight) * uiscalingY
    visible: true
    color: "black"
    title: "System update"

    readonly property int exitDelayMs: 500

    // The end of an update: report it on the D-Bus at once, then stop the
    // controller and this program shortly after.
    Connections {
        target: upd
        function onUpdatesDone() {
            upd.firmwareUpdateDone(!upd.updateFailed)
            exitTimer.start()
        }
    }

    Timer {
        id: exitTimer
        objectName: "exitTimer"
        interval: updaterWindow.exitDelayMs
        onTriggered: upd.exitUpdateApp()
    }

    Column {
        objectName: "partsColumn"
        anchors.fill: parent
        anchors.margins: updaterWindow.margin
        spacing: updaterWindow.margin / 2

        Text {
            objectName: "noUpdateText"
            visible: !upd.usbStorageAvailable
            color: "white"
            font.pixelSize: updaterWindow.textSize
            text: qsTr("No update found")
        }

        Repeater {
            model: [
                { shown: upd.applicationUpdateAvailable, info: upd.uiUpdateInfoTxt },
                { shown: upd.configUpdateAvailable, info: qsTr("<b>Configuration</b>") },
                { shown: upd.splashScreenUpdateAvailable, info: qsTr("<b>Splash screen</b>") },
                { shown: upd.sibUpdateAvailable, info: upd.sibUpdateInfoTxt },
                { shown: upd.nfcAppUpdateAvailable, info: upd.nfcUpdateInfoTxt },
                { shown: upd.cookbookUpdateAvailable, info: upd.cbUpdateInfoTxt },
                { shown: upd.kernelUpdateAvailable, info: upd.osUpdateInfoTxt },
                { shown: upd.soundsUpdateAvailable, info: upd.soundUpdateInfoTxt },
                { shown: upd.helpfilesUpdateAvailable, info: upd.helpUpdateInfoTxt },
                { shown: upd.languagesUpdateAvailable, info: upd.languageUpdateInfoTxt }
            ]

            Text {
                objectName: "partText"
                visible: modelData.shown
                color: "white"
                font.pixelSize: updaterWindow.textSize
                textFormat: Text.RichText
                text: modelData.info
            }
        }

        Text {
            objectName: "dialogText"
            color: "yellow"
            font.pixelSize: updaterWindow.textSize
            textFormat: Text.RichText
            text: upd.updaterDialogMsg
        }
    }
}
