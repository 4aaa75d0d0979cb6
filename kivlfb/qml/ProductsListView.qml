import QtQuick 2.15
import "menurules.js" as Rules

// A list of products, groups or day-part entries. With its filter on, rows
// that do not fit the place being filled are greyed out and ignore touches.
Item {
    id: view

    property var theModel: null
    property int theSelectedIndex: -1
    property alias theListViewContentY: list.contentY
    property alias theListViewItem: list
    property int rowHeight: 48

    property bool filtersActive: false
    property string filterLowerTemp: ""
    property string filterUpperTemp: ""
    property bool tempRangeFilter: false
    property real filterPanSize: 0
    property bool panSizeMatchExact: false
    property string filterLidType: ""
    property int filterFanSpeed: -1

    signal selectionChanged(int selectedIndex)

    readonly property int rowGap: 2
    readonly property int scrollBarWidth: 15

    function filter() {
        return { active: filtersActive, lowerTemp: filterLowerTemp, upperTemp: filterUpperTemp,
                 rangeFilter: tempRangeFilter, panSize: filterPanSize, exact: panSizeMatchExact,
                 lidType: filterLidType, fanSpeed: filterFanSpeed }
    }
    function cabinet() {
        return { customerId: cabinetManager.customerId, celsius: configManager.tempUnit === 1,
                 toCelsius: function (f) { return cabinetManager.convertToCelsius(f) },
                 traysPerZone: cabinetManager.traysPerZone, hasFan: cabinetManager.hasFan }
    }
    // Whether a row fits the filter; the delegate binds to it so a change of
    // any filter property redraws the rows.
    function selectable(row, filterNow) {
        return Rules.rowSelectable(row, filterNow, cabinet())
    }
    function scrollToSelectedItem() {
        if (theSelectedIndex >= 0)
            list.positionViewAtIndex(theSelectedIndex, ListView.Center)
    }
    function makeCurrentItemVisible() { scrollToSelectedItem() }

    ListView {
        id: list
        objectName: "productRows"
        anchors.fill: parent
        anchors.rightMargin: view.scrollBarWidth
        clip: true
        spacing: view.rowGap
        model: view.theModel
        snapMode: ListView.SnapToItem
        boundsBehavior: Flickable.StopAtBounds
        currentIndex: view.theSelectedIndex

        delegate: Rectangle {
            id: row
            readonly property bool fits: view.selectable({ lowerTemp: model.lowerTemp, upperTemp: model.upperTemp,
                                                           panSizeX: model.panSizeX, lidType: model.lidType,
                                                           targetFanSpeed: model.targetFanSpeed },
                                                         view.filter())
            objectName: "productRow" + index
            width: list.width
            height: view.rowHeight
            opacity: fits ? 1.0 : 0.4
            color: index % 2 === 0 ? uiSkin.generalPanelBackgroundColor : (fits ? "#bee6ff" : "#a0a0a0")

            Text {
                id: number
                x: 0
                width: 50
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignRight
                text: index + 1
                font.pixelSize: 24
                color: "black"
            }
            Text {
                anchors.left: number.right
                anchors.leftMargin: 12
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: model.name
                elide: Text.ElideRight
                font.pixelSize: 24
                color: "black"
            }
            Rectangle {
                objectName: "selectionFrame"
                anchors.fill: parent
                color: "transparent"
                border.width: 4
                border.color: "green"
                visible: index === view.theSelectedIndex && row.fits
            }
            MouseArea {
                anchors.fill: parent
                enabled: model.id > 0 && row.fits
                onClicked: {
                    view.theSelectedIndex = index
                    view.selectionChanged(index)
                }
            }
        }
    }

    // Scroll bar: as long as the visible share of the list; dragging it
    // scrolls the list.
    Rectangle {
        id: track
        anchors.right: parent.right
        width: view.scrollBarWidth
        height: parent.height
        color: "transparent"
        visible: list.visibleArea.heightRatio < 1

        Rectangle {
            id: bar
            width: parent.width
            height: Math.max(20, list.visibleArea.heightRatio * track.height)
            color: barArea.drag.active ? "steelblue" : "#808080"
            radius: 4
            Binding on y {
                when: !barArea.drag.active
                value: list.visibleArea.yPosition * track.height
            }
            onYChanged: {
                if (barArea.drag.active)
                    list.contentY = y * list.contentHeight / track.height
            }
            MouseArea {
                id: barArea
                anchors.fill: parent
                drag.target: bar
                drag.axis: Drag.YAxis
                drag.minimumY: 0
                drag.maximumY: track.height - bar.height
            }
        }
    }
}
