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

    // --- The access-point list of a scan -----------------------------

    // A scan as the manager reports it: ten access points, one of them in use.
    function scanText(inUseRow) {
        var aps = []
        for (var i = 0; i < 10; ++i)
            aps.push({ cell: String(i + 1), macAddr: "00:1A:2B:3C:4D:5" + i, ssid: "Kitchen AP " + i,
                       signalLevel: (90 - 7 * i) + "/100", freq: i % 2 ? "5.18" : "2.412", chan: "1",
                       inUse: i === inUseRow ? "y" : "n" })
        return JSON.stringify(aps, null, 4)
    }
    function accessPointLists() {
        var panel = child(window.contentItem, "mainPanel")
        var lists = []
        for (var i = 0; i < panel.children.length; ++i)
            if (panel.children[i].objectName === "wifiApSelectDialog")
                lists.push(panel.children[i])
        return lists
    }
    // A closed list is destroyed once the event loop runs.
    function waitForLists(count) {
        wait(50)
        tryVerify(function () { return accessPointLists().length === count }, 1000,
                  "expected " + count + " access-point lists")
    }
    function accessPointList() {
        var lists = accessPointLists()
        compare(lists.length, 1, "one access-point list is open")
        return lists[0]
    }
    // Opens the Wi-Fi dialog and scans; the result comes as the store's
    // new scan text.
    function scan(page, text) {
        tap(child(page, "ssidBox"))
        var dialog = host("wifiNetworkConfig").item
        tap(child(dialog, "scanButton"))
        compare(callLog.count("configManager.scanWifi"), 1)
        verify(host("bwi").visible)
        compare(accessPointLists().length, 0)
        configManager.wifiScanString = text
        return dialog
    }
    function rowTexts(list, row) {
        var r = child(list, "apRow" + row)
        var texts = []
        for (var i = 0; i < r.children[0].children.length; ++i)
            if (r.children[0].children[i].text !== undefined)
                texts.push(r.children[0].children[i].text)
        return texts.join("|")
    }

    // The in-use access point is chosen at start and scrolled to the top;
    // Accept without a touch hands its name to the Wi-Fi dialog.
    function test_scanOpensTheList() {
        var page = showPage(false)
        var dialog = scan(page, scanText(3))
        var list = accessPointList()
        verify(list.visible)
        verify(!host("bwi").visible)
        compare(list.z, 10000)
        compare(list.activeCellInList, 3)
        compare(list.selectedIndex, 3)
        compare(list.selectedSSIDString, "Kitchen AP 3")
        compare(rowTexts(list, 3), "Kitchen AP 3|00:1A:2B:3C:4D:53|69/100|5.18")
        var apList = child(list, "apList")
        compare(apList.count, 10)
        compare(apList.indexAt(10, apList.contentY + 10), 3)
        verify(child(list, "apScrollHandle").visible)
        tap(child(child(list, "apAcceptCancel"), "acceptButton"))
        waitForLists(0)
        compare(child(child(dialog, "ssidField"), "input").text, "Kitchen AP 3")
        // The page takes it with the dialog's Accept.
        tap(child(dialog, "acceptButton"))
        compare(page.wifiSSID, "Kitchen AP 3")
        verify(page.itemModified)
    }

    // A touched row replaces what was typed; Cancel, or Accept with no row
    // chosen, keeps the typed name.
    function test_listAnswers_data() {
        return [
            { tag: "row touched", scan: 4, touch: 2, accept: true, ssid: "Kitchen AP 2" },
            { tag: "cancelled", scan: 4, touch: 2, accept: false, ssid: "typed" },
            { tag: "nothing in use, no touch", scan: -1, touch: -1, accept: true, ssid: "typed" },
        ]
    }
    function test_listAnswers(data) {
        var page = showPage(false)
        tap(child(page, "ssidBox"))
        var dialog = host("wifiNetworkConfig").item
        child(child(dialog, "ssidField"), "input").text = "typed"
        tap(child(dialog, "scanButton"))
        configManager.wifiScanString = scanText(data.scan)
        var list = accessPointList()
        compare(list.selectedIndex, data.scan)
        if (data.touch >= 0) {
            child(list, "apList").positionViewAtBeginning()
            tap(child(list, "apRow" + data.touch))
            compare(list.selectedIndex, data.touch)
        }
        var buttons = child(list, "apAcceptCancel")
        tap(child(buttons, data.accept ? "acceptButton" : "cancelButton"))
        waitForLists(0)
        compare(child(child(dialog, "ssidField"), "input").text, data.ssid)
        verify(host("wifiNetworkConfig").visible)
    }

    // "false" (nothing found) or a text that is no list of access points
    // gives an empty list; a later scan replaces an open list rather than
    // stacking a second one.
    function test_emptyScanThenNewScan_data() {
        return [
            { tag: "nothing found", text: "false" },
            { tag: "not JSON", text: "[{\"cell\": 1," },
            { tag: "not a list", text: "{\"ssid\": \"Office\"}" },
        ]
    }
    function test_emptyScanThenNewScan(data) {
        var page = showPage(false)
        scan(page, data.text)
        var list = accessPointList()
        compare(child(list, "apList").count, 0)
        compare(list.selectedIndex, -1)
        verify(!child(list, "apScrollHandle").visible)
        verify(!host("bwi").visible)
        configManager.wifiScanString = scanText(1)
        waitForLists(1)
        compare(accessPointList().selectedSSIDString, "Kitchen AP 1")
    }

    // The idle timeout closes the list unless the window holds it open.
    function test_idleClosesTheList_data() {
        return [ { tag: "idle", hold: false, open: 0 }, { tag: "held open", hold: true, open: 1 } ]
    }
    function test_idleClosesTheList(data) {
        var page = showPage(false)
        scan(page, scanText(0))
        accessPointList()
        window.ignoreNoUserInteraction = data.hold
        cabinetManager.noUserInteraction()
        waitForLists(data.open)
    }

    function test_listScreenshots_data() {
        return [ { tag: "landscape", portrait: false }, { tag: "portrait", portrait: true } ]
    }
    function test_listScreenshots(data) {
        var page = showPage(data.portrait)
        scan(page, scanText(4))
        accessPointList()
        shoot("aplist-" + data.tag)
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
