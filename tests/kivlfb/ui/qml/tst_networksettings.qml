import QtQuick 2.15
import QtTest 1.15
import KivDefs 1.0
import "qrc:///qml"
import "qrc:///qml/widgets"

// The "Wi-Fi Networking" page of the service list, in the main window.
TestCase {
    id: testCase
    name: "NetworkSettings"
    when: windowShown
    visible: true
    width: 800
    height: 480

    property var window: null

    function init() {
        verify(harness.reset())
        harness.setScaling(1.0, 1.0)
        configManager.wifiEnabled = true
        configManager.wifiSSID = "Kitchen"
        configManager.wifiPassword = "secret"
        configManager.wifiStaticIp = true
        configManager.wifiIpAddr = "192.168.5.20"
        configManager.wifiNetmask = "255.255.255.0"
        configManager.wifiGateway = "192.168.5.1"
    }
    function cleanup() {
        if (window)
            window.destroy()
        window = null
    }
    function findChild(item, objectName) {
        if (!item)
            return null
        if (item.objectName === objectName)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findChild(item.children[i], objectName)
            if (found)
                return found
        }
        return null
    }
    function child(item, objectName) {
        var found = findChild(item, objectName)
        verify(found, "no item named " + objectName)
        return found
    }
    function tap(item) {
        mouseClick(item, item.width / 2, item.height / 2)
    }
    function host(name) {
        var panel = child(window.contentItem, "mainPanel")
        for (var i = 0; i < panel.children.length; ++i)
            if (panel.children[i].name === name)
                return panel.children[i]
        verify(false, "no host for " + name)
    }
    // The service list, turned to this page, which is unlocked.
    function showPage(portrait) {
        cabinetManager.orientationPortrait = portrait
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        tryCompare(window.contentItem, "width", window.width)
        host("settingsPanel").show()
        var list = child(window.contentItem, "pageList")
        var page = null
        for (var i = 0; i < list.model.count; ++i) {
            if (list.model.get(i).objectName === "networkSettingsItem") {
                page = list.model.get(i)
                list.currentIndex = i
            }
        }
        verify(page, "the list has no network page")
        tryCompare(page, "visible", true)
        tryVerify(function () { return Math.abs(page.x) < 0.5 }, 2000, "the page did not come into place")
        tryCompare(host("bwi"), "visible", false, 1000)
        page.itemLocked = false
        // The stored values, as the store's refresh brings them.
        configManager.networkInfoRefreshed()
        return page
    }
    function octet(page, row, i) {
        return child(child(page, "octet" + row + "_" + i), "field")
    }
    function octets(page) {
        var all = []
        for (var r = 0; r < 3; ++r)
            for (var i = 0; i < 4; ++i)
                all.push(octet(page, r, i).text)
        return all.join(",")
    }
    function shoot(name) {
        waitForRendering(window.contentItem)
        var path = screenshots.saveUpright(child(window.contentItem, "mainPanel"), name)
        verify(path !== "", "no screenshot of " + name)
    }

    function test_takesOverTheStore() {
        var page = showPage(false)
        compare(octets(page), "192,168,5,20,255,255,255,0,192,168,5,1")
        compare(page.wifiSSID, "Kitchen")
        verify(!page.itemModified)
        compare(callLog.count("configManager.reLoadNetworkDeviceConfig"), 1)
    }

    // A refresh from the manager waits for pending edits; without them it
    // takes over the store after half a second.
    function test_refreshKeepsEdits() {
        var page = showPage(false)
        tap(child(page, "dhcpBox"))
        verify(page.itemModified)
        configManager.wifiIpAddr = "10.0.0.9"
        snm.refreshNetworkInfo()
        wait(700)
        verify(page.itemModified)
        verify(!page.wifiStaticIp)
        compare(octet(page, 0, 0).text, "192")

        page.cancelEdits()
        snm.refreshNetworkInfo()
        tryCompare(octet(page, 0, 0), "text", "10", 1500)
        verify(page.wifiStaticIp)
    }

    function test_acceptStatic() {
        var page = showPage(false)
        octet(page, 0, 3).text = "33"
        page.itemModified = true
        verify(child(page, "acceptCancel").acceptEnabled)
        page.acceptEdits()
        compare(configManager.wifiIpAddr, "192.168.5.33")
        compare(configManager.wifiNetmask, "255.255.255.0")
        compare(configManager.wifiGateway, "192.168.5.1")
        compare(configManager.wifiSSIDRestore, "Kitchen")
        verify(configManager.networkSettingsUpdated)
        verify(!page.itemModified)
        compare(callLog.count("configManager.saveConfigFile"), 1)
        compare(callLog.count("configManager.reconfigureNetworkDevices"), 1)
        compare(callLog.count("configManager.deleteNetworkCertificate"), 1)
        tryVerify(function () { return callLog.count("configManager.reLoadNetworkDeviceConfig") === 2 }, 1500)
    }

    // An empty or out-of-range octet keeps Accept off while a static
    // address is chosen; DHCP or Wi-Fi off does not need one.
    function test_invalidOctetBlocksAccept() {
        var page = showPage(false)
        octet(page, 2, 1).text = ""
        page.itemModified = true
        var acceptCancel = child(page, "acceptCancel")
        verify(!acceptCancel.acceptEnabled)
        verify(child(child(page, "octet2_1"), "invalidMarker").visible)
        tap(child(page, "dhcpBox"))
        verify(acceptCancel.acceptEnabled)
        verify(!child(child(page, "octet2_1"), "invalidMarker").visible)
    }

    function test_acceptDhcpKeepsStoredAddresses() {
        var page = showPage(false)
        tap(child(page, "dhcpBox"))
        page.acceptEdits()
        compare(configManager.wifiStaticIp, false)
        compare(configManager.wifiIpAddr, "192.168.5.20")
        compare(configManager.wifiGateway, "192.168.5.1")
        compare(octets(page), ",,,,,,,,,,,")
    }

    function test_wifiDialogAnswer() {
        var page = showPage(false)
        tap(child(page, "ssidBox"))
        var dialog = host("wifiNetworkConfig").item
        verify(dialog.visible)
        compare(dialog.ssidName, "Kitchen")
        dialog.accepted("Office", "pa ss", false, "")
        compare(page.wifiSSID, "Office")
        compare(page.wifiPassword, "pa ss")
        verify(page.itemModified)
    }

    function test_defaultPin() {
        cabinetManager.customerId = KivDefines.CUSTOMER_ID_RIVEV
        var page = showPage(false)
        var button = child(page, "defaultButton")
        verify(button.visible)
        tap(button)
        for (var attempt = 1; attempt <= 6; ++attempt) {
            verify(host("numericInputPanel").visible, "attempt " + attempt)
            host("numericInputPanel").item.acceptVal("1111")
        }
        verify(!host("numericInputPanel").visible)
        compare(host("messageDialog").item.theText, "Too many failed attempts.\nCall service.")
        host("messageDialog").visible = false
        tap(button)
        verify(!host("numericInputPanel").visible)
        compare(host("messageDialog").item.theText, "Too many failed attempts.\nCall service.")
    }

    function test_defaultReset() {
        cabinetManager.customerId = KivDefines.CUSTOMER_ID_RIVEV
        var page = showPage(false)
        tap(child(page, "defaultButton"))
        host("numericInputPanel").item.acceptVal("9157")
        var question = host("acceptCancelDialog").item
        verify(question.visible)
        compare(question.theText, "Reset to default network?")
        question.accepted()
        compare(callLog.count("configManager.resetToDefaultNetwork"), 1)
        compare(host("messageDialog").item.theText, "Network reset is complete.<br>Reboot the unit")
        KivRiot.iotCertificateState("<b>Certificate Status:</b> valid")
        compare(child(page, "certificateText").text, "<b>Certificate Status:</b> valid")
    }

    // The dialog answers and hides itself; Cancel leaves the page's values.
    function test_wifiDialog_data() {
        return [ { tag: "landscape", portrait: false }, { tag: "portrait", portrait: true } ]
    }
    function test_wifiDialog(data) {
        var page = showPage(data.portrait)
        tap(child(page, "ssidBox"))
        var dialog = host("wifiNetworkConfig").item
        tap(child(dialog, "ssidField"))
        verify(host("alphakb").visible)
        compare(host("alphakb").item.kbmode, 0)
        shoot("wifidialog-keyboard-" + data.tag)
        // Enter puts the keyboard away, uncovering the buttons.
        keyClick(Qt.Key_Return)
        verify(!host("alphakb").visible)
        tap(child(dialog, "cancelButton"))
        verify(!host("wifiNetworkConfig").visible)
        verify(!page.itemModified)
        compare(page.wifiSSID, "Kitchen")

        tap(child(page, "ssidBox"))
        child(child(dialog, "passwordField"), "input").text = "new pass"
        tap(child(dialog, "acceptButton"))
        verify(!host("wifiNetworkConfig").visible)
        compare(page.wifiPassword, "new pass")
        compare(page.wifiSSID, "Kitchen")
        verify(page.itemModified)
    }

    function test_screenshots_data() {
        return [
            { tag: "static-landscape", portrait: false, dhcp: false, rivev: false },
            { tag: "static-portrait", portrait: true, dhcp: false, rivev: false },
            { tag: "dhcp-landscape", portrait: false, dhcp: true, rivev: false },
            { tag: "dhcp-portrait", portrait: true, dhcp: true, rivev: false },
            { tag: "rivev-landscape", portrait: false, dhcp: false, rivev: true },
            { tag: "rivev-portrait", portrait: true, dhcp: false, rivev: true },
        ]
    }
    function test_screenshots(data) {
        if (data.rivev)
            cabinetManager.customerId = KivDefines.CUSTOMER_ID_RIVEV
        configManager.wifiStaticIp = !data.dhcp
        kivnm.wifiApConnected = !data.dhcp
        var page = showPage(data.portrait)
        if (data.rivev) {
            KivRiot.iotCertificateState("<b>Certificate Status:</b> Installed")
            KivRiot.iotProvisioningState("<b>Provisioning Status:</b> Provisioned")
        }
        shoot("networksettings-" + data.tag)
    }
}
