import QtQuick 2.15
import "widgets"

// Shown at start on a display that is not configured or whose UI id is not
// valid: the way into the choice of a preloaded configuration.
Item {
    id: dialog

    property QtObject selection: null

    anchors.fill: parent

    DialogFrame {
        id: frame
        boxWidth: 400
        boxHeight: 240

        Text {
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            y: 20
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("<b>Display not configured</b><br>Select the configuration of this unit.") + tro.emptyStr
            color: uiSkin.generalFontColor
            font.pixelSize: 22
        }
        NumericKeyboardButton {
            objectName: "startConfiguration"
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            width: 260
            height: 56
            label: qsTr("Select Configuration") + tro.emptyStr
            labelSize: 20
            onClicked: {
                dialog.visible = false
                configurationScanItem.visible = true
            }
        }
    }
}
