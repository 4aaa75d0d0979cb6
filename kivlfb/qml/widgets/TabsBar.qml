import QtQuick 2.15

// A row of equal tabs over a thin base line; screens follow activeIndex.
Item {
    id: tabsBar

    property var tabedEntriesModel: null
    property bool allowSlide: false
    property int activeIndex: 0
    readonly property int sideMargin: 20
    readonly property int tabOverlap: 5
    property real tabWidth: tabRepeater.count > 0 ? (width - 2 * sideMargin) / tabRepeater.count
                                                   : width - 2 * sideMargin

    width: 400
    height: 40

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 2
        color: "#e1e1e1"
    }

    Flickable {
        anchors.fill: parent
        anchors.leftMargin: tabsBar.sideMargin
        anchors.rightMargin: tabsBar.sideMargin
        interactive: tabsBar.allowSlide
        flickableDirection: Flickable.HorizontalFlick
        contentWidth: tabRow.width
        clip: true

        Row {
            id: tabRow
            height: parent.height
            spacing: -tabsBar.tabOverlap

            Repeater {
                id: tabRepeater
                model: tabsBar.tabedEntriesModel
                delegate: BorderImage {
                    readonly property bool active: index === tabsBar.activeIndex
                    objectName: "tab" + index
                    width: tabsBar.tabWidth + tabsBar.tabOverlap
                    height: tabRow.height
                    y: active ? 2 : 0
                    z: active ? 1 : 0
                    border.left: 10
                    border.right: 10
                    source: active ? "images/tabOn.png" : "images/tabOff.png"
                    Text {
                        anchors.centerIn: parent
                        text: model.label
                        font.pixelSize: 18
                        color: uiSkin.generalFontColor
                    }
                    MouseArea2 {
                        anchors.fill: parent
                        onClicked: tabsBar.activeIndex = index
                    }
                }
            }
        }
    }
}
