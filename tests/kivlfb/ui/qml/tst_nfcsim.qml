import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml/simulation"

TestCase {
    id: testCase
    name: "NfcSimulator"
    when: windowShown
    visible: true
    width: 480
    height: 320

    Component { id: panelComponent; NfcSimPanel { width: 480; height: 320 } }

    function init() {
        verify(harness.reset())
    }
    function findChild(item, objectName) {
        if (item.objectName === objectName)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findChild(item.children[i], objectName)
            if (found)
                return found
        }
        return null
    }

    // A tap on an empty bin puts a pan with the chosen product there, each
    // pan a new tray id; a second tap takes it away with the empty tag.
    function test_placeAndRemovePans() {
        var panel = createTemporaryObject(panelComponent, testCase)
        var log = cabinetManager.log
        var field = findChild(panel, "productIdField")
        field.text = "12"
        field.editingFinished()
        mouseClick(findChild(panel, "bin2"))
        mouseClick(findChild(panel, "bin5"))
        compare(log.argsOf("cabinetManager.setBinToTray"), [[2, 12, 1], [5, 12, 2]])
        compare(panel.panOn(2), "12/1")

        mouseClick(findChild(panel, "bin2"))
        compare(log.argsOf("cabinetManager.setBinToTray")[2], [2, 0, 0])
        compare(panel.panOn(2), "")
        compare(panel.panOn(5), "12/2")
    }

    // One button per bin of the cabinet; no pan is ever placed with an
    // empty tag or outside the cabinet.
    function test_binsAndBadInput() {
        cabinetManager.traysPerCabinet = 6
        var panel = createTemporaryObject(panelComponent, testCase)
        var log = cabinetManager.log
        verify(findChild(panel, "bin5") !== null)
        compare(findChild(panel, "bin6"), null)

        panel.placePan(6)
        panel.placePan(-1)
        panel.productId = 0
        panel.placePan(1)
        compare(log.count("cabinetManager.setBinToTray"), 0)

        // A typed product id the tag cannot hold is refused by the field.
        var field = findChild(panel, "productIdField")
        field.text = "16777216"
        verify(!field.acceptableInput)
    }
}
