import QtQuick 2.15
import KivDefs 1.0
import "widgets"

// The "Wi-Fi Networking" page: Wi-Fi on or off, the access point and pass
// phrase, DHCP or a static address. Edits stay pending (and refreshes from
// the store wait) until Accept or Cancel. On the primary display of a RIVEV
// cabinet it also shows the IoT status and offers the reset to the default
// network behind a PIN.
GenericSettingsItem {
    id: networkSettingsItem

    readonly property int maxFailedAttempts: 5
    readonly property int refreshDelayMs: 500
    readonly property bool rivevPrimary: cabinetManager.iAmMaster
                                         && cabinetManager.customerId === KivDefines.CUSTOMER_ID_RIVEV

    // Pending values.
    property bool staticIPEnabled: true
    property string ipAddress: ""
    property string netmask: ""
    property string gateway: ""
    property int networkMode: 1
    property string wifiSSID: ""
    property string wifiPassword: ""
    property string wifiIdentity: ""
    property bool wpaEnabled: false
    property bool wifiStaticIp: true
    property string wifiIpAddr: ""
    property string wifiNetmask: ""
    property string wifiGateway: ""
    property bool wifiEnabled: true
    property bool ethEnabled: false

    // Rows mirror for a right-to-left language.
    property bool rightToLeft: false
    property int failedPinAttempts: 0
    property bool wifiDialogConnected: false
    // The access-point list of the last scan while it is open.
    property Item accessPointList: null

    // A static address is stored only when all twelve octets are numbers
    // 0..255: a gap would leave the unit without an address.
    readonly property bool addressesValid: {
        for (var i = 0; i < octetRows.count; ++i)
            if (!octetRows.itemAt(i).valid)
                return false
        return true
    }
    readonly property bool acceptAllowed: itemModified && (!wifiEnabled || !wifiStaticIp || addressesValid)

    // Landscape is too short for the column above the status and the
    // buttons: they stand right of the column instead.
    readonly property bool sideBySide: !cabinetManager.orientationPortrait
    readonly property int sideCentre: settingsColumn.x + settingsColumn.width + (width - settingsColumn.x - settingsColumn.width) / 2

    lockLevel: 1
    itemLocked: true
    allowInteraction: true

    function octet(text, i) {
        var parts = text.split(".")
        return i < parts.length ? parts[i] : ""
    }
    function copyFlags() {
        staticIPEnabled = configManager.staticIPEnabled
        wifiSSID = configManager.wifiSSID
        wifiPassword = configManager.wifiPassword
        wifiIdentity = configManager.wifiIdentity
        wpaEnabled = configManager.wpaEnabled
        wifiStaticIp = configManager.wifiStaticIp
        ethEnabled = configManager.ethEnabled
        wifiEnabled = configManager.wifiEnabled
    }
    function loadCurrentConfiguration() {
        configManager.reLoadNetworkDeviceConfig()
        if (cabinetManager.iAmMaster && (cabinetManager.hasMirrorDisplay || cabinetManager.hasSecondaryDisplay))
            cabinetManager.sendNetworkConfiguration()
    }
    // Takes over the stored values.
    function processNetworkConfigData() {
        copyFlags()
        itemModified = false
        ipAddress = configManager.ipAddress
        netmask = configManager.netmask
        gateway = configManager.gateway
        wifiIpAddr = configManager.wifiIpAddr
        wifiNetmask = configManager.wifiNetmask
        wifiGateway = configManager.wifiGateway
        var stored = [wifiIpAddr, wifiNetmask, wifiGateway]
        for (var r = 0; r < 3; ++r)
            octetRows.itemAt(r).fill(stored[r])
    }
    // Accept in the access-point list with no row chosen gives an empty
    // name: the SSID typed so far stays.
    function setSsid(name) {
        if (name !== "" && wifiNetworkConfig.item)
            wifiNetworkConfig.item.ssidName = name
    }
    // A new scan result: its access points in a list of their own, over
    // whatever list an earlier scan left open.
    function showAccessPoints() {
        if (accessPointList)
            accessPointList.destroy()
        var list = accessPointListComponent.createObject(mainPanel, { objectName: "wifiApSelectDialog", z: 10000 })
        if (!list) {
            console.warn("Access-point list could not be created:", accessPointListComponent.errorString())
            return
        }
        list.selectedSSID.connect(setSsid)
        list.closeButtonPressed.connect(function () { list.destroy() })
        list.loadWifiApModel()
        accessPointList = list
    }
    function wifiDialogAccepted(ssidName, password, wpa, identity) {
        wifiSSID = ssidName
        wifiPassword = password
        wpaEnabled = wpa
        wifiIdentity = identity
        itemModified = true
    }
    function openWifiDialog() {
        var dialog = wifiNetworkConfig.show()
        if (!wifiDialogConnected) {
            dialog.accepted.connect(wifiDialogAccepted)
            wifiDialogConnected = true
        }
        dialog.ssidName = wifiSSID
        dialog.password = wifiPassword
        dialog.identity = wifiIdentity
        dialog.wpaEnabled = wpaEnabled
    }
    function cancelEdits() {
        itemModified = false
        loadCurrentConfiguration()
    }
    function acceptEdits() {
        configManager.networkMode = 1
        configManager.wifiSSID = wifiSSID
        configManager.wifiPassword = wifiPassword
        configManager.wifiSSIDRestore = wifiSSID
        configManager.wifiPasswordRestore = wifiPassword
        configManager.wifiIdentity = wifiIdentity
        configManager.wpaEnabled = false
        if (wifiStaticIp) {
            configManager.wifiIpAddr = octetRows.itemAt(0).address()
            configManager.wifiNetmask = octetRows.itemAt(1).address()
            configManager.wifiGateway = octetRows.itemAt(2).address()
        } else {
            for (var r = 0; r < 3; ++r)
                octetRows.itemAt(r).fill("")
        }
        configManager.wifiStaticIp = wifiStaticIp
        configManager.ethEnabled = false
        configManager.wifiEnabled = wifiEnabled
        configManager.saveConfigFile()
        configManager.reconfigureNetworkDevices()
        configManager.deleteNetworkCertificate()
        itemModified = false
        configManager.networkSettingsUpdated = true
        reloadTimer.restart()
    }
    function showMessage(text, closable) {
        var dialog = messageDialog.show()
        dialog.theText = text
        dialog.showCloseButton = closable
    }
    function tooManyAttempts() {
        showMessage(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr, true)
    }
    function askDefaultPin() {
        if (failedPinAttempts > maxFailedAttempts) {
            tooManyAttempts()
            return
        }
        mainPanel.enterNumber({ input_text: qsTr("PIN #") + tro.emptyStr, inputTime_validation: false,
                                        edit_started: false, passwordInput: true, signEnabled: false,
                                        validateIntInput: false },
                                      function (code) { networkSettingsItem.checkDefaultPin(code) }, null)
    }
    function checkDefaultPin(code) {
        var held = cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ ? code : configManager.encryptString(code)
        if (held !== "" && (held === configManager.passwdL1 || held === configManager.passwdL2
                            || held === configManager.passwdL3)) {
            failedPinAttempts = 0
            mainPanel.askQuestion(qsTr("Reset to default network?") + tro.emptyStr, 0, function () {
                configManager.resetToDefaultNetwork()
                showMessage(qsTr("Network reset is complete.<br>Reboot the unit") + tro.emptyStr, false)
            }, function () {})
            acceptCancelDialog.item.theTitle = qsTr("Network Reset") + tro.emptyStr
            return
        }
        failedPinAttempts += 1
        if (failedPinAttempts > maxFailedAttempts)
            tooManyAttempts()
        else
            askDefaultPin()
    }

    Component.onCompleted: {
        if (!itemModified)
            copyFlags()
        loadCurrentConfiguration()
    }

    Connections {
        target: configManager
        function onNetworkInfoRefreshed() {
            if (!networkSettingsItem.itemModified)
                networkSettingsItem.processNetworkConfigData()
        }
        function onWifiScanStringChanged() { networkSettingsItem.showAccessPoints() }
    }
    Connections {
        target: snm
        function onRefreshNetworkInfo() {
            if (!networkSettingsItem.itemModified)
                refreshTimer.restart()
        }
    }
    Connections {
        target: KivRiot
        enabled: networkSettingsItem.rivevPrimary
        function onIotProvisioningState(value) { provisioningText.text = value }
        function onIotCertificateState(value) { certificateText.text = value }
    }
    Connections {
        target: kivnm
        enabled: networkSettingsItem.rivevPrimary
        function onWifiApConnectedChanged() {
            if (configManager.iotConnected)
                provisioningText.text = kivnm.wifiApConnected
                    ? qsTr("<b>Provisioning Status:</b> Connected to permanent") + tro.emptyStr
                    : qsTr("<b>Provisioning Status:</b> Disconnected from permanent") + tro.emptyStr
        }
    }
    Component {
        id: accessPointListComponent
        WifiApSelectDialog { }
    }
    Timer {
        id: refreshTimer
        interval: networkSettingsItem.refreshDelayMs
        onTriggered: networkSettingsItem.processNetworkConfigData()
    }
    Timer {
        id: reloadTimer
        interval: networkSettingsItem.refreshDelayMs
        onTriggered: networkSettingsItem.loadCurrentConfiguration()
    }
    Timer {
        interval: 5000
        repeat: true
        running: networkSettingsItem.rivevPrimary
        onTriggered: {
            if (configManager.iotConnected && kivnm.wifiApConnected)
                provisioningText.text = qsTr("<b>Provisioning Status:</b> Connected to permanent") + tro.emptyStr
        }
    }

    Rectangle {
        anchors.fill: parent
        z: -2
        color: uiSkin.generalPanelBackgroundColor
    }
    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        font.bold: true
        font.pixelSize: 24
        color: uiSkin.servicePageTitleFontColor
        text: qsTr("Wi-Fi Networking") + tro.emptyStr
    }

    Column {
        id: settingsColumn
        anchors.top: title.bottom
        anchors.topMargin: 14
        x: networkSettingsItem.sideBySide ? 20 : (parent.width - width) / 2
        width: 460
        spacing: 10
        enabled: !networkSettingsItem.itemLocked

        CheckBox {
            objectName: "wifiEnabledBox"
            height: 40
            width: 200
            label: qsTr("Enabled") + tro.emptyStr
            label_color: uiSkin.generalFontColor
            is_checked: networkSettingsItem.wifiEnabled
            onChecked: { networkSettingsItem.wifiEnabled = true; networkSettingsItem.itemModified = true }
            onUnchecked: { networkSettingsItem.wifiEnabled = false; networkSettingsItem.itemModified = true }
        }

        Column {
            width: parent.width
            spacing: 10
            enabled: networkSettingsItem.wifiEnabled
            opacity: enabled ? 1.0 : 0.5

            Row {
                spacing: 10
                layoutDirection: networkSettingsItem.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight
                Text {
                    width: 150
                    height: 40
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: 20
                    color: uiSkin.generalFontColor
                    text: qsTr("SSID") + tro.emptyStr
                }
                Rectangle {
                    objectName: "ssidBox"
                    width: 240
                    height: 40
                    border.color: "grey"
                    border.width: 2
                    Text {
                        anchors.fill: parent
                        anchors.margins: 6
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        font.pixelSize: 20
                        text: networkSettingsItem.wifiSSID
                    }
                    MouseArea2 {
                        anchors.fill: parent
                        onClicked: networkSettingsItem.openWifiDialog()
                    }
                }
                Image {
                    objectName: "apLinkIcon"
                    height: 40
                    fillMode: Image.PreserveAspectFit
                    source: kivnm.wifiApConnected ? "images/link.png" : "images/linkBroken.png"
                }
            }

            CheckBox {
                objectName: "dhcpBox"
                height: 40
                width: 200
                label: qsTr("DHCP") + tro.emptyStr
                label_color: uiSkin.generalFontColor
                is_checked: !networkSettingsItem.wifiStaticIp
                onChecked: { networkSettingsItem.wifiStaticIp = false; networkSettingsItem.itemModified = true }
                onUnchecked: { networkSettingsItem.wifiStaticIp = true; networkSettingsItem.itemModified = true }
            }

            Repeater {
                id: octetRows
                model: [qsTr("IP Address") + tro.emptyStr, qsTr("Netmask") + tro.emptyStr,
                        qsTr("Default Gateway") + tro.emptyStr]
                Row {
                    id: octetRow
                    objectName: "octetRow" + index
                    readonly property bool valid: f0.valid && f1.valid && f2.valid && f3.valid
                    function fill(text) {
                        var fields = [f0, f1, f2, f3]
                        for (var i = 0; i < 4; ++i)
                            fields[i].text = networkSettingsItem.octet(text, i)
                    }
                    function address() { return [f0.text, f1.text, f2.text, f3.text].join(".") }
                    spacing: 6
                    height: 40
                    enabled: networkSettingsItem.wifiStaticIp
                    opacity: enabled ? 1.0 : 0.5
                    layoutDirection: networkSettingsItem.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight
                    Text {
                        width: 180
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        font.pixelSize: 20
                        color: uiSkin.generalFontColor
                        text: modelData
                    }
                    IpFieldEditBox { id: f0; objectName: "octet" + index + "_0"; warnUnacceptable: networkSettingsItem.wifiStaticIp; onAccepted: networkSettingsItem.itemModified = true }
                    IpFieldEditBox { id: f1; objectName: "octet" + index + "_1"; warnUnacceptable: networkSettingsItem.wifiStaticIp; onAccepted: networkSettingsItem.itemModified = true }
                    IpFieldEditBox { id: f2; objectName: "octet" + index + "_2"; warnUnacceptable: networkSettingsItem.wifiStaticIp; onAccepted: networkSettingsItem.itemModified = true }
                    IpFieldEditBox { id: f3; objectName: "octet" + index + "_3"; warnUnacceptable: networkSettingsItem.wifiStaticIp; onAccepted: networkSettingsItem.itemModified = true }
                }
            }
        }
    }

    Column {
        id: iotStatus
        visible: networkSettingsItem.rivevPrimary
        anchors.bottom: acceptCancel.top
        anchors.bottomMargin: networkSettingsItem.sideBySide ? 80 : 6
        x: (networkSettingsItem.sideBySide ? networkSettingsItem.sideCentre : parent.width / 2) - width / 2
        spacing: 2
        Text {
            id: certificateText
            objectName: "certificateText"
            anchors.horizontalCenter: parent.horizontalCenter
            font.pixelSize: 16
            color: uiSkin.generalFontColor
            text: qsTr("<b>Certificate Status:</b>") + tro.emptyStr
        }
        Text {
            id: provisioningText
            objectName: "provisioningText"
            anchors.horizontalCenter: parent.horizontalCenter
            font.pixelSize: 16
            color: uiSkin.generalFontColor
            text: qsTr("<b>Provisioning Status:</b>") + tro.emptyStr
        }
    }

    NumericKeyboardButton {
        objectName: "defaultButton"
        visible: networkSettingsItem.rivevPrimary
        width: 100
        height: 60
        label: qsTr("Default") + tro.emptyStr
        labelSize: 20
        anchors.right: parent.right
        anchors.rightMargin: 20
        y: networkSettingsItem.sideBySide ? acceptCancel.y - height - 10 : iotStatus.y - height - 10
        onClicked: networkSettingsItem.askDefaultPin()
    }

    AcceptCancelItem {
        id: acceptCancel
        objectName: "acceptCancel"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 40
        x: (networkSettingsItem.sideBySide ? networkSettingsItem.sideCentre : parent.width / 2) - width / 2
        enabled: networkSettingsItem.itemModified
        acceptEnabled: networkSettingsItem.acceptAllowed
        onUserAccepted: networkSettingsItem.acceptEdits()
        onUserCancelled: networkSettingsItem.cancelEdits()
    }
}
