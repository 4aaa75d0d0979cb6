import QtQuick 2.15

// Progress of a long operation: a percentage bar, or a sliding block when
// the length is unknown. It has no button; its owner hides it.
Item {
    id: dialog

    property string theText: ""
    property int percentComplete: 0
    property bool waitIndicator: false
    readonly property bool portrait: cabinetManager.orientationPortrait === true

    anchors.fill: parent

    DialogFrame {
        id: frame
        boxWidth: dialog.width - 100
        boxHeight: dialog.height - 100
        keypadBackground: true

        Text {
            parent: frame.box
            width: dialog.portrait ? 320 : 420
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: dialog.theText
            font.pixelSize: 20
            font.bold: true
            color: uiSkin.generalFontColor
        }

        Rectangle {
            id: bar
            objectName: "progressBar"
            parent: frame.box
            width: dialog.portrait ? 360 : 460
            height: 36
            radius: height / 2
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.verticalCenter
            anchors.topMargin: 40
            color: "transparent"
            border.width: 4
            border.color: "#646464"
            clip: true

            readonly property real innerWidth: width - 2 * border.width
            readonly property real innerHeight: height - 2 * border.width

            Rectangle {
                objectName: "progressFill"
                visible: !dialog.waitIndicator
                x: bar.border.width
                y: bar.border.width
                height: bar.innerHeight
                width: height + (bar.innerWidth - height) * Math.max(0, Math.min(100, dialog.percentComplete)) / 100
                radius: height / 2
                color: "#646464"
            }
            Text {
                objectName: "progressText"
                visible: !dialog.waitIndicator
                anchors.centerIn: parent
                text: dialog.percentComplete + "%"
                font.pixelSize: 18
                color: uiSkin.generalFontColor
            }
            Rectangle {
                id: waitBlock
                visible: dialog.waitIndicator
                y: bar.border.width
                height: bar.innerHeight
                width: 3 * height
                radius: height / 2
                color: "#646464"
                NumberAnimation on x {
                    running: dialog.waitIndicator && dialog.visible
                    from: -waitBlock.width
                    to: bar.width
                    duration: 3000
                    loops: Animation.Infinite
                }
            }
        }
    }
}
