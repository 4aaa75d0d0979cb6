import QtQuick 2.15
import QtQuick.Window 2.15
import CabinetManagerDefs 1.0
import "widgets"

// The one window of the touch interface: the rotating, scaling main panel
// with the dock, and every screen and shared dialog under its identifier,
// each created the first time it is shown.
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
        mainPanel.askQuestion(QT_TR_NOOP("Enter Cleaning Mode?"), 10000, function () {
            cabinetManager.startCleaningMode()
            cabinetManager.sendCleaningModeToRemoteDisplay(true)
        }, function () {})
    }
    function confirmScreenCleaningStart() {
        mainPanel.askQuestion(QT_TR_NOOP("Clean Screen Now?"), 0, function () {
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
        // attached for this question only and detached when it ends. One
        // question stands at a time: asking it again while it is shown does
        // nothing, and a new question takes the place of the old one, whose
        // handlers and time-out go with it unanswered.
        property var pendingQuestion: null
        // The long timers, for the tests.
        property alias questionTimer: questionTimer
        property alias restoreTimer: restoreTimer
        function askQuestion(text, timeoutMs, onAccept, onCancel) {
            if (pendingQuestion) {
                if (pendingQuestion.text === text && acceptCancelDialog.visible)
                    return
                pendingQuestion.finish()
            }
            var dialog = acceptCancelDialog.show()
            var question = { text: text }
            var finish = function () {
                // A dialog hidden by someone else is gone with its handlers.
                if (acceptCancelDialog.item === dialog) {
                    dialog.accepted.disconnect(accept)
                    dialog.cancelled.disconnect(cancel)
                }
                questionTimer.triggered.disconnect(timeout)
                questionTimer.stop()
                if (mainPanel.pendingQuestion === question)
                    mainPanel.pendingQuestion = null
            }
            question.finish = finish
            var accept = function () { finish(); onAccept() }
            var cancel = function () { finish(); onCancel() }
            var timeout = function () { finish(); acceptCancelDialog.visible = false }
            dialog.accepted.connect(accept)
            dialog.cancelled.connect(cancel)
            dialog.theTitle = ""
            // The window's own questions come untranslated: shown through
            // qsTr they follow a language switch while the question is up.
            // Texts translated by the caller have no entry here and stay.
            dialog.theText = Qt.binding(function () { return qsTr(text) + tro.emptyStr })
            pendingQuestion = question
            if (timeoutMs > 0) {
                questionTimer.interval = timeoutMs
                questionTimer.triggered.connect(timeout)
                questionTimer.restart()
            }
        }

        // Exactly one keyboard is up: the one shown puts the others away. An
        // open number entry is cancelled, so that its caller's handlers end
        // it as if the user had cancelled.
        function keyboardShown(keyboard) {
            if (keyboard !== alphakb)
                alphakb.visible = false
            if (keyboard !== numericKeypad)
                numericKeypad.visible = false
            if (keyboard !== numericInputPanel && numericInputPanel.visible) {
                numericInputPanel.item.cancelled()
                numericInputPanel.visible = false
            }
        }
        // Opens the number, time or PIN entry. `settings` names the panel's
        // properties to set (input_text, edited_item, inputTime_validation,
        // edit_started, ampm24hr, signEnabled, validateIntInput, minIntValue,
        // maxIntValue, passwordInput); the others keep what their last user
        // set. onAccept(value) gets the accepted text, onCancel() the cancel
        // (also when another keyboard is shown); either closes the entry.
        // An entry still open for another caller ends as cancelled first.
        function enterNumber(settings, onAccept, onCancel) {
            if (numericInputPanel.visible)
                numericInputPanel.item.cancelled()
            var panel = numericInputPanel.show()
            for (var name in settings)
                panel[name] = settings[name]
            var finish = function () {
                panel.acceptVal.disconnect(accept)
                panel.cancelled.disconnect(cancel)
                numericInputPanel.visible = false
            }
            var accept = function (value) {
                finish()
                if (onAccept)
                    onAccept(value)
            }
            var cancel = function () {
                finish()
                if (onCancel)
                    onCancel()
            }
            panel.acceptVal.connect(accept)
            panel.cancelled.connect(cancel)
            return panel
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

        ScreenHost {
            id: numericKeypad
            name: "numericKeypad"
            z: 1000
            onVisibleChanged: if (visible) mainPanel.keyboardShown(numericKeypad)
            NumericKeypad {
                x: mainPanel.portrait ? 0 : mainPanel.dockThickness
                anchors.verticalCenter: parent.verticalCenter
            }
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
                var dialog = messageDialog.show()
                dialog.theText = text
                dialog.showCloseButton = showClose
            }
        }

        // One dock, for the current position: a change of position builds
        // the other one in its place.
        Loader {
            id: dock
            y: mainPanel.dockBottom ? mainPanel.height - mainPanel.dockThickness : 0
            sourceComponent: mainPanel.dockLeft ? landscapeDock : (mainPanel.dockBottom ? portraitDock : null)

            Component {
                id: landscapeDock
                Dock {
                    objectName: "landscapeDock"
                    width: mainPanel.dockThickness
                    height: mainPanel.height
                }
            }
            Component {
                id: portraitDock
                Dock {
                    objectName: "portraitDock"
                    horizontal: true
                    width: mainPanel.width
                    height: mainPanel.dockThickness
                }
            }
        }

        // Day-part selector over the holding view.
        ScreenHost {
            id: dayPartOverlay
            name: "dayPartOverlay"
            visible: mainPanel.dayPartSelectorOpen
            // The row management panel opens the selector over itself.
            z: rowManagementPanel.visible ? 1 : 0
            Item {
                id: dayPartLayer
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
                    objectName: "dayPartSelectPanel"
                    portrait: mainPanel.dockBottom
                    stemHeight: mainPanel.dockBottom ? 40 : 0
                    // Slides in on every opening, the first included.
                    x: mainPanel.dockBottom ? 0 : (dayPartLayer.visible ? -4 : -434)
                    y: mainPanel.dockBottom ? dayPartLayer.height - height - 40 : 80
                    Behavior on x { NumberAnimation { duration: 200 } }
                    onDayPartSelectedSignal: mainPanel.applyDayPart(aValue)
                }
            }
        }

        // Cleaning menu.
        ScreenHost {
            id: cleaningOverlay
            name: "cleaningOverlay"
            visible: mainPanel.cleaningMenuOpen
            Item {
                id: cleaningLayer
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
                    y: mainPanel.dockBottom ? cleaningLayer.height - height - stemHeight : 144
                    onCleaningItemSelectedSignal: mainPanel.cleaningMenuOpen = false
                }
            }
        }

        // The screens and shared dialogs, in stacking order. Each one that
        // starts hidden stands under its identifier as a ScreenHost and is
        // created the first time it is shown:
        //     ScreenHost { id: homeScreen; name: "homeScreen"; HomeScreen { } }
        // Callers show and hide it with homeScreen.visible, reach the screen
        // with homeScreen.item (null until first shown) or homeScreen.show()
        // (shows it and returns it), and take its signals as handlers in the
        // declaration here or with Connections { target: homeScreen.item }.
        // A screen stays once created; a dialog that holds nothing between
        // showings is declared releasedWhenHidden. A real screen replaces its
        // stand-in inside the same host.
        ScreenHost { id: tagsNotInCabinet; name: "tagsNotInCabinet"; HiddenTagsView { } }
        ScreenHost { id: cleaningPanel; name: "cleaningPanel"; CleaningPanel { } }
        ScreenHost { id: rowManagementPanel; name: "rowManagementPanel"; ZoneAdvancedOptionsPanel { } }
        // The pages of the navigation machine; their hosts carry the signals
        // it follows, so that it can listen before a page is first built.
        ScreenHost {
            id: homeScreen
            name: "homeScreen"
            signal showPressAndGo()
            signal showCookBook()
            signal showUpdatesListView()
            signal showSettingsPanel()
            HomeScreen {
                onShowPressAndGo: homeScreen.showPressAndGo()
                onShowCookBook: homeScreen.showCookBook()
                onShowUpdatesListView: homeScreen.showUpdatesListView()
                onShowSettingsPanel: homeScreen.showSettingsPanel()
            }
        }
        ScreenHost {
            id: settingsPanel
            name: "settingsPanel"
            signal close()
            ServiceListView {
                busyIndicator: bwi
                questionDialog: acceptCancelDialog
                rightToLeft: kivDisplay.isLanguageRightToLeft()
                colorTestPanel: screenColorTestPanel
                skinPanel: uiSkinPanel
                onClose: settingsPanel.close()
            }
        }
        ScreenHost {
            id: productsListPanel
            name: "productsListPanel"
            signal close()
            ProductsListPanel {
                productModel: productsEditModel
                groupModel: groupsEditModel
                questionDialog: acceptCancelDialog
                numberEntry: numericInputPanel
                messageHost: messageDialog
                letterKeyboard: alphakb
                numberKeypad: numericKeypad
                onClose: productsListPanel.close()
            }
        }
        ScreenHost {
            id: updatesListView
            name: "updatesListView"
            signal close()
            UpdatesListView {
                pinPanel: numericInputPanel
                messageBox: messageDialog
                resultBox: menuUpdateDialog
                screenshotsEnabled: kivDisplay.screenshotsEnabled
                onClose: updatesListView.close()
            }
        }
        ScreenHost { id: wifiNetworkConfig; name: "wifiNetworkConfig"; WifiSettingsDialog { } }
        MouseArea2 {
            // While the keyboard is up, a touch beside it reaches nothing.
            anchors.fill: parent
            visible: alphakb.visible
        }
        ScreenHost {
            id: serialModelNumbersDialog
            name: "serialModelNumbersDialog"
            SerialModelNumbersDialog { onAccepted: mainPanel.saveSerialModelNumbers(serialNumber, modelNumber, storeNumber) }
        }
        ScreenHost { id: configurationScanItem; name: "configurationScanItem"; ConfigurationScanItem { selection: configSelection } }
        ScreenHost { id: selectTargetModelGroup; name: "selectTargetModelGroup"; SelectTargetModelGroup { selection: configSelection } }
        ScreenHost { id: configurationDialog; name: "configurationDialog"; ConfigurationDialog { selection: configSelection } }
        ScreenHost {
            id: configConfirmation
            name: "configConfirmation"
            releasedWhenHidden: true
            ConfigurationConfirmDialog {
                text: qsTr("Save selected configuration?") + tro.emptyStr
                onAccepted: mainPanel.saveConfiguration()
            }
        }
        ScreenHost {
            id: configurationCyclePower
            name: "configurationCyclePower"
            releasedWhenHidden: true
            z: 10002
            MessageDialog { theText: qsTr("Reboot the unit") + tro.emptyStr; showCloseButton: false }
        }
        ScreenHost {
            id: configFileNotExist
            name: "configFileNotExist"
            releasedWhenHidden: true
            MessageDialog { theText: qsTr("Invalid configuration selection") + tro.emptyStr }
        }
        // The keyboards; one shows at a time (keyboardShown). To type in a
        // field:
        //   text      give the field the focus, then alphakb.show().kbmode = 0:
        //             the keys go to the focused field (a FieldEdit's
        //             callKeyboard and hideKeyboard say when); hide it with
        //             alphakb.visible = false when the field is accepted or the
        //             screen closes. A screen that edits a text per language
        //             sets multilingualSupport on alphakb.item after showing
        //             it and follows its inputLanguageId.
        //   in place  numericKeypad.visible = true for a field that must stay
        //             in view (the parts of an IP address): its keys go to the
        //             focused field, Return and cancel hide it.
        //   a value   mainPanel.enterNumber(settings, onAccept, onCancel)
        //             opens the number, time or PIN entry, for example
        //             enterNumber({ input_text: "25", signEnabled: false },
        //                         function (value) { ... }, function () { ... });
        //             see enterNumber. Callers that keep their own handlers
        //             use numericInputPanel.show() and its signals accepted,
        //             cancelled and acceptVal(value).
        ScreenHost {
            id: numericInputPanel
            name: "numericInputPanel"
            onVisibleChanged: if (visible) mainPanel.keyboardShown(numericInputPanel)
            NumericInputPanel { }
        }
        ScreenHost {
            id: alphakb
            name: "alphakb"
            onVisibleChanged: if (visible) mainPanel.keyboardShown(alphakb)
            KeyboardAlphaPanel { }
        }
        ScreenHost { id: messageDialog; name: "messageDialog"; releasedWhenHidden: true; MessageDialog { } }
        ScreenHost { id: holdRestorationDialog; name: "holdRestorationDialog"; releasedWhenHidden: true; MessageDialog { } }
        ScreenHost { id: menuUpdateDialog; name: "menuUpdateDialog"; releasedWhenHidden: true; MessageDialog { } }
        ScreenHost {
            id: ambientTempAlarmDialog
            name: "ambientTempAlarmDialog"
            releasedWhenHidden: true
            z: 10000
            MessageDialog {
                theText: qsTr("<b>System Error</b><br>System over temperature error! Check surrounding area for heat source.") + tro.emptyStr
                showCloseButton: true
                showDisableAlarmButton: false
                onCloseButtonPressed: {
                    cabinetManager.stopAmbientTempAlarm()
                    cabinetManager.sendClearAmbientTempAlarm()
                }
            }
        }
        ScreenHost {
            id: heaterTempAlarmDialog
            name: "heaterTempAlarmDialog"
            releasedWhenHidden: true
            z: 10000
            MessageDialog {
                theText: qsTr("<b>System Error</b><br>Heater over temperature error! Power off the cabinet.") + tro.emptyStr
                showCloseButton: false
                showDisableAlarmButton: false
            }
        }
        ScreenHost { id: startUpOrientationDialog; name: "startUpOrientationDialog"; OrientationDialog { selection: configSelection } }
        ScreenHost {
            id: restorHoldingDialog
            name: "restorHoldingDialog"
            releasedWhenHidden: true
            RestoreHoldingDialog {
                theTitle: qsTr("Power Interrupted") + tro.emptyStr
                theAcceptText: qsTr("Keep active timers") + tro.emptyStr
                theCancelText: qsTr("Clear active timers") + tro.emptyStr
                onAccepted: mainPanel.keepRestoredTimers()
                onCancelled: mainPanel.clearRestoredTimers()
            }
        }
        ScreenHost { id: acceptCancelDialog; name: "acceptCancelDialog"; releasedWhenHidden: true; AcceptCancelDialog { } }
        ScreenHost { id: lockScreen; name: "lockScreen"; releasedWhenHidden: true; LockScreen { } }
        ScreenHost { id: screenColorTestPanel; name: "screenColorTestPanel"; releasedWhenHidden: true; ScreenColorTestPanel { } }
        ScreenHost {
            id: progressDialog
            name: "progressDialog"
            releasedWhenHidden: true
            visible: cbm.fileTxfrActive === true
            onVisibleChanged: if (visible) mainPanel.fileTxfrPercent = mainPanel.fileTxfrStartPercent
            ProgressNotificationDialog {
                theText: (String(cbm.fileTxfrName).indexOf("kivlfb") >= 0 ? qsTr("Firmware update in progress...")
                                                                           : qsTr("Menu update in progress...")) + tro.emptyStr
                percentComplete: mainPanel.fileTxfrPercent
            }
        }
        Timer {
            interval: 1000
            repeat: true
            running: progressDialog.visible
            onTriggered: mainPanel.fileTxfrPercent = mainPanel.transferPercent(cbm.fileTxfrRcvd, cbm.fileTxfrSize,
                                                                                mainPanel.fileTxfrPercent)
        }
        ScreenHost {
            id: systemBackupProgressDialog
            name: "systemBackupProgressDialog"
            releasedWhenHidden: true
            visible: kivIot.systemBackupActive === true && kivIot.forcedPackageActive !== true
            ProgressNotificationDialog {
                theText: qsTr("System backup in progress.<br>DO NOT unplug USB or power off the unit") + tro.emptyStr
                percentComplete: kivIot.systemBackupProgress
            }
        }
        ScreenHost {
            id: firmwareUpdateStartDialog
            name: "firmwareUpdateStartDialog"
            releasedWhenHidden: true
            ProgressNotificationDialog {
                waitIndicator: true
                theText: qsTr("Copying firmware update files...<br>DO NOT unplug USB or power off the unit") + tro.emptyStr
            }
        }
        // Show it with bwi.show().start(maxTimeMs); it hides itself.
        ScreenHost { id: bwi; name: "bwi"; releasedWhenHidden: true; z: 30000; BusyWaitIndicator { } }
        ScreenHost {
            id: eolDetectionDialog
            name: "eolDetectionDialog"
            z: 888
            // One dialog, shown again on every start: closing only hides it.
            MessageDialog { theText: qsTr("<b>EOL Address Detection Started</b>") + tro.emptyStr }
        }

        ScreenHost {
            id: screenshotFlash
            name: "screenshotFlash"
            Rectangle {
                anchors.fill: parent
                color: "white"
                Image {
                    anchors.centerIn: parent
                    source: "images/shutter.png"
                }
                MouseArea2 {
                    anchors.fill: parent
                }
            }
        }
        Timer {
            id: screenshotFlashTimer
            interval: 300
            onTriggered: screenshotFlash.visible = false
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

        // What the start-up configuration screens choose, saved on the
        // confirmation.
        QtObject {
            id: configSelection
            objectName: "configSelection"
            property string customConfig: ""
            property string modelNumber: ""
            property string serialNumber: ""
            property int doubleSided: 1
            property int displaySide: 0
        }
        function saveConfiguration() {
            configManager.set_modelNumber(configSelection.modelNumber)
            configManager.set_serialNumber(configSelection.serialNumber)
            configManager.set_customerIdStr(configSelection.customConfig)
            configManager.set_doubleSided(configSelection.doubleSided)
            configManager.set_selectedDisplaySide(configSelection.displaySide)
            configManager.saveCabinetSerialModelNumbers()
            configManager.setConfigurationFile()
        }
        function saveSerialModelNumbers(serial, model, store) {
            configManager.set_serialNumber(serial)
            configManager.set_modelNumber(model)
            configManager.set_storeNumber(store)
            configManager.saveCabinetSerialModelNumbers()
            configManager.initializeRiotWifiConnection()
            configManager.saveConfigFile()
        }
        function showRebootMessage(text) {
            configurationCyclePower.show().theText = text
        }

        // The CAN file transfer's progress. A start that announced no size
        // keeps the last figure; whole packets may overshoot the size.
        readonly property int fileTxfrStartPercent: 50
        property int fileTxfrPercent: fileTxfrStartPercent
        function transferPercent(received, size, last) {
            if (!(size > 0))
                return last
            return Math.max(0, Math.min(100, Math.floor(received / size * 100)))
        }

        // Restore after a power loss, asked on the primary display only; the
        // other displays wait meanwhile.
        readonly property int restoreAnswerMs: 3600000
        function askRestore() {
            restorHoldingDialog.visible = true
            restoreTimer.restart()
            cabinetManager.sendRestorationDialogBlockEnable(true)
        }
        function keepRestoredTimers() {
            restoreTimer.stop()
            cabinetManager.sendRestorationDialogBlockEnable(false)
            cabinetManager.restoreNewDaypartIfo()
        }
        function clearRestoredTimers() {
            cabinetManager.cancelAllHolding()
            restoreTimer.stop()
            cabinetManager.sendRestorationDialogBlockEnable(false)
            cabinetManager.restoreNewDaypartIfo()
        }
        Timer {
            id: restoreTimer
            objectName: "restoreTimer"
            interval: mainPanel.restoreAnswerMs
            onTriggered: {
                restorHoldingDialog.visible = false
                mainPanel.clearRestoredTimers()
            }
        }

        function showMessage(text, showClose) {
            var dialog = messageDialog.show()
            dialog.theText = text
            dialog.showCloseButton = showClose
        }
        // A message of its own, over the others, gone when closed.
        function createMessage(text, zOrder, showClose) {
            var component = Qt.createComponent("widgets/MessageDialog.qml")
            var dialog = component.createObject(mainPanel, { theText: text, showCloseButton: showClose, z: zOrder })
            if (!dialog) {
                console.warn("Message could not be created:", component.errorString())
                return null
            }
            dialog.closeButtonPressed.connect(function () { dialog.destroy() })
            return dialog
        }
        // The factory test and the display tests take the whole screen.
        function clearForTest() {
            homeScreen.visible = false
            screenColorTestPanel.visible = false
            productsListPanel.visible = false
            alphakb.visible = false
            numericInputPanel.visible = false
            uiSkinPanel.visible = false
            wifiNetworkConfig.visible = false
        }

        Connections {
            target: cabinetManager
            ignoreUnknownSignals: true
            function onScreenshotTaken() {
                screenshotFlash.visible = true
                screenshotFlashTimer.restart()
            }
            function onCleaningStarted() {
                cleaningPanel.show().coolDownDone = false
            }
            function onCleaningStopped() { cleaningPanel.visible = false }
            function onScreenCleaningTimeOutChanged() { kivDisplay.confirmScreenCleaningStart() }
            function onRestoreHoldingFlagChanged() {
                if (cabinetManager.restoreHoldingFlag === true && cabinetManager.iAmMaster === true)
                    mainPanel.askRestore()
            }
            function onHoldRestorationDialogBlockEnabled(value) {
                if (value) {
                    var dialog = holdRestorationDialog.show()
                    dialog.theText = qsTr("<b>Waiting for hold<br>restoration confirmation</b>") + tro.emptyStr
                    dialog.showCloseButton = false
                } else {
                    holdRestorationDialog.visible = false
                }
            }
            function onStopAmbientTempAlarm() { ambientTempAlarmDialog.visible = false }
            function onHeatersTestEnabledChanged() {
                if (cabinetManager.iAmMaster === true)
                    return
                if (cabinetManager.heatersTestEnabled === true)
                    mainPanel.showMessage(qsTr("Heaters testing is started") + tro.emptyStr, false)
                else
                    messageDialog.visible = false
            }
            function onUnexpectedRebootDetected() {
                mainPanel.createMessage(qsTr("<b>UI ERROR!</b><br>Unexpected UI reboot detected!") + tro.emptyStr, 10000, true)
            }
            function onCommBusVoltageMissing() {
                mainPanel.createMessage(qsTr("<b>System Error!</b><br>Communication bus voltage not detected!<br>Check UI to IO cable")
                                        + tro.emptyStr, 10000, true)
            }
            function onFirmwareUpdateStarted() { firmwareUpdateStartDialog.visible = true }
            function onDisplayTestStart() { screenColorTestPanel.visible = true }
            function onDisplayTestStop() { screenColorTestPanel.visible = false }
            function onNfcTestStart() { mainPanel.clearForTest() }
        }
        Connections {
            target: eolTest
            ignoreUnknownSignals: true
            function onUdpBroadcastStarted() { eolDetectionDialog.visible = true }
            function onDisplayTestStart() { screenColorTestPanel.visible = true }
            function onSystemInfoTestStart() { screenColorTestPanel.visible = false }
            function onSoundTestStart() { screenColorTestPanel.visible = false }
            function onHeatingTestCommand() { screenColorTestPanel.visible = false }
            function onNfcTestStart() { mainPanel.clearForTest() }
            function onEolTestStartedChanged() { mainPanel.clearForTest() }
        }
        Connections {
            target: masterIOmanager
            ignoreUnknownSignals: true
            function onAmbientTemperatureAlarm() { ambientTempAlarmDialog.visible = true }
            function onHeaterHighTempAlarm() { heaterTempAlarmDialog.visible = true }
            function onInvokeSimpleDialog(msg, showClose) { mainPanel.showMessage(msg, showClose) }
        }
        Connections {
            target: kivErrorController
            ignoreUnknownSignals: true
            function onSibLinkBrokenChanged() {
                if (kivErrorController.sibLinkBroken === true)
                    mainPanel.showMessage(qsTr("<b>System Error:</b><br>Modbus Link Broken.") + tro.emptyStr, true)
            }
        }
        Connections {
            target: syncMgr
            ignoreUnknownSignals: true
            function onSyncStatusChanged() {
                if (syncMgr.syncStatus !== "")
                    mainPanel.showMessage(syncMgr.syncStatus, syncMgr.showCloseButton === true)
                else
                    messageDialog.visible = false
            }
            function onDisplayErrorMsg(text, showCloseButtonFlag, showHide) {
                if (showHide)
                    mainPanel.showMessage(text, showCloseButtonFlag)
                else
                    messageDialog.visible = false
            }
        }
        Connections {
            target: cbm
            ignoreUnknownSignals: true
            function onFileTxFailed(dispMessage) { mainPanel.createMessage(dispMessage, 999, true) }
            function onCanIdRecErrorChanged() {
                if (cbm.canIdRecError !== true || !cabinetManager.get_isConfigured())
                    return
                var which = cabinetManager.iAmMaster === true
                        ? qsTr("Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.")
                        : qsTr("Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.")
                mainPanel.createMessage("<b>" + qsTr("System Error") + "</b>" + "<br><br>" + which + tro.emptyStr, 10000, false)
            }
        }
        Connections {
            target: configManager
            ignoreUnknownSignals: true
            function onLanguageIdChanged() {
                mainPanel.selectedLanguageId = tro.getLanguageId(configManager.get_languageId())
            }
            function onInvokeSimpleDialog(msg, showClose) { mainPanel.showMessage(msg, showClose) }
            function onShowSerialModelNumbersDialog() { serialModelNumbersDialog.show().editing = true }
            function onHideSerialModelNumbersDialog() { serialModelNumbersDialog.visible = false }
            function onCopyConfigurationFileCompleted() {
                mainPanel.showRebootMessage(qsTr("Unit configuration successful.<br>Reboot the unit.") + tro.emptyStr)
            }
            function onResetConfigurationFileCompleted() {
                mainPanel.showRebootMessage(qsTr("Unit configuration reset successful.<br>Reboot the unit.") + tro.emptyStr)
            }
            function onEolUsbConfigComplete(message) { mainPanel.showRebootMessage(message) }
            function onEolUsbConfigFailed(message) { mainPanel.showRebootMessage(message) }
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

    // Created with the window, not on demand: its stored colours are applied
    // to the skin at start.
    UiSkinItem {
        id: uiSkinPanel
        objectName: "uiSkinPanel"
        parent: mainPanel
        anchors.fill: parent
        z: 1000
        visible: false
    }
}
