import QtQuick 2.15

// The message box. Without its close button only its owner can close it.
Item {
    id: dialog

    property string theText: ""
    property bool showCloseButton: true
    property bool showDisableAlarmButton: false

    signal closeButtonPressed()
    signal disableAlarmButtonPressed()

    anchors.fill: parent

    DialogFrame {
        id: frame

        Text {
            objectName: "messageText"
            parent: frame.box
            width: 320
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            textFormat: Text.RichText
            text: dialog.theText
            font.pixelSize: 18
            color: uiSkin.servicePageTitleFontColor
        }
        NumericKeyboardButton {
            objectName: "closeButton"
            parent: frame.box
            width: Math.max(110, labelFitWidth)
            height: 48
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            visible: dialog.showCloseButton
            label: qsTr("Close") + tro.emptyStr
            labelSize: 18
            keycode: ""
            onClicked: {
                dialog.visible = false
                dialog.closeButtonPressed()
            }
        }
        NumericKeyboardButton {
            objectName: "silenceButton"
            parent: frame.box
            width: Math.max(140, labelFitWidth)
            height: 48
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            visible: dialog.showDisableAlarmButton
            label: qsTr("Silence Alarm") + tro.emptyStr
            labelSize: 18
            keycode: ""
            onClicked: {
                dialog.showDisableAlarmButton = false
                dialog.disableAlarmButtonPressed()
            }
        }
    }
}
