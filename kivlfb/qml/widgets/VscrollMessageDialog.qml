import QtQuick 2.15

// A message box for texts longer than the box: the text scrolls.
Item {
    id: dialog

    property string theText: ""
    property string title: ""
    property int cwidth: 400
    property bool showCloseButton: true

    signal closeButtonPressed()

    anchors.fill: parent

    DialogFrame {
        id: frame
        boxWidth: dialog.cwidth
        boxHeight: 400
        keypadBackground: true

        // One layer in the box, so that the title, the text and the button
        // are siblings when their anchors are set.
        Item {
            parent: frame.box
            anchors.fill: parent

            Text {
                id: titleText
                anchors.top: parent.top
                anchors.topMargin: 8
                anchors.horizontalCenter: parent.horizontalCenter
                text: dialog.title
                font.pixelSize: 18
                font.bold: true
                color: uiSkin.servicePageTitleFontColor
            }
            Flickable {
                id: flick
                objectName: "textFlick"
                anchors.top: titleText.bottom
                anchors.bottom: closeButton.top
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.margins: 10
                clip: true
                flickableDirection: Flickable.VerticalFlick
                contentWidth: width
                contentHeight: bodyText.height
                Text {
                    id: bodyText
                    width: flick.width
                    wrapMode: Text.WordWrap
                    textFormat: Text.StyledText
                    text: dialog.theText
                    font.pixelSize: 18
                    color: uiSkin.generalFontColor
                }
            }
            NumericKeyboardButton {
                id: closeButton
                objectName: "closeButton"
                width: Math.max(120, labelFitWidth)
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
        }
    }
}
