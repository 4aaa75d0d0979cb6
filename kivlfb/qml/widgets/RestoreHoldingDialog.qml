import QtQuick 2.15

// A question with two large answers, such as whether the timers that were
// running before a power cut go on. Only the two buttons close it.
Item {
    id: dialog

    property string theTitle: ""
    property string theAcceptText: ""
    property string theCancelText: ""
    property string buttonIcon: "../images/square_gray.png"

    readonly property color lineColor: "#646464"

    signal accepted()
    signal cancelled()

    function answer(accept) {
        vki.aKeyWasPressed()
        dialog.visible = false
        if (accept)
            dialog.accepted()
        else
            dialog.cancelled()
    }

    anchors.fill: parent

    DialogFrame {
        id: frame
        boxWidth: 400
        boxHeight: 400

        Item {
            parent: frame.box
            anchors.fill: parent

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 20
                width: 320
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: dialog.theTitle
                color: dialog.lineColor
                font.pixelSize: 24
                font.bold: true
            }
            Repeater {
                model: [
                    { name: "keepTimersButton", accept: true, offset: -20 },
                    { name: "clearTimersButton", accept: false, offset: 40 }
                ]
                Rectangle {
                    objectName: modelData.name
                    width: frame.box.width - 75
                    height: 70
                    anchors.horizontalCenter: parent.horizontalCenter
                    // The accept button ends above the centre, the cancel button
                    // starts below it.
                    y: modelData.accept ? frame.box.height / 2 + modelData.offset - height
                                        : frame.box.height / 2 + modelData.offset
                    color: area.pressed ? Qt.darker(uiSkin.keyboardButtonColor, 2) : uiSkin.keyboardButtonColor
                    border.width: 2
                    border.color: dialog.lineColor
                    Text {
                        anchors.centerIn: parent
                        text: modelData.accept ? dialog.theAcceptText : dialog.theCancelText
                        color: "black"
                        font.pixelSize: 22
                    }
                    MouseArea2 {
                        id: area
                        anchors.fill: parent
                        onClicked: dialog.answer(modelData.accept)
                    }
                }
            }
        }
    }
}
