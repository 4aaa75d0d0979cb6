import QtQuick 2.15

// The modal number, time and PIN entry of the main window (one instance,
// numericInputPanel): a dimmed backdrop that swallows touches and the value
// field with its keypad. A caller sets the properties, connects to the
// signals while the entry is open, shows the panel and hides it again in its
// handlers. The panel keeps whatever its last user set.
Item {
    id: panel

    property alias input_text: edit.input_text
    property alias edited_item: edit.edited_item
    property alias inputTime_validation: edit.inputTime_validation
    property alias edit_started: edit.edit_started
    property alias ampm24hr: edit.ampm24hr
    property alias signEnabled: edit.sign_enabled
    property alias validateIntInput: edit.validateIntInput
    property alias maxIntValue: edit.maxIntValue
    property alias minIntValue: edit.minIntValue
    property alias passwordInput: edit.passwordInput

    signal accepted()
    signal cancelled()
    signal acceptVal(string value)

    anchors.fill: parent

    // Keys typed on the pad reach the value field.
    onVisibleChanged: if (visible) edit.forceActiveFocus()

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.3
    }
    MouseArea2 {
        anchors.fill: parent
    }

    NumericInputEdit {
        id: edit
        objectName: "numericInputEdit"
        anchors.centerIn: parent
        onAccepted: {
            panel.acceptVal(input_text)
            panel.accepted()
        }
        onCancelled: panel.cancelled()
    }
}
