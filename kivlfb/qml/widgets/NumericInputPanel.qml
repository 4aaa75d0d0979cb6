import QtQuick 2.15

// Stand-in until this screen is built: it carries the identifiers,
// properties and signals that its callers use, and shows nothing.
Item {
    property string input_text: ""
    property var edited_item
    property bool inputTime_validation: false
    property bool edit_started: false
    property int ampm24hr: 0
    property bool signEnabled: true
    property bool validateIntInput: false
    property int maxIntValue: 1000000000
    property int minIntValue: 0
    property bool passwordInput: false

    signal accepted()
    signal cancelled()
    signal acceptVal(string value)

    anchors.fill: parent
}
