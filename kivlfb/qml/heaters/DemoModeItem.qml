import QtQuick 2.15
import KivDefs 1.0
import "../widgets"

// The Utilities page: cabinet switches kept in a local copy until accepted,
// and buttons for the tests and tools. Its dialogs are made over the
// service list (dialogParent) and destroyed when they report closing.
Item {
    id: page

    property QtObject cabinet: cabinetManager
    property QtObject config: configManager
    property QtObject io: masterIOmanager
    // Given by the host: the main window (screenshotsEnabled), the sound
    // manager, the platform information and where dialogs go.
    property QtObject display: null
    property QtObject sound: null
    property QtObject platform: null
    property Item dialogParent: parent
    property var enterNumber: null
    // The service list holds this page at both of its ends; only one of
    // the two reports the screenshot export.
    property bool reportsScreenshotExport: true
    // Locked state and the level it was unlocked at, as the settings frame
    // keeps them.
    property bool locked: true
    property int unlockedLevel: 0

    // Local copy of the switches.
    property bool changesFlag: false
    property bool demoModeFlag: false
    property int powerSource: 240
    property bool screenshotsFlag: false
    property bool discardFlashFlag: false
    property bool productsEditingFlag: false
    property bool dezRiotEnabledFlag: false
    property bool dezRiotEnabledPrevFlag: false
    property bool verticalFlipFlag: false

    readonly property bool unlocked: !locked && unlockedLevel > 1
    readonly property bool primary: cabinet.iAmMaster === true
    readonly property bool dez: cabinet.customerId === KivDefines.CUSTOMER_ID_DEZ
    readonly property bool portrait: height > width
    readonly property string riotType: "DEZ_RIOT"
    readonly property string awsType: "DEZ_ORAAWS"
    readonly property int cancelAllDelayMs: 500

    signal messageRequested(string text, bool showClose)
    signal screenTestRequested()
    signal skinPanelRequested()
    signal filesDialogRequested()
    signal wifiMonitorRequested()

    function load() {
        demoModeFlag = config.demoModeFlag === true
        powerSource = config.powerSource === 208 ? 208 : 240
        screenshotsFlag = display ? display.screenshotsEnabled === true : false
        discardFlashFlag = config.productDiscardFlash === true
        productsEditingFlag = config.productsEditEnabled === true
        dezRiotEnabledFlag = config.iotType === riotType
        dezRiotEnabledPrevFlag = dezRiotEnabledFlag
        verticalFlipFlag = config.verticalFlip === true
        changesFlag = false
    }
    function save() {
        config.set_demoModeFlag(demoModeFlag)
        config.set_powerSource(powerSource)
        config.sendPowerSource()
        config.set_productDiscardFlash(discardFlashFlag)
        if (display)
            display.screenshotsEnabled = screenshotsFlag
        config.set_productsEditEnabled(productsEditingFlag)
        config.set_verticalFlip(verticalFlipFlag)
        var reconfigure = false
        if (dezRiotEnabledFlag !== dezRiotEnabledPrevFlag) {
            if (dezRiotEnabledFlag) {
                config.iotType = riotType
                config.wifiSSIDRestore = config.wifiSSID
                config.wifiPasswordRestore = config.wifiPassword
                config.initializeRiotWifiConnection()
            } else {
                config.iotType = awsType
                config.wifiSSID = config.wifiSSIDRestore
                config.wifiPassword = config.wifiPasswordRestore
                config.wifiStaticIp = false
                console.log("DEZ_ORAAWS is enabled. wifiSSID = " + config.wifiSSID)
                reconfigure = true
            }
        }
        config.notifyIotTypeChanged(config.iotType)
        config.saveConfigFile()
        changesFlag = false
        if (primary) {
            cabinet.sendConfigSettingsData()
            if (reconfigure)
                config.reconfigureNetworkDevices()
            config.readIotConfigFile()
        }
    }
    function change(apply) {
        apply()
        changesFlag = true
    }

    function makeDialog(file, props) {
        var component = Qt.createComponent(file)
        if (component.status !== Component.Ready) {
            console.log("Utilities: " + component.errorString())
            return null
        }
        var all = { z: 10000 }
        for (var key in props)
            all[key] = props[key]
        return component.createObject(dialogParent, all)
    }
    function openRfidTest() {
        var dialog = makeDialog("RfidAccsTesting.qml", { io: io, cabinet: cabinet })
        if (!dialog)
            return
        dialog.closePressed.connect(function () { dialog.destroy() })
        io.nfcAccsTestEnabled = true
    }
    // The tag analysis stays in test mode while the heaters are tested, so
    // that no pan placed meanwhile starts a hold; closing the dialog ends it.
    function openHeatersTest() {
        var dialog = makeDialog("HeatersTestingItem.qml", { io: io, cabinet: cabinet, config: config,
                                                            display: display, enterNumber: enterNumber })
        if (!dialog)
            return
        dialog.closePressed.connect(function () { dialog.destroy() })
        dialog.messageRequested.connect(page.messageRequested)
        io.nfcAccsTestEnabled = true
    }
    function cancelAllHolding() {
        cabinet.cancelAllHolding()
        cancelAllTimer.start()
    }
    function showPlatformInfo() {
        platform.getOsKernelInformation()
        platform.getBSPverInformation()
        var dialog = makeDialog("../widgets/VscrollMessageDialog.qml", {
            title: qsTr("Platform Info") + tro.emptyStr,
            cwidth: Math.round(page.width * 0.85),
            theText: "<b>" + qsTr("Kernel:") + tro.emptyStr + "</b> " + platform.osKernel + "<br><br>" + platform.bspInfo })
        if (dialog)
            dialog.closeButtonPressed.connect(function () { dialog.destroy() })
    }

    onVisibleChanged: if (visible) load()
    Component.onCompleted: load()

    Connections {
        target: page.config
        ignoreUnknownSignals: true
        function onNewConfigImported() { page.load() }
    }
    Connections {
        target: page.cabinet
        function onConfigSettingsUpdated() { page.load() }
        function onScreenshotsExported() {
            if (page.reportsScreenshotExport)
                page.messageRequested(qsTr("Screen-shots exported to flash drive!") + tro.emptyStr, true)
        }
        function onNoScreenShotsToExport() {
            if (page.reportsScreenshotExport)
                page.messageRequested(qsTr("No screen-shots to export!") + tro.emptyStr, true)
        }
    }
    Timer {
        id: cancelAllTimer
        interval: page.cancelAllDelayMs
        onTriggered: {
            page.cabinet.clearHoldingHistory()
            page.messageRequested(qsTr("All holding timers canceled!") + tro.emptyStr, true)
        }
    }

    Text {
        id: title
        anchors.horizontalCenter: parent.horizontalCenter
        y: 10
        text: qsTr("Utilities") + tro.emptyStr
        font.pixelSize: uiSkin.servicePageTitleFontSize
        font.bold: true
        color: uiSkin.servicePageTitleFontColor
    }

    Flickable {
        anchors.top: title.bottom
        anchors.topMargin: 10
        anchors.bottom: acceptCancel.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.bottomMargin: 6
        contentHeight: content.height
        clip: true

        Column {
            id: content
            width: parent.width
            spacing: 10

            Grid {
                objectName: "switches"
                columns: page.dez && !page.portrait ? 2 : 1
                columnSpacing: 30
                rowSpacing: 0
                width: parent.width

                CheckBox {
                    objectName: "demoModeBox"
                    visible: page.primary && page.unlocked
                    label: qsTr("Demo mode enabled") + tro.emptyStr
                    label_color: "black"
                    width: 320
                    height: 36
                    is_checked: page.demoModeFlag
                    onChecked: page.change(function () { page.demoModeFlag = true })
                    onUnchecked: page.change(function () { page.demoModeFlag = false })
                }
                CheckBox {
                    objectName: "screenshotsBox"
                    visible: page.primary && page.unlocked
                    label: qsTr("Enable screen shots") + tro.emptyStr
                    label_color: "black"
                    width: 320
                    height: 36
                    is_checked: page.screenshotsFlag
                    onChecked: page.change(function () { page.screenshotsFlag = true })
                    onUnchecked: page.change(function () { page.screenshotsFlag = false })
                }
                CheckBox {
                    objectName: "productsEditingBox"
                    visible: page.primary && page.unlocked && page.dez
                    label: qsTr("Products Editing") + tro.emptyStr
                    label_color: "black"
                    width: 320
                    height: 36
                    is_checked: page.productsEditingFlag
                    onChecked: page.change(function () { page.productsEditingFlag = true })
                    onUnchecked: page.change(function () { page.productsEditingFlag = false })
                }
                CheckBox {
                    objectName: "dezRiotBox"
                    visible: page.primary && page.unlocked && page.dez
                    label: qsTr("DEZ RIOT Enabled") + tro.emptyStr
                    label_color: "black"
                    width: 320
                    height: 36
                    is_checked: page.dezRiotEnabledFlag
                    onChecked: page.change(function () { page.dezRiotEnabledFlag = true })
                    onUnchecked: page.change(function () { page.dezRiotEnabledFlag = false })
                }
                CheckBox {
                    objectName: "discardFlashBox"
                    visible: page.primary && page.unlocked && !page.dez
                    enabled: !page.cabinet.activelyHolding
                    label: qsTr("Discard flash enable") + tro.emptyStr
                    label_color: "black"
                    width: 320
                    height: 36
                    is_checked: page.discardFlashFlag
                    onChecked: page.change(function () { page.discardFlashFlag = true })
                    onUnchecked: page.change(function () { page.discardFlashFlag = false })
                }
                CheckBox {
                    objectName: "verticalFlipBox"
                    visible: page.unlocked && !page.dez
                    enabled: !page.cabinet.activelyHolding
                    label: qsTr("Vertical flip") + tro.emptyStr
                    label_color: "black"
                    width: 320
                    height: 36
                    is_checked: page.verticalFlipFlag
                    onChecked: page.change(function () { page.verticalFlipFlag = true })
                    onUnchecked: page.change(function () { page.verticalFlipFlag = false })
                }
            }

            Row {
                objectName: "powerSourceRow"
                visible: page.primary && page.cabinet.powerSourceChoice === true
                spacing: 16
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Power Source: ") + tro.emptyStr
                    font.pixelSize: 20
                }
                Repeater {
                    model: [208, 240]
                    CheckBox {
                        objectName: "powerSource" + modelData
                        label: String(modelData)
                        label_color: "black"
                        width: 100
                        height: 36
                        normal_image: "../widgets/images/radioButton_unselected.png"
                        pressed_image: "../widgets/images/radioButton_selected.png"
                        is_checked: page.powerSource === modelData
                        onChecked: page.change(function () { page.powerSource = modelData })
                    }
                }
            }

            Grid {
                id: buttons
                objectName: "buttons"
                columns: page.portrait ? 2 : 3
                spacing: 12
                readonly property real buttonWidth: Math.min(220, (content.width - (columns - 1) * spacing) / columns)

                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "soundTestButton"
                    visible: page.locked
                    label: qsTr("Sound test") + tro.emptyStr
                    onClicked: if (page.sound) page.sound.playWarningAlarm()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "screenTestButton"
                    visible: page.locked
                    label: qsTr("Screen test") + tro.emptyStr
                    onClicked: page.screenTestRequested()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "cancelAllButton"
                    visible: page.primary && page.unlocked
                    label: qsTr("Cancel All Holding") + tro.emptyStr
                    onClicked: page.cancelAllHolding()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "platformInfoButton"
                    visible: page.unlocked && page.platform !== null
                    label: qsTr("Platform Info") + tro.emptyStr
                    onClicked: page.showPlatformInfo()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "skinButton"
                    visible: !page.locked && page.unlockedLevel > 3
                    label: qsTr("UI customization") + tro.emptyStr
                    onClicked: page.skinPanelRequested()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "filesButton"
                    visible: page.primary && page.unlocked
                    label: qsTr("Files Import/Export") + tro.emptyStr
                    onClicked: page.filesDialogRequested()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "wifiMonitorButton"
                    visible: page.primary && page.unlocked
                    label: qsTr("Wi-Fi Monitor") + tro.emptyStr
                    onClicked: page.wifiMonitorRequested()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "rfidButton"
                    visible: page.primary && page.unlocked && page.cabinet.nfcEnabled === true
                    label: qsTr("RFID ACCS. TESTING") + tro.emptyStr
                    onClicked: page.openRfidTest()
                }
                UtilityButton {
                    width: buttons.buttonWidth
                    objectName: "heatersButton"
                    visible: page.primary && page.unlocked
                    label: qsTr("HEATERS TESTING") + tro.emptyStr
                    onClicked: page.openHeatersTest()
                }
            }
        }
    }

    AcceptCancelItem {
        id: acceptCancel
        objectName: "acceptCancel"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        enabled: page.changesFlag
        onUserAccepted: page.save()
        onUserCancelled: page.load()
    }
}
