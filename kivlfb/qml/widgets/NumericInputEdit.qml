import QtQuick 2.15

// A value field with its keypad, for numbers, PINs and times. The keys reach
// the field as key events through vki; the field's key handler does the
// editing, so that a hardware key would edit in the same way.
FocusScope {
    id: edit

    property var edited_item: emptyItem
    property bool edit_started: false
    property bool validateIntInput: false
    property int minIntValue: 0
    property int maxIntValue: 1000000000
    // Leading zeros are kept (PIN codes).
    property bool passwordInput: false
    property bool sign_enabled: true
    property bool decimal_enabled: false
    property string clear_text: "0"
    property alias input_text: field.text
    property bool inputTime_validation: false
    property alias input_validator: field.validator
    property alias input_font: field.font
    property int ampm24hr: formatAm
    property string background_image: "images/NumericKeyboardInputBackground.png"

    readonly property int formatAm: 0
    readonly property int formatPm: 1
    readonly property int format24h: 2
    readonly property int formatMinSec: 3

    signal accepted()
    signal cancelled()

    // The digits typed so far in time entry, right-aligned into the time.
    property string timeDigits: ""

    readonly property bool minutesSeconds: ampm24hr === formatMinSec
    readonly property int timePositions: minutesSeconds ? 4 : 6

    function emptyTime() {
        return minutesSeconds ? "00:00" : "00:00:00"
    }
    function timeText(digits) {
        var padded = ("000000" + digits).slice(-timePositions)
        var parts = []
        for (var i = 0; i < padded.length; i += 2)
            parts.push(padded.substr(i, 2))
        return parts.join(":")
    }
    // Hours, minutes and seconds around the first and last colon; a time
    // the format cannot show is invalid.
    function timeIsValid(text) {
        var first = text.indexOf(":")
        var last = text.lastIndexOf(":")
        var hours = 0
        var minutes = 0
        var seconds = Number(text.substring(last + 1))
        if (minutesSeconds) {
            minutes = Number(text.substring(0, first))
        } else {
            hours = Number(text.substring(0, first))
            minutes = Number(text.substring(first + 1, last))
        }
        if (first < 0 || isNaN(hours) || isNaN(minutes) || isNaN(seconds))
            return false
        if (seconds > 59 || minutes > 59)
            return false
        if ((ampm24hr === formatAm || ampm24hr === formatPm) && hours > 11)
            return false
        if (ampm24hr === format24h && hours > 23)
            return false
        if (minutesSeconds) {
            var total = minutes * 60 + seconds
            if (total < minIntValue || total > maxIntValue)
                return false
        }
        return true
    }
    function accept() {
        if (!field.acceptableInput)
            return
        var valid = !inputTime_validation || timeIsValid(field.text)
        timeDigits = ""
        if (!valid) {
            var dialog = messageDialog.show()
            dialog.theText = qsTr("Invalid time value") + tro.emptyStr
            dialog.showCloseButton = true
            return
        }
        accepted()
    }
    function cancel() {
        timeDigits = ""
        cancelled()
    }
    function toggleAmPm() {
        if (ampm24hr === formatAm)
            ampm24hr = formatPm
        else if (ampm24hr === formatPm)
            ampm24hr = formatAm
    }

    function handleNumberKey(event) {
        if (event.key === Qt.Key_Backspace) {
            field.text = clear_text
            edit_started = false
            event.accepted = true
        } else if (event.key >= Qt.Key_0 && event.key <= Qt.Key_9) {
            if (!edit_started) {
                field.text = ""
                edit_started = true
            }
            if (!passwordInput && field.text === "0") {
                if (event.key !== Qt.Key_0)
                    field.text = event.text
                event.accepted = true
            }
        } else if (event.key === Qt.Key_Minus) {
            // Left to the field as well, whose validator refuses a second sign.
            if (field.text !== "0") {
                if (field.text.charAt(0) === "-")
                    field.text = field.text.substring(1)
                else if (-Number(field.text) >= minIntValue)
                    field.text = "-" + field.text
            }
        }
    }
    function handleTimeKey(event) {
        if (event.key === Qt.Key_Backspace) {
            field.text = emptyTime()
            timeDigits = ""
            event.accepted = true
        } else if (event.key >= Qt.Key_0 && event.key <= Qt.Key_9) {
            var digits = timeDigits + event.text
            timeDigits = digits.length > timePositions ? event.text : digits
            field.text = timeText(timeDigits)
            event.accepted = true
        } else if (event.key === Qt.Key_Minus || event.key === Qt.Key_Period) {
            event.accepted = true
        }
    }

    width: 280
    height: 455

    Item {
        id: emptyItem
    }

    IntValidator {
        id: intValidator
        bottom: edit.minIntValue
        top: edit.maxIntValue
    }
    RegularExpressionValidator {
        id: keyValidator
        regularExpression: /[0-9A-F:.#*]+/
    }

    BorderImage {
        anchors.fill: parent
        anchors.margins: -10
        border { left: 17; top: 17; right: 17; bottom: 17 }
        source: edit.background_image
    }

    Column {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 10

        Rectangle {
            width: parent.width
            height: 60
            color: "#d2d2d2"

            TextInput {
                id: field
                objectName: "NumericInputEdit-TextEdit"
                anchors.fill: parent
                anchors.margins: 4
                focus: true
                clip: true
                text: "00:00:00"
                font.pixelSize: 32
                horizontalAlignment: TextInput.AlignHCenter
                verticalAlignment: TextInput.AlignVCenter
                cursorVisible: false
                cursorDelegate: Item {}
                color: acceptableInput ? "black" : "red"
                validator: edit.validateIntInput ? intValidator : keyValidator

                Keys.onPressed: {
                    if (edit.inputTime_validation)
                        edit.handleTimeKey(event)
                    else
                        edit.handleNumberKey(event)
                }
            }
        }

        Grid {
            id: keys
            anchors.horizontalCenter: parent.horizontalCenter
            columns: 3
            spacing: 5

            Repeater {
                model: ["1", "2", "3", "4", "5", "6", "7", "8", "9"]
                NumericKeyboardButton {
                    objectName: "NumericInputEdit-" + modelData
                    label: modelData
                    keycode: modelData
                    marginExtension: 3
                }
            }
            NumericKeyboardButton {
                objectName: "NumericInputEdit-Hyphen"
                label: "-"
                keycode: "-"
                marginExtension: 3
                visible: edit.sign_enabled && !edit.inputTime_validation
            }
            NumericKeyboardButton {
                objectName: "NumericInputEdit-Decimal"
                label: "."
                keycode: "."
                marginExtension: 3
                visible: edit.decimal_enabled && !edit.inputTime_validation
            }
            NumericKeyboardButton {
                objectName: "NumericInputEdit-Endless"
                label: edit.ampm24hr === edit.formatAm ? "AM" : (edit.ampm24hr === edit.formatPm ? "PM" : "24h")
                keycode: ""
                marginExtension: 3
                visible: edit.inputTime_validation && edit.ampm24hr < edit.formatMinSec
                onClicked: edit.toggleAmPm()
            }
            NumericKeyboardButton {
                objectName: "NumericInputEdit-blank"
                label: ""
                keycode: ""
                marginExtension: 3
                visible: !(edit.sign_enabled && !edit.inputTime_validation)
                         && !(edit.decimal_enabled && !edit.inputTime_validation)
                         && !(edit.inputTime_validation && edit.ampm24hr < edit.formatMinSec)
            }
            NumericKeyboardButton {
                objectName: "NumericInputEdit-0"
                label: "0"
                keycode: "0"
                marginExtension: 3
            }
            NumericKeyboardButton {
                objectName: "NumericInputEdit-C"
                label: "C"
                keycode: "_back"
                marginExtension: 3
            }
        }
    }

    Item {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        height: 80

        NumericKeyboardButton {
            objectName: "NumericInputEdit-CancelButton"
            width: 80
            height: 80
            label: ""
            keycode: ""
            onClicked: edit.cancel()
            Image {
                anchors.centerIn: parent
                source: "images/xRed_noOutline.png"
            }
        }
        NumericKeyboardButton {
            objectName: "NumericInputEdit-AcceptButton"
            anchors.right: parent.right
            width: 80
            height: 80
            label: ""
            keycode: ""
            onClicked: edit.accept()
            Image {
                anchors.centerIn: parent
                source: "images/acceptCheckmark_noOutline.png"
            }
        }
    }
}
