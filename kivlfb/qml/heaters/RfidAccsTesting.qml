import QtQuick 2.15
import "../widgets"

// The RFID accessory test: shows the product of the tag the reader sees on
// bin 0, in that product's colours. While it is open the tag analysis is in
// test mode (its opener switched it on); closing gives the pans back to
// holding.
Item {
    id: dialog

    property QtObject io: masterIOmanager
    property QtObject cabinet: cabinetManager
    property QtObject menus: menuManager
    property string tagText: ""
    property color tagTextColor: "red"
    property color tagBackground: "transparent"

    readonly property int universalTag: 101
    // Text and background colour per tag type.
    readonly property var tagColors: ({
        1: ["#000000", "#BF9474"], 2: ["#D19871", "#B86125"], 3: ["#AAB1B6", "#7C878E"],
        4: ["#000000", "#FFFFFF"], 5: ["#777472", "#2D2926"], 6: ["#000000", "#FFFFFF"],
        7: ["#598DA3", "#004F71"], 8: ["#000000", "#FFFFFF"], 9: ["#000000", "#3EB1C8"],
        10: ["#9EA370", "#693F23"], 11: ["#000000", "#FFFFFF"], 12: ["#8F9194", "#53565A"],
        13: ["#000000", "#FFFFFF"], 14: ["#000000", "#FF9E1B"], 15: ["#000000", "#FFFFFF"],
        16: ["#000000", "#E4002B"], 101: ["#0000FF", "#FFFFFF"]
    })

    signal closePressed()

    function update() {
        var p = io.getFirstChannel()
        tagText = p === universalTag ? qsTr("Universal Tag") + tro.emptyStr : menus.getProductName(p)
        var colors = tagColors[p]
        tagTextColor = colors ? colors[0] : "black"
        tagBackground = colors ? colors[1] : "transparent"
    }
    function close() {
        visible = false
        closePressed()
        io.nfcAccsTestEnabled = false
    }

    anchors.fill: parent

    Connections {
        target: dialog.io
        function onNfcAccsTestUpdate() { dialog.update() }
    }
    Connections {
        target: dialog.cabinet
        function onNoUserInteraction() { dialog.close() }
    }

    Rectangle {
        anchors.fill: parent
        color: "#70000000"
    }
    MouseArea2 {
        anchors.fill: parent
    }

    Rectangle {
        id: panel
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 460)
        height: 300
        radius: 10
        color: uiSkin.dialogBackgroundColor

        Text {
            id: title
            anchors.horizontalCenter: parent.horizontalCenter
            y: 14
            text: qsTr("RFID Accessory Testing") + tro.emptyStr
            font.pixelSize: uiSkin.servicePageTitleFontSize
            font.bold: true
            color: uiSkin.servicePageTitleFontColor
        }
        BorderImage {
            anchors.top: title.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 60
            height: 110
            source: "../images/beveledSquareGray.png"
            border { left: 6; top: 6; right: 6; bottom: 6 }
            Rectangle {
                objectName: "tagField"
                anchors.fill: parent
                anchors.margins: 6
                color: dialog.tagBackground
                Text {
                    objectName: "tagText"
                    anchors.centerIn: parent
                    width: parent.width - 10
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    text: dialog.tagText
                    color: dialog.tagTextColor
                    font.pixelSize: 26
                    font.bold: true
                }
            }
        }
        NumericKeyboardButton {
            objectName: "closeButton"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 12
            reportVki: false
            width: 120
            height: 56
            radius: 6
            labelSize: 20
            label: qsTr("Close") + tro.emptyStr
            onClicked: dialog.close()
        }
    }
}
