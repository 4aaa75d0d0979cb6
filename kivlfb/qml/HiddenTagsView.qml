import QtQuick 2.15
import "widgets"

// The pan tags the cabinet holds as holding that no reader sees in any bin;
// a selected tag can be de-registered. The list exists on the primary
// display only (it owns the tag tracking); elsewhere the view stays empty.
Item {
    id: view

    readonly property bool tagsPublished: typeof nfcm !== "undefined" && nfcm !== null
    readonly property int tagColumnWidth: 150
    readonly property int binColumnWidth: 60
    readonly property int productColumnWidth: 200
    readonly property int headerWidth: tagColumnWidth + binColumnWidth + productColumnWidth
    readonly property int refreshMs: 1000
    property string currentTag: ""

    function select(index, tag) {
        if (list.currentIndex === index) {
            clearSelection()
            return
        }
        list.currentIndex = index
        currentTag = "0x" + tag
    }
    function clearSelection() {
        list.currentIndex = -1
        currentTag = ""
    }

    anchors.fill: parent
    onVisibleChanged: if (!visible) clearSelection()

    Rectangle {
        anchors.fill: parent
        color: "#a0000000"
    }
    MouseArea2 {
        anchors.fill: parent
    }

    BorderImage {
        id: panel
        anchors.horizontalCenter: parent.horizontalCenter
        y: 50
        width: view.headerWidth + 40
        height: parent.height - 100
        border { left: 17; top: 17; right: 17; bottom: 17 }
        source: "widgets/images/NumericKeyboardInputBackground.png"

        Image {
            objectName: "hiddenTagsClose"
            x: 10
            y: 10
            source: "images/closeX.png"
            MouseArea2 {
                anchors.fill: parent
                anchors.margins: -15
                onClicked: view.visible = false
            }
        }
        Text {
            id: title
            anchors.horizontalCenter: parent.horizontalCenter
            y: 20
            text: qsTr("Tags Not Found In Bins") + tro.emptyStr
            font.pixelSize: 20
            font.bold: true
            color: uiSkin.servicePageTitleFontColor
        }
        Row {
            id: header
            x: 20
            anchors.top: title.bottom
            anchors.topMargin: 20
            Repeater {
                model: [
                    { label: QT_TR_NOOP("Tag #"), width: view.tagColumnWidth },
                    { label: QT_TR_NOOP("Bin #"), width: view.binColumnWidth },
                    { label: QT_TR_NOOP("Product"), width: view.productColumnWidth }
                ]
                Text {
                    width: modelData.width
                    text: qsTr(modelData.label) + tro.emptyStr
                    font.pixelSize: 18
                }
            }
        }
        Rectangle {
            id: headerLine
            x: 20
            anchors.top: header.bottom
            width: view.headerWidth
            height: 1
            color: "#505050"
        }
        ListView {
            id: list
            objectName: "hiddenTagsList"
            x: 20
            anchors.top: headerLine.bottom
            anchors.topMargin: 10
            anchors.bottom: deregisterButton.top
            anchors.bottomMargin: 10
            width: view.headerWidth
            clip: true
            spacing: 20
            currentIndex: -1
            // Attached once, where the tracking lives.
            model: view.tagsPublished ? nfcm.tagBinModel : null
            delegate: Rectangle {
                objectName: "hiddenTag" + index
                readonly property bool selected: ListView.isCurrentItem
                width: list.width
                height: tagText.implicitHeight
                color: selected ? "#505050" : "transparent"
                Row {
                    Text {
                        id: tagText
                        width: view.tagColumnWidth
                        text: model.tagnum
                        font.pixelSize: 18
                        color: selected ? "white" : "black"
                    }
                    Text {
                        width: view.binColumnWidth
                        text: model.binNum
                        font.pixelSize: 18
                        color: selected ? "white" : "black"
                    }
                    Text {
                        width: view.productColumnWidth
                        text: model.prodName
                        elide: Text.ElideRight
                        font.pixelSize: 18
                        color: selected ? "white" : "black"
                    }
                }
                MouseArea2 {
                    anchors.fill: parent
                    onClicked: view.select(index, model.tagnum)
                }
            }
        }
        NumericKeyboardButton {
            id: deregisterButton
            objectName: "deregisterTag"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            width: 180
            height: 48
            label: qsTr("De-Register Tag") + tro.emptyStr
            labelSize: 18
            visible: list.currentIndex >= 0
            onClicked: {
                nfcm.removeHiddenTag(view.currentTag)
                view.clearSelection()
            }
        }
    }

    // A selection holds the list still, so it stays on the chosen tag.
    Timer {
        id: refreshTimer
        objectName: "hiddenTagsRefresh"
        interval: view.refreshMs
        repeat: true
        running: view.visible && view.tagsPublished && list.currentIndex < 0
        onTriggered: nfcm.rebuildTagsNotFoundInBins()
    }
}
