import QtQuick 2.15
import "widgets"

// The access point and pass phrase of the Wi-Fi set-up, typed on the letter
// keyboard, with a scan that lists the access points in reach. The fields
// keep their text between openings; the page sets them before each one.
Item {
    id: dialog

    property string ssidName: ""
    property string password: ""
    property string identity: ""
    property bool wpaEnabled: false
    readonly property int scanBusyMs: 5000

    signal accepted(string ssidName, string password, bool wpaEnabled, string identity)
    signal cancelled()

    function closeKeyboard() {
        alphakb.visible = false
    }

    anchors.fill: parent
    onVisibleChanged: if (!visible) closeKeyboard()
    // A name chosen in the access-point list replaces what was typed.
    onSsidNameChanged: ssidField.text = ssidName

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        MouseArea2 { anchors.fill: parent }
    }

    Rectangle {
        id: box
        objectName: "wifiBox"
        width: 400
        height: 440
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: identityField.cursorVisible && !cabinetManager.orientationPortrait
                           ? -100 : (parent.height - height) / 2
        color: "white"

        BorderImage {
            anchors.fill: parent
            anchors.margins: -10
            opacity: 0.93
            border { left: 17; top: 17; right: 17; bottom: 17 }
            source: "widgets/images/NumericKeyboardInputBackground.png"
        }

        Column {
            anchors.top: parent.top
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            width: 300
            spacing: 10

            Text {
                font.pixelSize: 18
                text: qsTr("SSID") + tro.emptyStr
            }
            WifiTextField {
                id: ssidField
                objectName: "ssidField"
                text: dialog.ssidName
            }
            Text {
                font.pixelSize: 18
                text: qsTr("Password") + tro.emptyStr
            }
            WifiTextField {
                id: passwordField
                objectName: "passwordField"
                text: dialog.password
                echoMode: TextInput.Password
                passwordCharacter: "*"
            }
            NumericKeyboardButton {
                objectName: "scanButton"
                width: 100
                height: 50
                label: qsTr("scan") + tro.emptyStr
                labelSize: 20
                onClicked: {
                    configManager.scanWifi()
                    bwi.show().start(dialog.scanBusyMs)
                }
            }
            CheckBox {
                visible: false
                height: 35
                width: 200
                label: qsTr("WPA Enabled") + tro.emptyStr
                is_checked: dialog.wpaEnabled
                onChecked: dialog.wpaEnabled = true
                onUnchecked: dialog.wpaEnabled = false
            }
            Text {
                visible: false
                font.pixelSize: 18
                text: qsTr("Identity") + tro.emptyStr
            }
            WifiTextField {
                id: identityField
                visible: false
                text: dialog.identity
            }
        }

        AcceptCancelItem {
            objectName: "wifiAcceptCancel"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            anchors.horizontalCenter: parent.horizontalCenter
            onUserAccepted: {
                dialog.accepted(ssidField.text, passwordField.text, dialog.wpaEnabled, identityField.text)
                dialog.visible = false
            }
            onUserCancelled: {
                dialog.cancelled()
                dialog.visible = false
            }
        }
    }

    // A bordered one-line field that brings up the letter keyboard.
    component WifiTextField: Rectangle {
        property alias text: input.text
        property alias echoMode: input.echoMode
        property alias passwordCharacter: input.passwordCharacter
        readonly property alias cursorVisible: input.cursorVisible
        width: parent.width
        height: 35
        border.color: input.activeFocus ? uiSkin.keyboardButtonColorDark : "grey"
        border.width: 2
        TextInput {
            id: input
            objectName: "input"
            anchors.fill: parent
            anchors.margins: 6
            verticalAlignment: TextInput.AlignVCenter
            font.pixelSize: 20
            clip: true
            onActiveFocusChanged: {
                if (activeFocus) {
                    alphakb.show().kbmode = 0
                    cursorVisible = true
                } else {
                    deselect()
                    cursorVisible = false
                }
            }
            onAccepted: {
                alphakb.visible = false
                deselect()
                cursorVisible = false
            }
        }
        MouseArea2 {
            anchors.fill: parent
            onClicked: {
                input.forceActiveFocus()
                input.selectAll()
                alphakb.show().kbmode = 0
                input.cursorVisible = true
            }
        }
    }
}
