import QtQuick 2.15

// The shared yes/no question. One instance serves every caller: a caller
// connects to accepted/cancelled before showing it and disconnects in its
// handler.
Item {
    id: dialog

    property string theTitle: ""
    property string theText: ""

    signal accepted()
    signal cancelled()

    anchors.fill: parent

    DialogFrame {
        id: frame

        Text {
            parent: frame.box
            width: 320
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.top
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: dialog.theTitle
            font.pixelSize: 20
            font.bold: true
            color: "#646464"
        }
        Text {
            parent: frame.box
            width: parent.width - 10
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: dialog.theText
            font.pixelSize: 18
            color: "#646464"
        }
        AcceptCancelItem {
            objectName: "acceptCancelItem"
            parent: frame.box
            width: 300
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            onUserCancelled: {
                dialog.cancelled()
                dialog.visible = false
            }
            onUserAccepted: {
                dialog.accepted()
                dialog.visible = false
            }
        }
    }
}
