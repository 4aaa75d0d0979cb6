import QtQuick 2.15

// The labelled edit field shared by FieldEditInt, FieldEditStr and
// FieldEditTime: the label, the field, and the focus rules that decide when
// an edit is committed (newValue) or must be put back (restateValue).
Row {
    id: fieldEdit

    property string label: ""
    property string labelText: label
    property int inputFieldWidth: 200
    property int inputFieldHeight: 28
    property alias value: input.text
    property int fieldFontSize: 16
    property bool fieldFontBold: false
    property int labelFontSize: 18
    property bool labelFontBold: false
    property int labelFieldWidth: 200
    property color fieldColor: "#c0c0c0"
    property bool editable: true
    property string originalText: ""
    property string tscale: "f"
    property var group
    property string units: ""
    property int precision: 0
    property var rangeField
    property int fieldHAlignment: TextInput.AlignRight
    property int labelHAlignment: Text.AlignRight
    property alias valueBox: input
    property alias maxLength: input.maximumLength
    property alias validator: input.validator
    property alias inputMask: input.inputMask
    property alias focusOnPress: input.activeFocusOnPress
    property alias wrapMode: input.wrapMode
    property bool showCursor: false
    // Turns the field's text into what the value signals carry.
    property var toSignalValue: function (text) { return text }

    // The value signals carry the field's content: a number for numeric
    // fields, the text for text and time fields.
    signal newValue(var val)
    signal restateValue(var val)
    signal callKeyboard()
    signal hideKeyboard()

    property bool committing: false

    spacing: 10

    function selectAll() {
        input.selectAll()
    }

    Text {
        id: labelItem
        width: fieldEdit.labelFieldWidth
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: fieldEdit.labelHAlignment
        wrapMode: Text.WordWrap
        text: fieldEdit.labelText
        font.pixelSize: fieldEdit.labelFontSize
        font.bold: fieldEdit.labelFontBold
        color: uiSkin.generalFontColor
    }

    Rectangle {
        width: fieldEdit.inputFieldWidth
        height: fieldEdit.inputFieldHeight
        anchors.verticalCenter: parent.verticalCenter
        color: fieldEdit.fieldColor
        clip: true

        TextInput {
            id: input
            objectName: "input"
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 4
            verticalAlignment: TextInput.AlignVCenter
            horizontalAlignment: fieldEdit.fieldHAlignment
            readOnly: !fieldEdit.editable
            font.pixelSize: fieldEdit.fieldFontSize
            font.bold: fieldEdit.fieldFontBold
            cursorVisible: fieldEdit.showCursor && activeFocus

            onAccepted: {
                // Enter commits once: the focus loss that follows must not
                // send the same value a second time.
                fieldEdit.committing = true
                focus = false
                deselect()
                fieldEdit.committing = false
                fieldEdit.newValue(fieldEdit.toSignalValue(text))
                fieldEdit.hideKeyboard()
            }
            onActiveFocusChanged: {
                if (activeFocus || fieldEdit.committing)
                    return
                if (acceptableInput)
                    fieldEdit.newValue(fieldEdit.toSignalValue(text))
                else
                    fieldEdit.restateValue(fieldEdit.toSignalValue(fieldEdit.originalText))
            }
        }

        MouseArea2 {
            anchors.fill: parent
            enabled: fieldEdit.editable
            onClicked: {
                if (!input.activeFocus) {
                    fieldEdit.originalText = input.text
                    input.forceActiveFocus()
                    input.selectAll()
                    fieldEdit.callKeyboard()
                } else {
                    input.focus = false
                    input.deselect()
                    fieldEdit.hideKeyboard()
                }
            }
        }
    }
}
