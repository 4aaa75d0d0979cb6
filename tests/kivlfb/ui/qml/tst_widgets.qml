import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml/widgets"

TestCase {
    id: testCase
    name: "Widgets"
    when: windowShown
    // A test case is invisible by default; the widgets must be touchable.
    visible: true
    width: 800
    height: 480

    Component { id: intField; FieldEditInt { minVal: 0; maxVal: 100; value: "20" } }
    Component { id: timeField; FieldEditTime { value: "10:00:00" } }
    Component { id: slider; HorizontalSlider { width: 200; minVal: 0; maxVal: 10 } }
    Component { id: checkBox; CheckBox { width: 200; label: "Option" } }
    Component { id: spy; SignalSpy {} }
    Component {
        id: radioGroup
        RadioButtonGroup {
            default_index: 1
            model: ListModel {
                ListElement { label: "A" }
                ListElement { label: "B" }
                ListElement { label: "C" }
            }
        }
    }

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
    // Starts an edit the way a user does: a tap on the field.
    function editField(field, text) {
        var input = findChild(field, "input")
        mouseClick(input, 5, 5)
        verify(input.activeFocus)
        input.text = text
        input.focus = false
    }

    // Each row: the widget, what is done to it, the signal it must send
    // (with its argument) and the state it must be left in.
    function test_rules_data() {
        return [
            { tag: "integer out of range restates the old text", widget: intField,
              act: function (w) { editField(w, "150") },
              signal: "restateValue", arg: 20, silent: "newValue" },
            { tag: "integer in range is a new value", widget: intField,
              act: function (w) { editField(w, "50") },
              signal: "newValue", arg: 50, silent: "restateValue" },
            { tag: "incomplete time restates", widget: timeField,
              act: function (w) { editField(w, "12:3") },
              signal: "restateValue", arg: "10:00:00", silent: "newValue" },
            { tag: "complete time is a new value", widget: timeField,
              act: function (w) { editField(w, "12:30:00") },
              signal: "newValue", arg: "12:30:00", silent: "restateValue" },
            { tag: "slider clamps above the range", widget: slider,
              act: function (w) { w.setSliderPositionValue(20) },
              signal: "newValue", arg: 10, silent: "",
              check: function (w) { compare(w.value, 10); compare(findChild(w, "knob").x + w.knobSize / 2, w.width) } },
            { tag: "slider clamps below the range", widget: slider,
              act: function (w) { w.setSliderPositionValue(5); w.setSliderPositionValue(-3) },
              signal: "newValue", arg: 0, silent: "",
              check: function (w) { compare(w.value, 0); compare(findChild(w, "knob").x + w.knobSize / 2, 0) } },
            { tag: "checked box tapped reports unchecked and stays checked", widget: checkBox,
              act: function (w) { w.is_checked = true; mouseClick(w, 10, 10) },
              signal: "unchecked", silent: "checked",
              check: function (w) { verify(w.is_checked) } },
            { tag: "unchecked box tapped reports checked and stays unchecked", widget: checkBox,
              act: function (w) { mouseClick(w, 10, 10) },
              signal: "checked", silent: "unchecked",
              check: function (w) { verify(!w.is_checked) } },
            { tag: "radio selection outside the model keeps the last index", widget: radioGroup,
              act: function (w) { w.setSelection(-1) },
              signal: "", silent: "selectionChanged",
              check: function (w) {
                  compare(w.selected_index, 1)
                  compare(w.buttonCount(), 3)
                  for (var i = 0; i < w.buttonCount(); ++i)
                      verify(!w.buttonAt(i).is_selected, "button " + i)
              } },
        ]
    }
    function test_rules(data) {
        var widget = createTemporaryObject(data.widget, testCase)
        verify(widget)
        var expected = data.signal !== "" ? spyOn(widget, data.signal) : null
        var unexpected = data.silent !== "" ? spyOn(widget, data.silent) : null
        data.act(widget)
        if (expected) {
            verify(expected.count >= 1, data.signal + " not sent")
            if (data.arg !== undefined)
                compare(expected.signalArguments[expected.count - 1][0], data.arg)
        }
        if (unexpected)
            compare(unexpected.count, 0, data.silent + " sent")
        if (data.check)
            data.check(widget)
    }

    // Enter commits an edit once, not again when the focus then goes.
    function test_enterCommitsOnce() {
        var field = createTemporaryObject(intField, testCase)
        var values = spyOn(field, "newValue")
        var hides = spyOn(field, "hideKeyboard")
        var input = findChild(field, "input")
        mouseClick(input, 5, 5)
        input.text = "42"
        keyClick(Qt.Key_Return)
        compare(values.count, 1)
        compare(values.signalArguments[0][0], 42)
        compare(hides.count, 1)
        verify(!input.activeFocus)
    }

    function test_unitsLabel_data() {
        return [
            { tag: "temperature in F", units: "T", scale: "f", label: "Temp (\u00b0F)" },
            { tag: "difference in K", units: "dT", scale: "k", label: "Temp (\u0394K)" },
            { tag: "unknown scale is Celsius", units: "T", scale: "x", label: "Temp (\u00b0C)" },
            { tag: "other units as given", units: "s", scale: "f", label: "Temp (s)" },
            { tag: "no units", units: "", scale: "f", label: "Temp" },
        ]
    }
    function test_unitsLabel(data) {
        var field = createTemporaryObject(intField, testCase, { label: "Temp", units: data.units, tscale: data.scale })
        compare(field.labelText, data.label)
    }

    function test_sliderDraggedToEnd() {
        var s = createTemporaryObject(slider, testCase, { y: 100 })
        var values = spyOn(s, "newValue")
        var knob = findChild(s, "knob")
        mouseDrag(knob, knob.width / 2, knob.height / 2, 400, 0)
        verify(values.count > 0)
        compare(values.signalArguments[values.count - 1][0], 10)
        compare(knob.x + s.knobSize / 2, s.width)
    }

    function test_debugOutline_data() {
        return [
            { tag: "debug, enabled", debug: true, enabled: true, shown: true },
            { tag: "debug, disabled", debug: true, enabled: false, shown: false },
            { tag: "no debug", debug: false, enabled: true, shown: false },
        ]
    }
    function test_debugOutline(data) {
        cabinetManager.uiDebug = data.debug
        var area = createTemporaryQmlObject("import \"qrc:///qml/widgets\"; MouseArea2 { width: 50; height: 50 }", testCase)
        area.enabled = data.enabled
        compare(findChild(area, "debugOutline").visible, data.shown)
    }

    // The pair sends its signal and the key click; a disabled accept neither.
    function test_acceptCancelPair() {
        var pair = createTemporaryQmlObject("import \"qrc:///qml/widgets\"; AcceptCancelItem {}", testCase)
        var accepted = spyOn(pair, "userAccepted")
        var cancelled = spyOn(pair, "userCancelled")
        mouseClick(findChild(pair, "acceptButton"))
        mouseClick(findChild(pair, "cancelButton"))
        compare(accepted.count, 1)
        compare(cancelled.count, 1)
        compare(callLog.count("vki.aKeyWasPressed"), 2)
        pair.acceptEnabled = false
        mouseClick(findChild(pair, "acceptButton"))
        compare(accepted.count, 1)
        compare(callLog.count("vki.aKeyWasPressed"), 2)
    }

    function test_tabsBar() {
        var bar = createTemporaryQmlObject("import QtQuick 2.15; import \"qrc:///qml/widgets\"; TabsBar { "
                                           + "tabedEntriesModel: ListModel { ListElement { label: \"One\" } "
                                           + "ListElement { label: \"Two\" } ListElement { label: \"Three\" } } }", testCase)
        compare(bar.tabWidth, (400 - 40) / 3)
        waitForRendering(bar)
        mouseClick(findChild(bar, "tab2"))
        compare(bar.activeIndex, 2)
    }
}
