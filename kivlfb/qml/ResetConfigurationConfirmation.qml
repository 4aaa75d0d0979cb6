import QtQuick 2.15
import "widgets"

// The question behind the reset corner: removes the installed personality
// file, after which the unit must be restarted.
Item {
    id: confirmation

    signal accepted()
    signal cancelled()

    anchors.fill: parent

    DialogFrame {
        id: frame
        boxWidth: 400
        boxHeight: 220

        Text {
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            y: 20
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("<b>Reset unit configuration?</b><br>The unit must be restarted afterwards.") + tro.emptyStr
            color: uiSkin.generalFontColor
            font.pixelSize: 22
        }
        AcceptCancelItem {
            objectName: "resetButtons"
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            onUserAccepted: {
                configManager.resetConfiguration()
                // The message that kept the display stuck is gone with it.
                syncMgr.syncStatus = ""
                confirmation.accepted()
            }
            onUserCancelled: confirmation.cancelled()
        }
    }
}
