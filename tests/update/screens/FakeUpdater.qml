import QtQml 2.15

// The update as the installer sees it: the Updater's property, signal and
// slot names, with the calls the screen makes recorded in `calls`.
QtObject {
    id: fake

    property var calls: []

    property bool applicationUpdateAvailable: false
    property bool sibUpdateAvailable: false
    property bool nfcAppUpdateAvailable: false
    property bool kernelUpdateAvailable: false
    property bool cleaningUpdateAvailable: false
    property bool soundsUpdateAvailable: false
    property bool cookbookUpdateAvailable: false
    property bool languagesUpdateAvailable: false
    property bool helpfilesUpdateAvailable: false
    property string uiUpdateInfoTxt: ""
    property string sibUpdateInfoTxt: ""
    property string nfcUpdateInfoTxt: ""
    property string osUpdateInfoTxt: ""
    property string clUpdateInfoTxt: ""
    property string soundUpdateInfoTxt: ""
    property string cbUpdateInfoTxt: ""
    property string languageUpdateInfoTxt: ""
    property string helpUpdateInfoTxt: ""
    property string sibCurrentSwVersion: ""
    property string uiCurrentSwVersion: ""
    property bool b1SibAutoDownload: true
    property bool autoInstall: false
    property bool idleStateActive: true
    property int targetDisplaySelection: 0
    property string updaterDialogMsg: ""
    property bool updateFailed: false
    property bool canFileXfrActive: false
    property bool slaveFound: false
    property int checkForSlaveUiProgress: 0
    property bool progressDialogVisible: false
    property int fwUpdateProgress: 0
    property int totalTimeouts: 0
    property bool slavePhuUpdateFlag: false
    property int slavePhuId: -1
    property int slaveUpdateProgress: 0
    property bool nfcProgressDialogVisible: false
    property int nfcBoardId: 0
    property int nfcUpdateProgress: 0

    signal startUpdateNextStep()
    signal updatesDone()
    signal fwupdate_succeeded()
    signal fwupdate_copied()
    signal b1AppInstall_succeeded()
    signal cleaningProfiles_copied()
    signal cleaningProfiles_copy_failed()
    signal soundFiles_copied()
    signal soundFiles_copy_failed()
    signal languageFiles_copied()
    signal languageFiles_copy_failed()

    // The chart leaves idleState on its first next-step signal.
    onStartUpdateNextStep: idleStateActive = false

    function record(call) {
        var list = calls
        list.push(call)
        calls = list
    }
    function firmwareUpdateDone(result) { record("firmwareUpdateDone(" + result + ")") }
    function exitUpdateApp() { record("exitUpdateApp()") }
    function getUpdaterSwVersion() { return "Updater 9.9.9" }
}
