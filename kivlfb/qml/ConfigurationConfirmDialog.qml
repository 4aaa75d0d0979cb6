import QtQuick 2.15
import "widgets"

// The last question before a configuration is installed.
Item {
    id: dialog

    property string text: ""

    signal accepted()
    signal cancelled()

    anchors.fill: parent

    DialogFrame {
        id: frame
        boxWidth: 400
        boxHeight: 200

        Text {
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            y: 20
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: dialog.text
            color: uiSkin.generalFontColor
            font.pixelSize: 22
        }
        AcceptCancelItem {
            objectName: "confirmButtons"
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            onUserAccepted: {
                dialog.visible = false
                dialog.accepted()
            }
            onUserCancelled: {
                dialog.visible = false
                dialog.cancelled()
            }
        }
    }
}
