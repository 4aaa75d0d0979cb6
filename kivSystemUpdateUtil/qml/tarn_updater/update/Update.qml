import QtQuick 2.15
import "../qml-widgets"

// The installer: the parts the update package holds, the display's role
// and orientation, GO, and over them the operation message, the progress
// of the board and CAN transfers, the exit question and the final message.
// It reads the update through `updater` and the CAN transfer's progress
// through `canbus`.
Rectangle {
    id: installer

    property QtObject updater
    property QtObject canbus
    property bool portrait: false

    // Set by the update's signals and by the exit question.
    property bool messageShown: false
    property string messageText: ""
    property bool exitDialogShown: false
    property bool finalShown: false
    property string exitMessage: ""
    property bool finished: false

    readonly property int footerSize: 100
    readonly property int margin: 16
    readonly property int exitDelayMs: 500
    readonly property real finishedOpacity: 0.25
    readonly property string successText: "Software update successful.<br><br>Unplug USB and reboot the unit"
    readonly property string failureText: "Software update failed.<br><br>Unplug USB and reboot the unit"

    readonly property bool ioProgressShown: updater.progressDialogVisible
    readonly property bool heaterProgressShown: updater.slavePhuId >= 0 && updater.slavePhuId <= 4
    readonly property bool nfcProgressShown: updater.nfcProgressDialogVisible

    width: portrait ? 480 : 800
    height: portrait ? 800 : 480
    color: "white"

    function showFinal(text) {
        exitDialogShown = false
        exitMessage = text
        finalShown = true
        exitTimer.start()
    }

    Connections {
        target: installer.updater

        function onUpdaterDialogMsgChanged() {
            installer.messageText = installer.updater.updaterDialogMsg
            installer.messageShown = true
        }
        function onUpdatesDone() {
            var failed = installer.updater.updateFailed
            installer.updater.firmwareUpdateDone(!failed)
            installer.finished = true
            installer.messageShown = false
            installer.showFinal(failed ? installer.failureText : installer.successText)
        }
        function onB1SibAutoDownloadChanged() {
            if (installer.updater.b1SibAutoDownload)
                return
            installer.messageText = qsTr("Current UI application does not support\nAutomatic SIB downloads.\n")
                    + qsTr("After exiting installer, go to Service mode and select\nSIB Firmware Update.\n")
            installer.messageShown = true
        }
        function onFwupdate_succeeded() {
            ioRow.done = true
            installer.messageShown = false
        }
        function onFwupdate_copied() { ioRow.stateText = qsTr("Copied") }
        function onB1AppInstall_succeeded() { uiRow.stateText = qsTr("DONE") }
        function onCleaningProfiles_copied() { cleaningRow.stateText = qsTr("DONE") }
        function onCleaningProfiles_copy_failed() { cleaningRow.stateText = qsTr("Retry") }
        function onSoundFiles_copied() { soundsRow.stateText = qsTr("DONE") }
        function onSoundFiles_copy_failed() { soundsRow.stateText = qsTr("Retry") }
        function onLanguageFiles_copied() { languagesRow.stateText = qsTr("DONE") }
        function onLanguageFiles_copy_failed() { languagesRow.stateText = qsTr("Retry") }
    }

    Timer {
        id: exitTimer
        objectName: "exitTimer"
        interval: installer.exitDelayMs
        onTriggered: installer.updater.exitUpdateApp()
    }

    Footer {
        id: footer
        objectName: "footer"
        vertical: !installer.portrait
        x: 0
        y: installer.portrait ? installer.height - height : 0
        width: installer.portrait ? installer.width : installer.footerSize
        height: installer.portrait ? installer.footerSize : installer.height
        onReturnClicked: installer.exitDialogShown = true
    }

    Item {
        id: page
        objectName: "page"
        x: installer.portrait ? 0 : installer.footerSize
        y: 0
        width: installer.portrait ? installer.width : installer.width - installer.footerSize
        height: installer.portrait ? installer.height - installer.footerSize : installer.height

        Header {
            id: header
            anchors.left: parent.left
            anchors.right: parent.right
            title: qsTr("System Update Installer")
        }

        Flickable {
            id: scroller
            objectName: "partsScroller"
            anchors.top: header.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: bottomBox.top
            anchors.margins: installer.margin
            contentHeight: content.height
            clip: true

            Column {
                id: content
                width: scroller.width
                spacing: 12

                Flow {
                    width: parent.width
                    spacing: 40

                    RadioButtonGroup {
                        id: roleGroup
                        objectName: "roleGroup"
                        title: qsTr("Display")
                        labels: [qsTr("Primary"), qsTr("Secondary")]
                        enabled: !installer.finished
                    }

                    RadioButtonGroup {
                        id: orientationGroup
                        objectName: "orientationGroup"
                        title: qsTr("Orientation")
                        labels: [qsTr("Portrait"), qsTr("Landscape")]
                        enabled: !installer.finished
                    }
                }

                Column {
                    objectName: "partRows"
                    width: parent.width
                    spacing: 10
                    opacity: installer.finished ? installer.finishedOpacity : 1.0

                    UpdateItemInfo {
                        id: ioRow
                        objectName: "ioRow"
                        visible: installer.updater.sibUpdateAvailable
                        info: installer.updater.sibUpdateInfoTxt
                        checked: installer.updater.b1SibAutoDownload
                        checkEnabled: true
                    }
                    UpdateItemInfo {
                        id: uiRow
                        objectName: "uiRow"
                        visible: installer.updater.applicationUpdateAvailable
                        info: installer.updater.uiUpdateInfoTxt
                        checked: visible
                        checkEnabled: true
                    }
                    UpdateItemInfo {
                        objectName: "nfcRow"
                        visible: installer.updater.nfcAppUpdateAvailable
                        info: installer.updater.nfcUpdateInfoTxt
                        checked: visible
                        checkEnabled: true
                    }
                    UpdateItemInfo {
                        objectName: "osRow"
                        visible: installer.updater.kernelUpdateAvailable
                        info: installer.updater.osUpdateInfoTxt
                        checked: visible
                        checkEnabled: false
                    }
                    UpdateItemInfo {
                        id: cleaningRow
                        objectName: "cleaningRow"
                        visible: installer.updater.cleaningUpdateAvailable
                        info: installer.updater.clUpdateInfoTxt
                        checked: visible
                        checkEnabled: false
                    }
                    UpdateItemInfo {
                        id: soundsRow
                        objectName: "soundsRow"
                        visible: installer.updater.soundsUpdateAvailable
                        info: installer.updater.soundUpdateInfoTxt
                        checked: visible
                        checkEnabled: false
                    }
                    UpdateItemInfo {
                        id: languagesRow
                        objectName: "languagesRow"
                        visible: installer.updater.languagesUpdateAvailable
                        info: installer.updater.languageUpdateInfoTxt
                        checked: visible
                        checkEnabled: false
                    }
                    UpdateItemInfo {
                        objectName: "menusRow"
                        visible: installer.updater.cookbookUpdateAvailable
                        info: installer.updater.cbUpdateInfoTxt
                        checked: visible
                        checkEnabled: false
                    }
                    UpdateItemInfo {
                        objectName: "helpRow"
                        visible: installer.updater.helpfilesUpdateAvailable
                        info: installer.updater.helpUpdateInfoTxt
                        checked: visible
                        checkEnabled: false
                    }

                    Text {
                        objectName: "currentVersions"
                        visible: text.length > 0
                        font.pixelSize: 16
                        color: "#555555"
                        text: [installer.updater.uiCurrentSwVersion, installer.updater.sibCurrentSwVersion]
                              .filter(function (v) { return v && v.length > 0 }).join("   ")
                    }
                }
            }
        }

        Item {
            id: bottomBox
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 80

            PushButton {
                id: goButton
                objectName: "goButton"
                anchors.centerIn: parent
                text: qsTr("GO")
                visible: !installer.updater.autoInstall && !installer.finished
                // The update starts once; a later press would reach the
                // running update as its next-step signal.
                onClicked: {
                    if (!installer.updater.idleStateActive)
                        return
                    installer.updater.targetDisplaySelection = orientationGroup.currentIndex * 2 + roleGroup.currentIndex
                    installer.updater.startUpdateNextStep()
                }
            }
        }

        Text {
            objectName: "versionText"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 6
            font.pixelSize: 16
            color: "#555555"
            text: installer.updater.getUpdaterSwVersion()
        }
    }

    Loader {
        objectName: "operationMessage"
        anchors.fill: parent
        active: installer.messageShown
        sourceComponent: MessageDialog {
            borderColor: "red"
            text: installer.messageText
        }
    }

    Loader {
        objectName: "progressScreen"
        anchors.fill: parent
        active: installer.updater.canFileXfrActive || installer.updater.progressDialogVisible
                || installer.updater.slavePhuUpdateFlag || installer.updater.nfcProgressDialogVisible
        sourceComponent: Rectangle {
            color: "#b0000000"

            MouseArea {
                anchors.fill: parent
            }

            Column {
                anchors.centerIn: parent
                spacing: 12

                FwUpdateProgressDialog {
                    objectName: "ioProgress"
                    visible: installer.ioProgressShown
                    label: qsTr("IO Firmware Update Progress...<br>IO Board: ") + 1
                    progress: installer.updater.fwUpdateProgress
                    showTimeouts: true
                    timeouts: installer.updater.totalTimeouts
                }
                FwUpdateProgressDialog {
                    objectName: "heaterProgress"
                    visible: installer.heaterProgressShown
                    label: qsTr("IO Firmware Update Progress...<br>IO Board: ") + (installer.updater.slavePhuId + 1)
                    progress: installer.updater.slaveUpdateProgress
                }
                FwUpdateProgressDialog {
                    objectName: "nfcProgress"
                    visible: installer.nfcProgressShown
                    label: qsTr("NFC Firmware Update Progress...<br>NFC Board: ") + installer.updater.nfcBoardId
                    progress: installer.updater.nfcUpdateProgress
                    showTimeouts: true
                    timeouts: installer.updater.totalTimeouts
                }
                FwUpdateProgressDialog {
                    objectName: "canProgress"
                    visible: installer.updater.canFileXfrActive && installer.updater.slaveFound
                    label: qsTr("Firmware Update Progress...")
                    progress: installer.canbus ? installer.canbus.canFileProgress : 0
                }
                FwUpdateProgressDialog {
                    objectName: "waitProgress"
                    visible: installer.updater.canFileXfrActive && !installer.updater.slaveFound
                             && !installer.ioProgressShown && !installer.heaterProgressShown
                             && !installer.nfcProgressShown
                    label: qsTr("Firmware Update Progress...")
                    progress: installer.updater.checkForSlaveUiProgress
                }
            }
        }
    }

    Loader {
        objectName: "exitDialog"
        anchors.fill: parent
        active: installer.exitDialogShown
        sourceComponent: MessageDialog {
            text: qsTr("Exit installer?")
            compact: true
            fontSize: 26
            buttons: [qsTr("Quit"), qsTr("Stay")]
            onButtonClicked: {
                if (index === 0)
                    installer.showFinal(installer.successText)
                else
                    installer.exitDialogShown = false
            }
        }
    }

    Loader {
        objectName: "finalPanel"
        anchors.fill: parent
        active: installer.finalShown
        sourceComponent: Rectangle {
            color: "white"

            MouseArea {
                anchors.fill: parent
            }

            Text {
                objectName: "exitMessageText"
                anchors.centerIn: parent
                width: parent.width - 40
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                textFormat: Text.RichText
                color: "red"
                font.pixelSize: 24
                font.bold: true
                text: installer.exitMessage
            }
        }
    }
}
