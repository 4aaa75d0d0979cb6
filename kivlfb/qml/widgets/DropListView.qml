import QtQuick 2.15
import QtQml 2.15

// A modal list picker. A tap on a row reports it and leaves the picker open
// for its user to close; a tap beside the list closes it with no choice.
Item {
    id: picker

    property var theModel: null
    property int listViewWidth: 400
    property int listViewMaxHeight: 380
    property int spacing: 8
    property int indexToReport: 0
    property int theSelectedIndex: 0

    signal selectedIndex(int index)

    function updateListViewIndex() {
        list.currentIndex = theSelectedIndex
    }

    anchors.fill: parent

    Rectangle {
        anchors.fill: parent
        color: "#80000000"
    }
    MouseArea2 {
        objectName: "dimArea"
        anchors.fill: parent
        onClicked: picker.visible = false
    }

    BorderImage {
        anchors.centerIn: list
        width: list.width + 30
        height: list.height + 30
        border { left: 17; top: 17; right: 17; bottom: 17 }
        source: "images/NumericKeyboardInputBackground.png"
        MouseArea2 {
            anchors.fill: parent
        }
    }

    ListView {
        id: list
        objectName: "list"
        width: picker.listViewWidth
        height: picker.listViewMaxHeight
        anchors.centerIn: parent
        clip: true
        model: picker.theModel
        spacing: picker.spacing
        currentIndex: picker.theSelectedIndex
        boundsBehavior: Flickable.StopAtBounds
        snapMode: ListView.SnapToItem

        delegate: Rectangle {
            objectName: "row" + index
            width: list.width
            height: rowText.implicitHeight + 4
            color: ListView.isCurrentItem ? "#404040" : "white"
            Text {
                id: rowText
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.margins: 10
                anchors.verticalCenter: parent.verticalCenter
                text: model.name
                font.pixelSize: 18
                color: parent.ListView.isCurrentItem ? "white" : uiSkin.generalFontColor
            }
            MouseArea2 {
                anchors.fill: parent
                anchors.topMargin: -picker.spacing / 2
                anchors.bottomMargin: -picker.spacing / 2
                onClicked: {
                    list.currentIndex = index
                    picker.indexToReport = index
                    picker.selectedIndex(index)
                }
            }
        }
    }

    Rectangle {
        id: handle
        objectName: "scrollHandle"
        readonly property real travel: list.height - height
        x: list.x + list.width - width
        width: 15
        height: list.visibleArea.heightRatio * list.height
        visible: list.visibleArea.heightRatio < 1
        color: handleArea.pressed ? "steelblue" : "grey"
        onYChanged: {
            if (handleArea.drag.active && travel > 0)
                list.contentY = (y - list.y) / travel * (list.contentHeight - list.height) + list.originY
        }
        Binding on y {
            when: !handleArea.drag.active
            value: list.y + list.visibleArea.yPosition * list.height
            restoreMode: Binding.RestoreNone
        }
        MouseArea2 {
            id: handleArea
            anchors.fill: parent
            anchors.margins: -10
            drag.target: handle
            drag.axis: Drag.YAxis
            drag.minimumY: list.y
            drag.maximumY: list.y + handle.travel
        }
    }
}
