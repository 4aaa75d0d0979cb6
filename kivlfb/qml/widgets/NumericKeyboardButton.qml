import QtQuick 2.15

// The key of every on-screen keyboard: sends its key code through the
// virtual key input (or only the click when it has none).
Item {
    id: key

    property string keycode: " "
    property string label: "A"
    property int labelSize: 24
    property bool reportVki: true
    property int marginExtension: 0
    property color color: uiSkin.keyboardButtonColor
    property real radius: 0
    property color textColor: uiSkin.keyboardButtonTextColor
    readonly property alias pressed: keyArea.pressed
    property bool autoWidth: false
    property bool autoHeight: false
    property int margins: 10
    // The width the label needs with its margins, for keys whose label
    // changes length with the language.
    readonly property real labelFitWidth: keyLabel.implicitWidth + 2 * margins

    signal clicked()
    signal pressAndHold()
    signal shiftToggle()
    signal modeChange()

    width: autoWidth ? keyLabel.implicitWidth + 2 * margins : 81
    height: autoHeight ? keyLabel.implicitHeight + 2 * margins : 64
    opacity: enabled ? 1.0 : 0.5

    Rectangle {
        anchors.fill: parent
        radius: key.radius
        color: key.pressed ? Qt.darker(key.color, 2) : key.color
    }

    Text {
        id: keyLabel
        anchors.centerIn: parent
        text: key.label
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: key.labelSize
        color: key.pressed ? "white" : key.textColor
    }

    MouseArea2 {
        id: keyArea
        anchors.fill: parent
        anchors.margins: -key.marginExtension
        onClicked: {
            if (key.reportVki) {
                if (key.keycode !== "")
                    vki.generateKeyInput(key.keycode, 0)
                else
                    vki.aKeyWasPressed()
            }
            key.clicked()
        }
        onPressAndHold: key.pressAndHold()
    }
}
