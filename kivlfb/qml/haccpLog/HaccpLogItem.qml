import QtQuick 2.15

// One line of the holding log: product, shelf, start date and time, whether
// it was discarded, how long it was held.
Item {
    id: row

    property int itemNumber: 1
    property string prodName: "Prod Name"
    property string date: "2014.06.06"
    property string time: "13:20:44"
    property string duration: "13:20:44"
    property string expired: "----"
    property int shelfNumber: 0

    readonly property int fontSize: 12

    width: 400
    height: 22

    Row {
        anchors.fill: parent
        anchors.leftMargin: 2

        Text {
            objectName: "prodNameCell"
            width: row.width / 5
            anchors.verticalCenter: parent.verticalCenter
            clip: true
            text: row.prodName
            font.pixelSize: row.fontSize
            color: uiSkin.generalFontColor
        }
        Text {
            objectName: "shelfCell"
            width: row.width / 6
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            text: row.shelfNumber
            font.pixelSize: row.fontSize
            color: uiSkin.generalFontColor
        }
        Item {
            width: row.width / 5
            height: parent.height
            Item {
                width: 95
                height: parent.height
                anchors.horizontalCenter: parent.horizontalCenter
                Text {
                    width: 45
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.date
                    font.pixelSize: row.fontSize
                    color: uiSkin.generalFontColor
                }
                Text {
                    x: 50
                    width: 45
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.time
                    font.pixelSize: row.fontSize
                    color: uiSkin.generalFontColor
                }
            }
        }
        Text {
            objectName: "expiredCell"
            width: row.width / 5
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            text: row.expired
            font.pixelSize: row.fontSize
            color: uiSkin.generalFontColor
        }
        Text {
            width: row.width / 5
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            text: row.duration
            font.pixelSize: row.fontSize
            color: uiSkin.generalFontColor
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 2
        anchors.rightMargin: 2
        height: 1
        color: "#a0a0a0"
    }
}
