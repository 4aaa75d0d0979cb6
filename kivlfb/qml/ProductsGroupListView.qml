import QtQuick 2.15

// The members of a product group, the default in bold. With showSelection
// the owner lets the user choose the default by press-and-hold.
Item {
    id: view

    property var groupItemsModel: []
    property int theSelectedIndex: -1
    readonly property int itemsCount: list.count
    property bool showSelection: false
    property int defaultIndex: -1
    property int horizontalSpacing: 22
    property int fontSize: 16
    property bool rightToLeft: Qt.application.layoutDirection === Qt.RightToLeft

    signal defaultModified(int defIndex)

    ListView {
        id: list
        objectName: "memberRows"
        anchors.fill: parent
        clip: true
        model: view.groupItemsModel
        currentIndex: view.theSelectedIndex
        boundsBehavior: Flickable.StopAtBounds

        delegate: Item {
            objectName: "memberRow" + index
            width: list.width
            height: view.horizontalSpacing

            Text {
                id: idText
                width: 35
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignRight
                text: view.rightToLeft ? ": " + modelData : modelData + ": "
                font.pixelSize: view.fontSize
                font.bold: index === view.defaultIndex
                color: "black"
            }
            Text {
                objectName: "memberName"
                anchors.left: idText.right
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: menuManager.getProductEditName(menuManager.getGroupEditProductIndex(modelData))
                elide: Text.ElideRight
                font.pixelSize: view.fontSize
                font.bold: index === view.defaultIndex
                color: "black"
            }
            Rectangle {
                objectName: "selectionFrame"
                anchors.fill: parent
                color: "transparent"
                border.width: 2
                border.color: "green"
                visible: view.showSelection && index === view.theSelectedIndex
            }
            MouseArea {
                anchors.fill: parent
                onClicked: view.theSelectedIndex = index
                onPressAndHold: {
                    if (!view.showSelection)
                        return
                    // The owner's answer may rebuild the rows, this one too.
                    var row = index
                    view.theSelectedIndex = row
                    list.positionViewAtIndex(row, ListView.Center)
                    view.defaultModified(row)
                }
            }
        }
    }
    // The visible share of the list.
    Rectangle {
        anchors.right: parent.right
        width: 10
        y: list.visibleArea.yPosition * list.height
        height: list.visibleArea.heightRatio * list.height
        color: "#808080"
        visible: list.visibleArea.heightRatio < 1
    }
}
