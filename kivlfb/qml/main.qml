import QtQuick 2.15
import QtQuick.Window 2.15
import CabinetManagerDefs 1.0
import "widgets"

// The one window of the touch interface: the rotating, scaling main panel
// with the dock, and every screen and shared dialog, created once and shown
// or hidden as needed.
Window {
    id: kivDisplay
    objectName: "kivDisplay"

    property string applicationVersion: "unknown"
    property bool ignoreNoUserInteraction: false
    property bool screenshotsEnabled: false
    property bool tempViewEnabled: false

    signal cancelEdits()

    readonly property int landscapeWidth: 800
    readonly property int landscapeHeight: 480
    readonly property int arabicLanguageId: 11

    // Portrait draws the 480 x 800 layout turned into the landscape window;
    // vertical flip turns the picture by a further half turn.
    function uiRotation(portrait, verticalflip) {
        return (portrait ? 270 : 0) + (verticalflip ? 180 : 0)
    }
    // The extra temperature icon needs the room.
    function getFooterIconSize() {
        return cabinetManager.viewZoneTemperatureEnable === true ? 75 : 90
    }
    function isLanguageRightToLeft() {
        return tro.languageId === arabicLanguageId
    }
    function confirmCleaningStart() {
        mainPanel.askQuestion("Enter Cleaning Mode?", 10000, function () {
            cabinetManager.startCleaningMode()
            cabinetManager.sendCleaningModeToRemoteDisplay(true)
        }, function () {})
    }
    function confirmScreenCleaningStart() {
        mainPanel.askQuestion("Clean Screen Now?", 0, function () {
            lockScreen.visible = true
            cabinetManager.cancelSuggetCleanMode()
        }, function () {
            cabinetManager.cancelSuggetCleanMode()
        })
    }

    width: landscapeWidth * uiscalingX
    height: landscapeHeight * uiscalingY
    color: "black"
    visible: false
    title: "KIV " + applicationVersion

    Rectangle {
        id: mainPanel
        objectName: "mainPanel"

        readonly property bool portrait: cabinetManager.orientationPortrait === true
        readonly property bool dockLeft: cabinetManager.pressGoDockPosition === CabmgrDefs.PG_DOCK_POSITION_LEFT
        readonly property bool dockBottom: cabinetManager.pressGoDockPosition === CabmgrDefs.PG_DOCK_POSITION_BOTTOM
        readonly property int dockThickness: 90
        readonly property int longPressMs: 800
        readonly property int languageCommitMs: 800
        readonly property int tempViewMs: 5000

        // Dock state shared by both docks.
        property int selectedLanguageId: tro.languageId
        property bool dayPartSelectorOpen: false
        property bool cleaningMenuOpen: false
        property int numCabinetsOnNetwork: 0
        property bool cabinetNetworkConnected: false
        property string wifiLevelImage: "images/WifiDisconnected.png"

        signal showHomeScreen()

        // Steps the shown language at once; only the language standing when
        // the taps stop is applied, saved and sent.
        function stepLanguage() {
            selectedLanguageId = configManager.getNextLanguageId(selectedLanguageId)
            languageCommitTimer.restart()
        }
        function commitLanguage() {
            tro.setLanguage(selectedLanguageId)
            configManager.saveConfigFile()
            if (!cabinetManager.iAmMaster || cabinetManager.hasMirrorDisplay || cabinetManager.hasSecondaryDisplay)
                cabinetManager.sendConfigSettingsData()
            kivDisplay.cancelEdits()
        }
        function toggleTemperatureView() {
            if (kivDisplay.tempViewEnabled) {
                kivDisplay.tempViewEnabled = false
                tempViewTimer.stop()
            } else {
                kivDisplay.tempViewEnabled = true
                tempViewTimer.restart()
            }
        }
        function wifiImageForLevel(value) {
            if (value > 75) return "images/Wifi100.png"
            if (value > 65) return "images/Wifi75.png"
            if (value > 50) return "images/Wifi50.png"
            if (value > 30) return "images/Wifi25.png"
            return "images/WifiDisconnected.png"
        }
        function applyDayPart(aValue) {
            dayPartSelectorOpen = false
            if (cabinetManager.iAmMaster)
                daypartManager.set_nextDayPart(aValue)
            else
                cabinetManager.sendDayPartRequest(aValue)
        }
        // One shared question dialog serves every caller: the handlers are
        // attached for this question only and detached when it ends.
        function askQuestion(text, timeoutMs, onAccept, onCancel) {
            var finish = function () {
                acceptCancelDialog.accepted.disconnect(accept)
                acceptCancelDialog.cancelled.disconnect(cancel)
                questionTimer.triggered.disconnect(timeout)
                questionTimer.stop()
            }
            var accept = function () { finish(); onAccept() }
            var cancel = function () { finish(); onCancel() }
            var timeout = function () { finish(); acceptCancelDialog.visible = false }
            acceptCancelDialog.accepted.connect(accept)
            acceptCancelDialog.cancelled.connect(cancel)
            acceptCancelDialog.theTitle = ""
            acceptCancelDialog.theText = text
            acceptCancelDialog.visible = true
            if (timeoutMs > 0) {
                questionTimer.interval = timeoutMs
                questionTimer.triggered.connect(timeout)
                questionTimer.restart()
            }
        }

        width: portrait ? kivDisplay.landscapeHeight : kivDisplay.landscapeWidth
        height: portrait ? kivDisplay.landscapeWidth : kivDisplay.landscapeHeight
        anchors.centerIn: parent
        clip: true
        color: uiSkin.dockAreaBackgroundColor
        transform: [
            Scale {
                origin.x: mainPanel.width / 2
                origin.y: mainPanel.height / 2
                xScale: mainPanel.portrait ? uiscalingY : uiscalingX
                yScale: mainPanel.portrait ? uiscalingX : uiscalingY
            },
            Rotation {
                origin.x: mainPanel.width / 2
                origin.y: mainPanel.height / 2
                angle: kivDisplay.uiRotation(mainPanel.portrait, cabinetManager.verticalFlip === true)
            }
        ]

        QtObject {
            id: uiSkin
            property color dockAreaBackgroundColor: "#003874"
            property color pageDotsBorder: "#003874"
            property color pageDotsFill: "white"
            property color servicePageTitleFontColor: "#303030"
            property int servicePageTitleFontSize: 24
            property color generalPanelBackgroundColor: "white"
            property color keyboardButtonColor: "#d2d2d2"
            property color keyboardButtonColorDark: "#B4B4B4"
            property color keyboardButtonTextColor: "black"
            property color dialogBackgroundColor: "white"
            property color generalFontColor: "black"
        }

        // Touches that land on no control are swallowed.
        MouseArea2 {
            anchors.fill: parent
        }

        NavigationSm {
            id: navSm
        }

        NumericKeypad {
            id: numericKeypad
            objectName: "numericKeypad"
            x: mainPanel.portrait ? 0 : mainPanel.dockThickness
            anchors.verticalCenter: parent.verticalCenter
            z: 1000
            visible: false
        }

        PressAndGoView {
            id: pgMainGrid
            objectName: "pgMainGrid"
            x: mainPanel.dockLeft ? mainPanel.dockThickness : 0
            y: mainPanel.dockLeft ? 5 : 0
            width: mainPanel.width - x
            height: mainPanel.dockBottom ? mainPanel.height - mainPanel.dockThickness : mainPanel.height - y
            tempViewEnabled: kivDisplay.tempViewEnabled
            onMessageRequested: {
                messageDialog.theText = text
                messageDialog.showCloseButton = showClose
                messageDialog.visible = true
            }
        }

        Dock {
            id: landscapeDock
            objectName: "landscapeDock"
            visible: mainPanel.dockLeft
            width: mainPanel.dockThickness
            height: mainPanel.height
        }
        Dock {
            id: portraitDock
            objectName: "portraitDock"
            horizontal: true
            visible: mainPanel.dockBottom
            y: mainPanel.height - height
            width: mainPanel.width
            height: mainPanel.dockThickness
        }

        // Day-part selector over the holding view.
        Item {
            id: dayPartOverlay
            objectName: "dayPartOverlay"
            visible: mainPanel.dayPartSelectorOpen
            x: mainPanel.dockLeft ? mainPanel.dockThickness : 0
            width: mainPanel.width - x
            height: mainPanel.dockBottom ? mainPanel.height - mainPanel.dockThickness : mainPanel.height

            Rectangle {
                anchors.fill: parent
                color: mainPanel.dockBottom ? "#60000000" : "black"
                opacity: mainPanel.dockBottom ? 1.0 : 0.2
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: mainPanel.dayPartSelectorOpen = false
            }
            DayPartSelectPanel {
                id: dayPartSelectPanel
                objectName: "dayPartSelectPanel"
                portrait: mainPanel.dockBottom
                stemHeight: mainPanel.dockBottom ? 40 : 0
                x: mainPanel.dockBottom ? 0 : (mainPanel.dayPartSelectorOpen ? -4 : -434)
                y: mainPanel.dockBottom ? dayPartOverlay.height - height - 40 : 80
                Behavior on x { NumberAnimation { duration: 200 } }
                onDayPartSelectedSignal: mainPanel.applyDayPart(aValue)
            }
        }

        // Cleaning menu.
        Item {
            id: cleaningOverlay
            objectName: "cleaningOverlay"
            visible: mainPanel.cleaningMenuOpen
            x: mainPanel.dockLeft ? mainPanel.dockThickness : 0
            width: mainPanel.width - x
            height: mainPanel.dockBottom ? mainPanel.height - mainPanel.dockThickness : mainPanel.height

            Rectangle {
                anchors.fill: parent
                color: "black"
                opacity: 0.2
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: mainPanel.cleaningMenuOpen = false
            }
            CleaningOptionsPanel {
                objectName: "cleaningOptionsPanel"
                portrait: mainPanel.dockBottom
                stemHeight: mainPanel.dockBottom ? 30 : 0
                x: mainPanel.dockBottom ? 2 * kivDisplay.getFooterIconSize() - 40 : -4
                y: mainPanel.dockBottom ? cleaningOverlay.height - height - stemHeight : 144
                onCleaningItemSelectedSignal: mainPanel.cleaningMenuOpen = false
            }
        }

        // The screens and shared dialogs, in stacking order.
        HiddenTagsView { id: tagsNotInCabinet; objectName: "tagsNotInCabinet"; visible: false }
        CleaningPanel { id: cleaningPanel; objectName: "cleaningPanel"; visible: false }
        ZoneAdvancedOptionsPanel { id: rowManagementPanel; objectName: "rowManagementPanel"; visible: false }
        HomeScreen { id: homeScreen; objectName: "homeScreen"; visible: false }
        ServiceListView { id: settingsPanel; objectName: "settingsPanel"; visible: false }
        ProductsListPanel { id: productsListPanel; objectName: "productsListPanel"; visible: false }
        UpdatesListView { id: updatesListView; objectName: "updatesListView"; visible: false }
        WifiSettingsDialog { id: wifiNetworkConfig; objectName: "wifiNetworkConfig"; visible: false }
        MouseArea2 {
            // While the keyboard is up, a touch beside it reaches nothing.
            anchors.fill: parent
            visible: alphakb.visible
        }
        SerialModelNumbersDialog { id: serialModelNumbersDialog; objectName: "serialModelNumbersDialog"; visible: false }
        ConfigurationScanItem { id: configurationScanItem; objectName: "configurationScanItem"; visible: false }
        SelectTargetModelGroup { id: selectTargetModelGroup; objectName: "selectTargetModelGroup"; visible: false }
        ConfigurationDialog { id: configurationDialog; objectName: "configurationDialog"; visible: false }
        ConfigurationConfirmDialog {
            id: configConfirmation
            objectName: "configConfirmation"
            visible: false
            text: "Save selected configuration?"
        }
        MessageDialog {
            id: configurationCyclePower
            objectName: "configurationCyclePower"
            visible: false
            z: 10002
            theText: "Reboot the unit"
            showCloseButton: false
        }
        MessageDialog {
            id: configFileNotExist
            objectName: "configFileNotExist"
            visible: false
            theText: "Invalid configuration selection"
        }
        NumericInputPanel { id: numericInputPanel; objectName: "numericInputPanel"; visible: false }
        KeyboardAlphaPanel { id: alphakb; objectName: "alphakb"; visible: false }
        MessageDialog { id: messageDialog; objectName: "messageDialog"; visible: false }
        MessageDialog { id: holdRestorationDialog; objectName: "holdRestorationDialog"; visible: false }
        MessageDialog { id: menuUpdateDialog; objectName: "menuUpdateDialog"; visible: false }
        MessageDialog { id: ambientTempAlarmDialog; objectName: "ambientTempAlarmDialog"; visible: false; z: 10000 }
        MessageDialog { id: heaterTempAlarmDialog; objectName: "heaterTempAlarmDialog"; visible: false; z: 10000 }
        OrientationDialog { id: startUpOrientationDialog; objectName: "startUpOrientationDialog"; visible: false }
        RestoreHoldingDialog { id: restorHoldingDialog; objectName: "restorHoldingDialog"; visible: false }
        AcceptCancelDialog { id: acceptCancelDialog; objectName: "acceptCancelDialog"; visible: false }
        LockScreen { id: lockScreen; objectName: "lockScreen"; visible: false }
        ScreenColorTestPanel { id: screenColorTestPanel; objectName: "screenColorTestPanel"; visible: false }
        ProgressNotificationDialog { id: progressDialog; objectName: "progressDialog"; visible: false }
        ProgressNotificationDialog { id: systemBackupProgressDialog; objectName: "systemBackupProgressDialog"; visible: false }
        ProgressNotificationDialog {
            id: firmwareUpdateStartDialog
            objectName: "firmwareUpdateStartDialog"
            visible: false
            waitIndicator: true
        }
        BusyWaitIndicator { id: bwi; objectName: "bwi" }

        Rectangle {
            id: screenshotFlash
            objectName: "screenshotFlash"
            anchors.fill: parent
            visible: false
            color: "white"
            Image {
                anchors.centerIn: parent
                source: "images/shutter.png"
            }
            MouseArea2 {
                anchors.fill: parent
            }
            Timer {
                id: screenshotFlashTimer
                interval: 300
                onTriggered: screenshotFlash.visible = false
            }
        }

        // The reset corner: a way out for a display stuck on a sync message
        // with no close button, or on a CAN id conflict.
        MouseArea2 {
            id: resetCorner
            objectName: "resetCorner"
            readonly property bool stuck: (syncMgr.syncStatus !== "" && syncMgr.showCloseButton !== true)
                                          || cbm.canIdRecError === true
            width: 90
            height: 90
            z: 10010
            x: mainPanel.dockBottom ? mainPanel.width - width : 0
            y: mainPanel.height - height
            enabled: cabinetManager.get_isConfigured() && stuck
            visible: enabled
            onPressed: resetHoldTimer.restart()
            onReleased: resetHoldTimer.stop()
            onCanceled: resetHoldTimer.stop()
            Timer {
                id: resetHoldTimer
                interval: 5000
                onTriggered: mainPanel.showResetConfirmation()
            }
        }
        function showResetConfirmation() {
            var component = Qt.createComponent("ResetConfigurationConfirmation.qml")
            var confirmation = component.createObject(mainPanel, { visible: true, z: 10000 })
            if (!confirmation) {
                console.warn("Reset confirmation could not be created:", component.errorString())
                return
            }
            confirmation.accepted.connect(function () { confirmation.destroy() })
            confirmation.cancelled.connect(function () { confirmation.destroy() })
        }

        property var eolDetectionDialog: null
        function showEolDetectionStarted() {
            // One dialog, shown again on every start: closing only hides it.
            if (!eolDetectionDialog) {
                var component = Qt.createComponent("widgets/MessageDialog.qml")
                eolDetectionDialog = component.createObject(mainPanel, {
                    z: 888,
                    theText: "<b>EOL Address Detection Started</b>"
                })
            }
            if (eolDetectionDialog)
                eolDetectionDialog.visible = true
        }

        Timer {
            id: languageCommitTimer
            objectName: "languageCommitTimer"
            interval: mainPanel.languageCommitMs
            onTriggered: mainPanel.commitLanguage()
        }
        Timer {
            id: tempViewTimer
            interval: mainPanel.tempViewMs
            onTriggered: kivDisplay.tempViewEnabled = false
        }
        Timer {
            id: questionTimer
        }

        Connections {
            target: configManager
            ignoreUnknownSignals: true
            function onLanguageIdChanged() {
                mainPanel.selectedLanguageId = tro.getLanguageId(configManager.get_languageId())
            }
        }
        Connections {
            target: kivnm
            ignoreUnknownSignals: true
            function onNumCabinetsOnNetworkChanged(numCabinets) {
                mainPanel.numCabinetsOnNetwork = numCabinets
            }
            function onNetworkConnectionChanged(isConnected) {
                mainPanel.cabinetNetworkConnected = isConnected
            }
        }
        Connections {
            target: wifiMon
            ignoreUnknownSignals: true
            function onSignalLevelChanged(value) {
                mainPanel.wifiLevelImage = mainPanel.wifiImageForLevel(value)
            }
        }
        Connections {
            target: eolTest
            ignoreUnknownSignals: true
            function onUdpBroadcastStarted() {
                mainPanel.showEolDetectionStarted()
            }
        }
        Connections {
            target: cabinetManager
            ignoreUnknownSignals: true
            function onScreenshotTaken() {
                screenshotFlash.visible = true
                screenshotFlashTimer.restart()
            }
        }
    }

    // Touches at the very edges of the window go nowhere either.
    MouseArea2 { z: 1000; anchors.top: parent.top; width: parent.width; height: 1 }
    MouseArea2 { z: 1000; anchors.bottom: parent.bottom; width: parent.width; height: 1 }
    MouseArea2 { z: 1000; anchors.left: parent.left; width: 1; height: parent.height }
    MouseArea2 { z: 1000; anchors.right: parent.right; width: 1; height: parent.height }

    Timer {
        id: wifiMonitorLogTimer
        objectName: "wifiMonitorLogTimer"
        interval: 3600000
        repeat: true
        running: false
        onTriggered: wifiMon.saveWifiStats()
    }

    Component.onCompleted: {
        if (!cabinetManager.get_isConfigured() || !cabinetManager.uiidIsValid())
            startUpOrientationDialog.visible = true
        uiSkinPanel.initProperties()
        visible = true
    }

    UiSkinItem {
        id: uiSkinPanel
        objectName: "uiSkinPanel"
        parent: mainPanel
        anchors.fill: parent
        z: 1000
        visible: false
    }
}
