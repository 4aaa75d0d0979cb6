import QtQuick 2.15

// The letter keyboard of the main window (one instance, alphakb) on its
// white strip along the bottom of the screen. A screen gives its text field
// the focus and shows the panel (kbmode 0 for letters); the keys go to the
// focused field, and the screen hides the panel when the field is accepted
// or the screen closes. A screen that edits texts per language also sets
// multilingualSupport and follows inputLanguageId.
Item {
    id: panel

    readonly property bool portrait: cabinetManager.orientationPortrait === true
    property alias kbmode: keyboard.keyboard_mode
    property alias multilingualSupport: keyboard.multilingualSupport
    property alias inputLanguageId: keyboard.inputLanguageId

    width: portrait ? 480 : 800
    height: portrait ? 800 : 480
    anchors.centerIn: parent

    Rectangle {
        objectName: "keyboardArea"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        width: 710
        height: keyboard.height + 8
        color: "white"

        MouseArea2 {
            anchors.fill: parent
        }
        Image {
            anchors.bottom: parent.top
            width: parent.width
            fillMode: Image.Stretch
            source: "images/upperShadow.png"
        }
        KeyboardAlpha {
            id: keyboard
            objectName: "keyboardAlpha"
            anchors.centerIn: parent
            // On a portrait screen the strip reaches past the left edge:
            // the keyboard stays in the middle of what is seen.
            anchors.horizontalCenterOffset: panel.portrait ? 115 : 0
            portrait: panel.portrait
            systemLanguageId: tro.getLanguage()
        }
    }
}
