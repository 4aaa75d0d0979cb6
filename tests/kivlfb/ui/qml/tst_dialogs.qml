import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml/widgets"

TestCase {
    id: testCase
    name: "Dialogs"
    when: windowShown
    visible: true
    width: 800
    height: 480

    Component { id: messageDialog; MessageDialog {} }
    Component { id: questionDialog; AcceptCancelDialog {} }
    Component { id: progressDialog; ProgressNotificationDialog {} }
    Component { id: busyIndicator; BusyWaitIndicator {} }
    Component {
        id: dropList
        DropListView {
            theModel: ListModel {
                ListElement { name: "First" }
                ListElement { name: "Second" }
                ListElement { name: "Third" }
            }
        }
    }
    Component { id: spy; SignalSpy {} }

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
    function spyOn(target, signalName) {
        return createTemporaryObject(spy, testCase, { target: target, signalName: signalName })
    }

    // Only its owner closes a message without close button: the dimmed
    // screen around it takes taps and does nothing.
    function test_messageWithoutCloseButton() {
        var dialog = createTemporaryObject(messageDialog, testCase, { showCloseButton: false, theText: "<b>Busy</b>" })
        var closed = spyOn(dialog, "closeButtonPressed")
        mouseClick(dialog, 5, 5)
        verify(dialog.visible)
        verify(!findChild(dialog, "closeButton").visible)
        compare(closed.count, 0)
    }

    function test_messageCloseButton() {
        var dialog = createTemporaryObject(messageDialog, testCase, { theText: "Done" })
        var closed = spyOn(dialog, "closeButtonPressed")
        mouseClick(findChild(dialog, "closeButton"))
        verify(!dialog.visible)
        compare(closed.count, 1)
    }

    function test_silenceButtonLeavesDialog() {
        var dialog = createTemporaryObject(messageDialog, testCase, { showCloseButton: false, showDisableAlarmButton: true })
        var silenced = spyOn(dialog, "disableAlarmButtonPressed")
        mouseClick(findChild(dialog, "silenceButton"))
        compare(silenced.count, 1)
        verify(dialog.visible)
        verify(!findChild(dialog, "silenceButton").visible)
    }

    function test_question_data() {
        return [
            { tag: "accept", button: "acceptButton", signal: "accepted", other: "cancelled" },
            { tag: "cancel", button: "cancelButton", signal: "cancelled", other: "accepted" },
        ]
    }
    function test_question(data) {
        var dialog = createTemporaryObject(questionDialog, testCase, { theText: "Enter Cleaning Mode?" })
        var answer = spyOn(dialog, data.signal)
        var other = spyOn(dialog, data.other)
        mouseClick(findChild(dialog, data.button))
        compare(answer.count, 1)
        compare(other.count, 0)
        verify(!dialog.visible)
        compare(callLog.count("vki.aKeyWasPressed"), 1)
    }

    function test_progressBar_data() {
        return [
            { tag: "0 % is a round dot", percent: 0, text: "0%" },
            { tag: "half", percent: 50, text: "50%" },
            { tag: "100 % fills the bar", percent: 100, text: "100%" },
        ]
    }
    function test_progressBar(data) {
        var dialog = createTemporaryObject(progressDialog, testCase, { percentComplete: data.percent })
        var bar = findChild(dialog, "progressBar")
        var fill = findChild(dialog, "progressFill")
        var inner = bar.width - 2 * bar.border.width
        compare(fill.width, fill.height + (inner - fill.height) * data.percent / 100)
        if (data.percent === 100)
            compare(fill.width, inner)
        compare(findChild(dialog, "progressText").text, data.text)
    }

    function test_busyIndicatorHidesItself() {
        var bwi = createTemporaryObject(busyIndicator, testCase)
        verify(!bwi.visible)
        bwi.start(400)
        verify(bwi.visible)
        tryVerify(function () { return bwi.greySpoke > 0 }, 1000)
        tryCompare(bwi, "visible", false, 1000)
        compare(bwi.greySpoke, 0)
    }

    function test_busyIndicatorStop() {
        var bwi = createTemporaryObject(busyIndicator, testCase)
        bwi.start(100000)
        bwi.stop()
        verify(!bwi.visible)
        bwi.start(300)
        tryCompare(bwi, "visible", false, 1000)
    }

    function test_dropListTapOutside() {
        var picker = createTemporaryObject(dropList, testCase)
        var picked = spyOn(picker, "selectedIndex")
        mouseClick(picker, 5, 5)
        verify(!picker.visible)
        compare(picked.count, 0)
    }

    function test_dropListRow() {
        var picker = createTemporaryObject(dropList, testCase)
        var picked = spyOn(picker, "selectedIndex")
        waitForRendering(picker)
        mouseClick(findChild(picker, "row2"))
        compare(picked.count, 1)
        compare(picked.signalArguments[0][0], 2)
        compare(picker.indexToReport, 2)
        verify(picker.visible)
        compare(findChild(picker, "list").currentIndex, 2)
    }
}
