import QtQuick 2.15
import QtTest 1.15

TestCase {
    id: testCase
    name: "MainWindow"
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
    function child(objectName) {
        var found = findChild(window.contentItem, objectName)
        verify(found, "no item named " + objectName)
        return found
    }
    function createWindow() {
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
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

    function test_loadsFromResources() {
        createWindow()
        compare(window.objectName, "kivDisplay")
        compare(window.applicationVersion, "unknown")
        compare(window.width, 800)
        compare(window.height, 480)
        verify(window.visible)
    }
}
