import QtQuick 2.15

// One line of the error log: date and time, the codes, the error's name.
Item {
    id: row

    property int itemNumber: 1
    property string date: "2014.06.06"
    property string time: "13:20:44"
    property string idNumber: "300"
    property string errorName: "Error_name"
    // Kept free at the row's end (the list's scroll handle lies there), so
    // that a long name is cut short before it rather than under it.
    property int endReserve: 2

    readonly property int fontSize: 12

    width: 400
    height: 22

    Row {
        anchors.fill: parent
        anchors.leftMargin: 2

        // The date takes 90 px and the time 100, each less where the cell is
        // narrower (portrait), so that both stay whole.
        Item {
            id: dateTimeCell
            width: row.width * 2 / 7
            height: parent.height
            clip: true
            Text {
                id: dateText
                width: Math.min(90, dateTimeCell.width - timeText.implicitWidth - 5)
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignRight
                text: row.date
                font.pixelSize: row.fontSize
                color: uiSkin.generalFontColor
            }
            Text {
                id: timeText
                width: Math.min(100, dateTimeCell.width - dateText.width - 5)
                anchors.left: dateText.right
                anchors.leftMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignLeft
                text: row.time
                font.pixelSize: row.fontSize
                color: uiSkin.generalFontColor
            }
        }
        Text {
            id: idCell
            width: row.width * 2 / 9
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            clip: true
            text: "  " + row.idNumber
            font.pixelSize: row.fontSize
            color: uiSkin.generalFontColor
        }
        Text {
            objectName: "errorNameCell"
            // Half the row, less what the other cells and the end leave.
            width: Math.max(0, Math.min(row.width / 2,
                                        row.width - 2 - dateTimeCell.width - idCell.width - row.endReserve))
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignLeft
            elide: Text.ElideRight
            text: "  " + row.errorName
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
