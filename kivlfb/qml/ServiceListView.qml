import QtQuick 2.15
import QtQml.Models 2.15
import CabinetManagerDefs 1.0
import KivDefs 1.0
import "widgets"
import "filesExport"
import "errorControl"
import "haccpLog"
import "heaters"
import "sysmon"

// The service list: the settings pages in a circular list swiped sideways,
// under a bar with the return button, the file export button and the logo. A locked
// page asks for the access code; a code of level n opens a page locked at
// 1 to n, and a level-3 code opens every page. Swiping and the return
// button wait while the current page holds changes.
Rectangle {
    id: serviceList

    // Given by the window: its busy indicator and shared question (their
    // hosts), the reading direction, and the screens the test page opens.
    property var busyIndicator: null
    property var questionDialog: null
    property bool rightToLeft: false
    property Item colorTestPanel: null
    property Item skinPanel: null

    readonly property int headerHeight: 60
    readonly property int maxFailedAttempts: 5
    readonly property int logoTapsToResetPin: 12
    readonly property int logoTapGapMs: 500

    property int failedAttempts: 0
    property int logoTaps: 0
    readonly property int refreshBusyMs: 300
    readonly property Item currentPage: visible ? pageList.currentItem : null
    readonly property bool moving: pageList.moving
    // A page that is never locked (the holding log) shows no changes: its
    // itemModified holds nothing back.
    readonly property bool currentModified: currentPage !== null && currentPage.lockLevel !== 0
                                            && currentPage.itemModified === true
    readonly property alias haccpLogPanel: haccpLogPanel

    signal close()

    // The page list. Later pages take their place here, in this order:
    //   Utilities (both ends), Zone Diagnostics, Errors Log, Holding Log,
    //   Language, Day-Parts, ..., Sound & Screen Tests, Utilities.
    ObjectModel {
        id: pages

        UtilitiesSettingsItem {
            id: utilitiesFirst
            objectName: "utilitiesFirst"
            width: pageList.width
            height: pageList.height
            display: kivDisplay
            dialogParent: serviceList
            enterNumber: mainPanel.enterNumber
            onAskForPinPad: serviceList.askForPin(this)
        }
        ZonesHeatersServiceItem {
            id: zoneDiagnostics
            objectName: "zoneDiagnostics"
            width: pageList.width
            height: pageList.height
            display: kivDisplay
            enterNumber: mainPanel.enterNumber
            onAskForPinPad: serviceList.askForPin(this)
            onMessageRequested: serviceList.showMessage(text, showClose)
        }
        ErrorLogPanel {
            id: errorLogPanel
            objectName: "errorLogPanel"
            itemName: "ErrorsLogPanel"
            lockLevel: cabinetManager.iAmMaster ? 2 : -1
            width: pageList.width
            height: pageList.height
            questionDialog: serviceList.questionDialog
            rightToLeft: serviceList.rightToLeft
            onAskForPinPad: serviceList.askForPin(this)
            Rectangle {
                anchors.fill: parent
                z: -2
                color: uiSkin.generalPanelBackgroundColor
            }
        }
        LanguagesPanel {
            objectName: "languagesPanel"
            width: pageList.width
            height: pageList.height
            onAskForPinPad: serviceList.askForPin(this)
        }
        // Every customer but DEZ; taken out of the list below for DEZ.
        DaypartsToUsePanel {
            id: dayPartsPage
            objectName: "dayPartsPage"
            width: pageList.width
            height: pageList.height
            onAskForPinPad: serviceList.askForPin(this)
        }
        NetworkSettingsItem {
            id: networkSettingsItem
            objectName: "networkSettingsItem"
            itemName: "NetworkSettingsPanel"
            rightToLeft: serviceList.rightToLeft
            lockLevel: cabinetManager.iAmMaster && configManager.iotType !== "DEZ_RIOT" ? 2 : -1
            width: pageList.width
            height: pageList.height
            onAskForPinPad: serviceList.askForPin(this)
        }
        GenericSettingsItem {
            objectName: "soundTestPanel"
            itemName: "SoundTestPanel"
            lockLevel: 1
            itemLocked: true
            width: pageList.width
            height: pageList.height
            onAskForPinPad: serviceList.askForPin(this)
            SoundTestItem {
                anchors.fill: parent
                colorTestPanel: serviceList.colorTestPanel
                skinPanel: serviceList.skinPanel
            }
        }
        // The same page again, so that it is one swipe away from either
        // end; only the first reports the screenshot export.
        UtilitiesSettingsItem {
            id: utilitiesLast
            objectName: "utilitiesLast"
            width: pageList.width
            height: pageList.height
            display: kivDisplay
            dialogParent: serviceList
            enterNumber: mainPanel.enterNumber
            reportsScreenshotExport: false
            onAskForPinPad: serviceList.askForPin(this)
        }
    }

    // The level an entered code grants, 0 for none.
    function grantedLevel(code) {
        var held = cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ ? code : configManager.encryptString(code)
        // The stored codes of levels 1 to 4, in order.
        var stored = [configManager.passwdL1, configManager.passwdL2, configManager.passwdL3, configManager.passwdL4]
        for (var i = 0; i < stored.length; ++i) {
            if (stored[i] !== "" && stored[i] === held) {
                var level = i + 1
                // A mirror display never grants the level that opens everything.
                if (level === 3 && cabinetManager.orientationId === CabmgrDefs.UIID_4x2_MIRROR)
                    return 0
                return level
            }
        }
        return 0
    }
    function showMessage(text, showClose) {
        var dialog = messageDialog.show()
        dialog.theText = text
        dialog.showCloseButton = showClose !== false
    }
    // The Utilities page's tools open over the list.
    function hookUtilities(utilities) {
        utilities.messageRequested.connect(showMessage)
        utilities.screenTestRequested.connect(function () {
            if (colorTestPanel)
                colorTestPanel.visible = true
        })
        utilities.skinPanelRequested.connect(function () {
            if (skinPanel)
                skinPanel.visible = true
        })
        utilities.filesDialogRequested.connect(function () { filesExport.visible = true })
        utilities.wifiMonitorRequested.connect(function () { wifiMonitor.visible = true })
    }
    function askForPin(page) {
        // The heater tests would fight the holding timers for the heaters.
        if (page === zoneDiagnostics && cabinetManager.activelyHolding) {
            showMessage(qsTr("Heater test unavailable<br>while timers are active!") + tro.emptyStr)
            return
        }
        if (failedAttempts > maxFailedAttempts) {
            showMessage(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr)
            return
        }
        mainPanel.enterNumber({ input_text: qsTr("PIN #") + tro.emptyStr, edit_started: false, passwordInput: true,
                                signEnabled: false, validateIntInput: false, inputTime_validation: false },
                              function (code) { serviceList.checkPin(page, code) }, null)
    }
    function checkPin(page, code) {
        var level = grantedLevel(code)
        var opens = level > 0 && page.lockLevel > 0 && level >= page.lockLevel
        configManager.passcodeEntered(page.itemName, level, opens)
        if (level === 3) {
            failedAttempts = 0
            for (var i = 0; i < pages.count; ++i) {
                var each = pages.get(i)
                if (each.lockLevel > 0) {
                    each.itemLocked = false
                    each.unlockedLevel = level
                }
            }
            showMessage(qsTr("All service panels unlocked!") + tro.emptyStr)
        } else if (opens) {
            failedAttempts = 0
            page.itemLocked = false
            page.unlockedLevel = level
        } else {
            failedAttempts += 1
            if (failedAttempts > maxFailedAttempts)
                showMessage(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr)
        }
    }
    // A page that reads its data when it comes into view. The error log is
    // read once however often it is entered within the guard's time.
    function pageBecameCurrent() {
        // The current page stands above the others: a page the list has not
        // yet laid out may still stand where the current one is.
        for (var i = 0; i < pages.count; ++i) {
            pages.get(i).itemActive = (pages.get(i) === currentPage)
            pages.get(i).z = pages.get(i) === currentPage ? 1 : 0
        }
        if (currentPage === errorLogPanel && !moving && !errorLogRefreshGuard.running) {
            if (busyIndicator)
                busyIndicator.show().start(refreshBusyMs)
            errorLogRefreshGuard.start()
            errorLogPanel.refresh()
        }
        // The newest holds, read afresh each time the page comes into view.
        if (currentPage === haccpLogPanel && !moving)
            haccpLogPanel.read(false)
    }
    // The holding log is listed, after the error log, only while the
    // cabinet logs holds.
    function placeHoldingLog() {
        var listed = false
        var after = 0
        for (var i = 0; i < pages.count; ++i) {
            listed = listed || pages.get(i) === haccpLogPanel
            if (pages.get(i) === errorLogPanel)
                after = i + 1
        }
        if (cabinetManager.haccpEnabled === true && !listed) {
            pages.insert(after, haccpLogPanel)
        } else if (cabinetManager.haccpEnabled !== true && listed) {
            for (var k = 0; k < pages.count; ++k)
                if (pages.get(k) === haccpLogPanel)
                    pages.remove(k)
            haccpLogPanel.parent = unlistedPages
        }
    }
    // Leaving the list locks every page again.
    function lockAll() {
        for (var i = 0; i < pages.count; ++i) {
            var page = pages.get(i)
            if (page.lockLevel !== 0 && !page.itemLocked) {
                configManager.programModeExited(page.itemName, page.unlockedLevel)
                page.itemLocked = true
                page.unlockedLevel = 0
            }
        }
    }
    function logoTapped() {
        logoTaps = logoTapTimer.running ? logoTaps + 1 : 1
        logoTapTimer.restart()
        if (logoTaps >= logoTapsToResetPin) {
            logoTaps = 0
            logoTapTimer.stop()
            configManager.resetPasswdL1()
            showMessage(qsTr("Manager's PIN# was reset.") + tro.emptyStr)
        }
    }

    anchors.fill: parent
    color: uiSkin.dockAreaBackgroundColor
    // The list opens on its first page.
    onVisibleChanged: {
        if (visible) {
            pageList.currentIndex = 0
        } else {
            lockAll()
            haccpLogPanel.itemModified = false
            wifiMonitor.visible = false
        }
    }
    Connections {
        target: cabinetManager
        function onHaccpEnabledChanged() { serviceList.placeHoldingLog() }
    }
    // Pages out of the list wait here, unseen.
    Item {
        id: unlistedPages
        visible: false

        HaccpLogPanel {
            id: haccpLogPanel
            objectName: "haccpLogPanel"
            itemName: "HaccpLogPanel"
            width: pageList.width
            height: pageList.height
            busyIndicator: serviceList.busyIndicator
            onAskForPinPad: serviceList.askForPin(this)
            Rectangle {
                anchors.fill: parent
                z: -2
                color: uiSkin.generalPanelBackgroundColor
            }
        }
    }
    onCurrentPageChanged: pageBecameCurrent()
    Component.onCompleted: {
        placeHoldingLog()
        hookUtilities(utilitiesFirst.page)
        hookUtilities(utilitiesLast.page)
        if (cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ) {
            for (var i = 0; i < pages.count; ++i) {
                if (pages.get(i) === dayPartsPage) {
                    pages.remove(i)
                    break
                }
            }
            dayPartsPage.visible = false
        }
    }
    onMovingChanged: if (!moving) pageBecameCurrent()

    MouseArea2 {
        anchors.fill: parent
    }

    Item {
        id: header
        width: parent.width
        height: serviceList.headerHeight

        Image {
            id: returnButton
            objectName: "returnButton"
            anchors.verticalCenter: parent.verticalCenter
            x: 10
            source: "images/return-button-white.png"
            opacity: enabled ? 1.0 : 0.3
            enabled: !serviceList.currentModified
            MouseArea2 {
                anchors.fill: parent
                anchors.margins: -10
                onClicked: {
                    vki.aKeyWasPressed()
                    serviceList.close()
                }
            }
        }
        // The file export screen.
        Rectangle {
            objectName: "filesButton"
            anchors.left: returnButton.right
            anchors.leftMargin: 30
            anchors.verticalCenter: parent.verticalCenter
            width: serviceList.headerHeight - 14
            height: width
            radius: 6
            color: filesArea.pressed ? uiSkin.keyboardButtonColorDark : "white"
            Image {
                anchors.fill: parent
                anchors.margins: 4
                fillMode: Image.PreserveAspectFit
                source: "images/usbIcon.png"
            }
            MouseArea2 {
                id: filesArea
                anchors.fill: parent
                onClicked: {
                    vki.aKeyWasPressed()
                    filesExport.visible = true
                }
            }
        }
        Image {
            id: logo
            objectName: "serviceLogo"
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            height: serviceList.headerHeight - 10
            fillMode: Image.PreserveAspectFit
            source: "images/veltrixLogo.png"
            MouseArea2 {
                anchors.fill: parent
                onClicked: serviceList.logoTapped()
            }
        }
        Timer {
            id: logoTapTimer
            interval: serviceList.logoTapGapMs
            onTriggered: serviceList.logoTaps = 0
        }
    }

    PathView {
        id: pageList
        objectName: "pageList"
        anchors.top: header.bottom
        anchors.bottom: dots.top
        width: parent.width
        clip: true
        model: pages
        pathItemCount: 3
        snapMode: PathView.SnapOneItem
        preferredHighlightBegin: 0.5
        preferredHighlightEnd: 0.5
        highlightRangeMode: PathView.StrictlyEnforceRange
        interactive: !serviceList.currentModified
        path: Path {
            startX: -pageList.width
            startY: pageList.height / 2
            PathLine { x: 2 * pageList.width; y: pageList.height / 2 }
        }
    }

    Row {
        id: dots
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6
        anchors.horizontalCenter: parent.horizontalCenter
        height: 16
        spacing: 8
        Repeater {
            model: pages.count
            Rectangle {
                width: 12
                height: 12
                radius: 6
                border.color: uiSkin.pageDotsFill
                color: index === pageList.currentIndex ? uiSkin.pageDotsFill : "transparent"
            }
        }
    }

    Timer {
        id: errorLogRefreshGuard
        objectName: "errorLogRefreshGuard"
        interval: 30
    }

    // The Wi-Fi monitor checks every second while its page exists, so the
    // page is made on each opening and destroyed when it closes.
    ScreenHost {
        id: wifiMonitor
        name: "wifiMonitorPanel"
        releasedWhenHidden: true
        z: 10
        WifiMonitorPanel {
            anchors.fill: parent
            monitor: wifiMon
            statsLog: wifiStatsDataLog
            statsModel: wifiStatsModel
            network: kivnm
            autoSaveTimer: wifiMonitorLogTimer
            onClose: wifiMonitor.visible = false
        }
    }
    ScreenHost {
        id: filesExport
        name: "filesImportExportItem"
        z: 10
        FilesImportExportItem { onCloseButtonPressed: filesExport.visible = false }
    }
}
