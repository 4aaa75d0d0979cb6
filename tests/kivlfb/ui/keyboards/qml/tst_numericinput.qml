import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml/widgets"

// Number, time and PIN entry: keys touched on the pad travel as key events
// to the value field, as on the cabinet.
TestCase {
    id: testCase
    name: "NumericInput"
    when: windowShown
    // A test case is invisible by default; the keys must be touchable.
    visible: true
    width: 800
    height: 480

    // The main window's message box, as the entry uses it.
    QtObject {
        id: messageDialog
        property var shown: null
        function show() {
            shown = shownDialog
            return shownDialog
        }
    }
    QtObject {
        id: shownDialog
        property string theText: ""
        property bool showCloseButton: false
    }

    Component {
        id: spy
        SignalSpy { }
    }
    Component {
        id: panelComponent
        NumericInputPanel { }
    }
    Component {
        id: keypadComponent
        Item {
            anchors.fill: parent
            property alias field: field
            property alias keypad: keypad
            TextInput { id: field; width: 100; height: 30; focus: true }
            NumericKeypad { id: keypad; x: 90; decimal_enabled: true }
        }
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
    function spyOn(target, signalName) {
        return createTemporaryObject(spy, testCase, { target: target, signalName: signalName })
    }
    function tap(root, objectName) {
        var key = findChild(root, objectName)
        verify(key, "no key " + objectName)
        verify(key.visible, objectName + " is hidden")
        mouseClick(key, key.width / 2, key.height / 2)
    }
    function typeKeys(panel, keys) {
        for (var i = 0; i < keys.length; ++i)
            tap(panel, "NumericInputEdit-" + (keys[i] === "-" ? "Hyphen" : keys[i]))
        // The keys are posted: let them arrive.
        wait(0)
    }
    function openPanel(settings) {
        // Created hidden and then shown, as the main window does.
        var panel = createTemporaryObject(panelComponent, testCase, { visible: false })
        verify(panel)
        for (var name in settings)
            panel[name] = settings[name]
        panel.visible = true
        tryVerify(function () { return findChild(panel, "NumericInputEdit-TextEdit").activeFocus })
        // The key grid is laid out for the first frame.
        waitForRendering(panel)
        return panel
    }
    function init() {
        verify(harness.reset())
        messageDialog.shown = null
        shownDialog.theText = ""
        shownDialog.showCloseButton = false
    }

    function test_entry_data() {
        var time = { inputTime_validation: true, input_text: "00:00:00" }
        return [
            { tag: "a leading zero is dropped", settings: { input_text: "0" }, keys: "07", text: "7" },
            { tag: "a PIN keeps its zeros", settings: { input_text: "PIN #", passwordInput: true }, keys: "07", text: "07" },
            { tag: "the first digit replaces the text", settings: { input_text: "25" }, keys: "3", text: "3" },
            { tag: "typing on once started", settings: { input_text: "25", edit_started: true }, keys: "3", text: "253" },
            { tag: "C clears", settings: { input_text: "25" }, keys: "12C", text: "0" },
            { tag: "minus puts a sign in front and takes it away",
              settings: { input_text: "0", validateIntInput: true, minIntValue: -100 }, keys: "25-", text: "-25" },
            { tag: "the sign goes again",
              settings: { input_text: "0", validateIntInput: true, minIntValue: -100 }, keys: "25--", text: "25" },
            { tag: "no sign below the minimum",
              settings: { input_text: "0", validateIntInput: true, minIntValue: -10 }, keys: "25-", text: "25" },
            { tag: "over the maximum is not acceptable",
              settings: { input_text: "0", validateIntInput: true, maxIntValue: 100 }, keys: "500", text: "500",
              acceptable: false },
            { tag: "time digits fill from the right", settings: time, keys: "1230", text: "00:12:30" },
            { tag: "a seventh digit starts again", settings: time, keys: "1234567", text: "00:00:07" },
            { tag: "C clears the time", settings: time, keys: "12C", text: "00:00:00" },
            { tag: "minutes and seconds", keys: "1234",
              settings: { inputTime_validation: true, ampm24hr: 3, input_text: "00:00" }, text: "12:34" },
            { tag: "a fifth digit starts again in minutes and seconds", keys: "12345",
              settings: { inputTime_validation: true, ampm24hr: 3, input_text: "00:00" }, text: "00:05" },
        ]
    }
    function test_entry(data) {
        var panel = openPanel(data.settings)
        typeKeys(panel, data.keys)
        var field = findChild(panel, "NumericInputEdit-TextEdit")
        tryCompare(field, "text", data.text)
        compare(field.acceptableInput, data.acceptable !== false)
        compare(String(field.color), data.acceptable !== false ? "#000000" : "#ff0000")
    }

    function test_accept_data() {
        return [
            { tag: "AM 12:00:00", format: 0, keys: "120000", accepted: false },
            { tag: "AM 11:59:59", format: 0, keys: "115959", accepted: true },
            { tag: "PM 12:00:00", format: 1, keys: "120000", accepted: false },
            { tag: "24h 23:59:59", format: 2, keys: "235959", accepted: true },
            { tag: "24h 24:00:00", format: 2, keys: "240000", accepted: false },
            { tag: "60 minutes", format: 2, keys: "006000", accepted: false },
            { tag: "60 seconds", format: 2, keys: "000060", accepted: false },
            { tag: "10:01 over 600 s", format: 3, keys: "1001", accepted: false },
            { tag: "10:00 is 600 s", format: 3, keys: "1000", accepted: true },
            { tag: "below the minimum", format: 3, keys: "0009", min: 10, accepted: false },
        ]
    }
    function test_accept(data) {
        var panel = openPanel({ inputTime_validation: true, ampm24hr: data.format, maxIntValue: 600,
                                minIntValue: data.min !== undefined ? data.min : 0,
                                input_text: data.format === 3 ? "00:00" : "00:00:00" })
        var accepted = spyOn(panel, "accepted")
        var values = spyOn(panel, "acceptVal")
        typeKeys(panel, data.keys)
        tap(panel, "NumericInputEdit-AcceptButton")
        compare(accepted.count, data.accepted ? 1 : 0)
        compare(values.count, data.accepted ? 1 : 0)
        if (data.accepted)
            compare(values.signalArguments[0][0], findChild(panel, "NumericInputEdit-TextEdit").text)
        compare(messageDialog.shown !== null, !data.accepted)
        compare(shownDialog.theText, data.accepted ? "" : "Invalid time value")
        compare(shownDialog.showCloseButton, !data.accepted)
    }

    // The digit string starts afresh after an accept or a cancel.
    function test_timeDigitsEndWithTheEntry() {
        var panel = openPanel({ inputTime_validation: true, ampm24hr: 2, input_text: "00:00:00" })
        typeKeys(panel, "12")
        tap(panel, "NumericInputEdit-CancelButton")
        typeKeys(panel, "3")
        tryCompare(findChild(panel, "NumericInputEdit-TextEdit"), "text", "00:00:03")
    }

    function test_numberAcceptAndCancel() {
        var panel = openPanel({ input_text: "0" })
        var accepted = spyOn(panel, "accepted")
        var values = spyOn(panel, "acceptVal")
        var cancelled = spyOn(panel, "cancelled")
        typeKeys(panel, "42")
        tap(panel, "NumericInputEdit-AcceptButton")
        compare(values.count, 1)
        compare(values.signalArguments[0][0], "42")
        compare(accepted.count, 1)
        tap(panel, "NumericInputEdit-CancelButton")
        compare(cancelled.count, 1)
        compare(accepted.count, 1)
        // A text the field cannot take is never accepted.
        panel.input_text = "x1"
        tap(panel, "NumericInputEdit-AcceptButton")
        compare(accepted.count, 1)
    }

    function test_keysShown_data() {
        return [
            { tag: "number", settings: {}, shown: ["Hyphen"], hidden: ["Decimal", "Endless", "blank"] },
            { tag: "no sign", settings: { signEnabled: false }, shown: ["blank"], hidden: ["Hyphen", "Decimal", "Endless"] },
            { tag: "AM time", settings: { inputTime_validation: true }, label: "AM",
              shown: ["Endless"], hidden: ["Hyphen", "Decimal", "blank"] },
            { tag: "24h time", settings: { inputTime_validation: true, ampm24hr: 2 }, label: "24h",
              shown: ["Endless"], hidden: ["Hyphen", "blank"] },
            { tag: "minutes and seconds", settings: { inputTime_validation: true, ampm24hr: 3 },
              shown: ["blank"], hidden: ["Hyphen", "Endless"] },
        ]
    }
    function test_keysShown(data) {
        var panel = openPanel(data.settings)
        for (var i = 0; i < data.shown.length; ++i)
            verify(findChild(panel, "NumericInputEdit-" + data.shown[i]).visible, data.shown[i])
        for (var j = 0; j < data.hidden.length; ++j)
            verify(!findChild(panel, "NumericInputEdit-" + data.hidden[j]).visible, data.hidden[j])
        if (data.label)
            compare(findChild(panel, "NumericInputEdit-Endless").label, data.label)
    }

    // The format key switches AM and PM and types nothing; 24 hours stays.
    function test_formatKey() {
        var panel = openPanel({ inputTime_validation: true, ampm24hr: 0, input_text: "00:00:00" })
        tap(panel, "NumericInputEdit-Endless")
        compare(panel.ampm24hr, 1)
        compare(findChild(panel, "NumericInputEdit-Endless").label, "PM")
        tap(panel, "NumericInputEdit-Endless")
        compare(panel.ampm24hr, 0)
        compare(callLog.count("vki.generateKeyInput"), 0)
        compare(callLog.count("vki.aKeyWasPressed"), 2)
        panel.ampm24hr = 2
        tap(panel, "NumericInputEdit-Endless")
        compare(panel.ampm24hr, 2)
    }

    function test_keyWithoutCodeOnlyClicks() {
        var key = createTemporaryQmlObject("import \"qrc:///qml/widgets\"; NumericKeyboardButton { keycode: \"\" }",
                                           testCase)
        var clicked = spyOn(key, "clicked")
        mouseClick(key)
        compare(callLog.count("vki.aKeyWasPressed"), 1)
        compare(callLog.count("vki.generateKeyInput"), 0)
        compare(clicked.count, 1)
        key.keycode = "5"
        mouseClick(key)
        compare(callLog.argsOf("vki.generateKeyInput"), [["5", 0]])
        key.reportVki = false
        mouseClick(key)
        compare(callLog.count("vki.generateKeyInput"), 1)
        compare(clicked.count, 3)
    }

    // The free keypad types into whatever field has the focus; Return ends
    // it, cancel hides it without a click.
    function test_keypad() {
        var scene = createTemporaryObject(keypadComponent, testCase)
        waitForRendering(scene)
        scene.field.forceActiveFocus()
        tap(scene.keypad, "numericKeypad-1")
        tap(scene.keypad, "numericKeypad-Decimal")
        tap(scene.keypad, "numericKeypad-5")
        tap(scene.keypad, "numericKeypad-C")
        tap(scene.keypad, "numericKeypad-2")
        tryCompare(scene.field, "text", "1.2")
        var returned = spyOn(scene.field, "accepted")
        tap(scene.keypad, "numericKeypad-Return")
        tryCompare(returned, "count", 1)
        verify(!scene.keypad.visible)
        scene.keypad.visible = true
        callLog.clear()
        tap(scene.keypad, "numericKeypad-Cancel")
        verify(!scene.keypad.visible)
        compare(callLog.calls.length, 0)
    }

    // Dragged by its bar, sideways only, half see-through while it moves.
    function test_keypadDrags() {
        var scene = createTemporaryObject(keypadComponent, testCase)
        waitForRendering(scene)
        var bar = findChild(scene.keypad, "numericKeypadGrabBar")
        var y = scene.keypad.y
        mousePress(bar, 20, 20)
        for (var step = 1; step <= 10; ++step)
            mouseMove(bar, 20 + step * 10, 20 + step * 5)
        compare(scene.keypad.opacity, 0.7)
        mouseRelease(bar, 120, 70)
        verify(scene.keypad.x > 90 + 50, "x " + scene.keypad.x)
        compare(scene.keypad.y, y)
        compare(scene.keypad.opacity, 1.0)
    }
}
