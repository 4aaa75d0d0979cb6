import QtQuick 2.15
import QtTest 1.15

// The main window under test, loaded from the resources against fresh
// mocks for every test function, with the look-ups the window's tests share.
TestCase {
    id: testCase
    when: windowShown

    property var window: null

    function findChild(item, objectName) {
        if (!item)
            return null
        if (item.objectName === objectName)
            return item
        var kids = item.children
        for (var i = 0; i < kids.length; ++i) {
            var found = findChild(kids[i], objectName)
            if (found)
                return found
        }
        return null
    }
    // An item of the window, or a page of the service list (the list keeps
    // only the pages near the current one among its children).
    function child(objectName) {
        var found = findChild(window.contentItem, objectName)
        var list = found ? null : findChild(window.contentItem, "pageList")
        for (var i = 0; list && !found && i < list.model.count; ++i)
            if (list.model.get(i).objectName === objectName)
                found = list.model.get(i)
        verify(found, "no item named " + objectName)
        return found
    }
    function createWindow() {
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        // The content follows the window's size once the window is shown.
        tryCompare(window.contentItem, "width", window.width)
        tryCompare(window.contentItem, "height", window.height)
        return window
    }
    function init() {
        verify(harness.reset())
        harness.setScaling(1.0, 1.0)
    }
    function cleanup() {
        if (window)
            window.destroy()
        window = null
    }

    function tap(objectName) {
        var item = child(objectName)
        mouseClick(item, item.width / 2, item.height / 2)
    }
    function log() { return callLog }

    // The hosts of the panel's hidden screens and dialogs, in stacking order.
    function screenHosts() {
        var panel = child("mainPanel")
        var hosts = []
        for (var i = 0; i < panel.children.length; ++i) {
            var c = panel.children[i]
            if (c.screen !== undefined && c.releasedWhenHidden !== undefined)
                hosts.push(c)
        }
        return hosts
    }
    function host(name) {
        var hosts = screenHosts()
        for (var i = 0; i < hosts.length; ++i)
            if (hosts[i].name === name)
                return hosts[i]
        verify(false, "no host for " + name)
    }

    // Opens the service list from the holding view and waits until the
    // busy wheel of its first page has gone and its rows are laid out.
    function showServiceList() {
        child("mainPanel").showHomeScreen()
        child("homeScreen").showSettingsPanel()
        tryCompare(host("bwi"), "visible", false, 2000)
        // The list opens on its first page, Utilities.
        var list = child("pageList")
        tryVerify(function () { return list.currentItem !== null && Math.abs(list.currentItem.x) < 0.5 })
        compare(list.currentIndex, 0)
        compare(list.currentItem.objectName, "utilitiesFirst")
        return child("settingsPanel")
    }
    // Swipes the service list to a page and waits until it stands still.
    function showPage(objectName) {
        var list = child("pageList")
        for (var i = 0; i < list.count; ++i)
            if (list.model.get(i).objectName === objectName)
                list.currentIndex = i
        compare(list.currentItem.objectName, objectName)
        tryVerify(function () { return Math.abs(list.currentItem.x) < 0.5 }, 2000, "the page did not come into place")
        return list.currentItem
    }
    property Component signalSpy: Component {
        SignalSpy {}
    }
}
