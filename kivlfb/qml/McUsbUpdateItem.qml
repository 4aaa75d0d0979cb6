import QtQuick 2.15
import KivDefs 1.0
import "widgets"

// The menu-file import page: the files the menu proxy lists from the flash
// drive (or, after a long press on refresh, from the cabinet itself), one
// of which the user picks and imports.
GenericSettingsItem {
    id: page

    property int importSource: KivDefines.MC_IMPORT_SOURCE_USB
    property int selectedIndex: -1
    readonly property string selectedFile: selectedIndex >= 0 && selectedIndex < mcp.dirContent.length
                                           ? mcp.dirContent[selectedIndex] : ""
    readonly property int rowHeight: 44
    readonly property int buttonSize: 64
    readonly property int scrollFadeMs: 600

    itemName: "McUsbUpdateItem"

    // A binary menu file carries ".kiv" after its first character; anything
    // else (a ".kiv" with no name before it too) is a JSON menu.
    function importSelected() {
        var name = selectedFile
        if (name === "")
            return
        mcp.set_mcImportFilename(name)
        if (name.indexOf(".kiv", 1) > 0)
            mcp.importTavolenFile(name)
        else
            mcp.importTavolenJsonFile(name)
    }
    function refresh() {
        mcp.getMcImportDirList()
        selectedIndex = -1
    }
    function toggleSource() {
        importSource = importSource === KivDefines.MC_IMPORT_SOURCE_USB
                ? KivDefines.MC_IMPORT_SOURCE_LOCAL : KivDefines.MC_IMPORT_SOURCE_USB
        mcp.set_importSource(importSource)
        refresh()
    }

    Text {
        id: title
        objectName: "pageTitle"
        anchors.top: parent.top
        anchors.topMargin: 12
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("<b>Tavolen</b> Update") + tro.emptyStr
        textFormat: Text.RichText
        font.pixelSize: uiSkin.servicePageTitleFontSize
        color: uiSkin.servicePageTitleFontColor
    }

    ListView {
        id: fileList
        objectName: "fileList"
        anchors.top: title.bottom
        anchors.topMargin: 12
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.right: scrollTrack.left
        anchors.rightMargin: 6
        anchors.bottom: buttons.top
        anchors.bottomMargin: 10
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: mcp.dirContent
        delegate: Rectangle {
            objectName: "fileRow" + index
            width: fileList.width
            height: page.rowHeight
            color: index === page.selectedIndex ? "#9dc3e6" : "transparent"
            border.color: "#c0c0c0"
            border.width: 1
            Text {
                anchors.verticalCenter: parent.verticalCenter
                anchors.left: parent.left
                anchors.leftMargin: 10
                width: parent.width - 20
                elide: Text.ElideMiddle
                text: modelData
                font.pixelSize: 20
                color: uiSkin.generalFontColor
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: page.selectedIndex = index
            }
        }
    }

    // Drag bar beside the list: grey at rest, steelblue while dragged,
    // clear while the list moves and fading back when it stops.
    Item {
        id: scrollTrack
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.top: fileList.top
        anchors.bottom: fileList.bottom
        width: 16
        visible: fileList.contentHeight > fileList.height

        Rectangle {
            id: scrollHandle
            objectName: "scrollHandle"
            width: parent.width
            radius: width / 2
            height: Math.max(30, parent.height * fileList.height / Math.max(fileList.contentHeight, 1))
            color: handleArea.drag.active ? "steelblue" : "grey"
            opacity: fileList.moving || handleArea.drag.active ? 1.0 : 0.5
            Behavior on opacity { NumberAnimation { duration: page.scrollFadeMs } }
            onYChanged: if (handleArea.drag.active)
                            fileList.contentY = y / Math.max(scrollTrack.height - height, 1)
                                    * (fileList.contentHeight - fileList.height)
            Connections {
                target: fileList
                function onContentYChanged() {
                    if (!handleArea.drag.active)
                        scrollHandle.y = (scrollTrack.height - scrollHandle.height) * fileList.contentY
                                / Math.max(fileList.contentHeight - fileList.height, 1)
                }
            }
            MouseArea2 {
                id: handleArea
                anchors.fill: parent
                drag.target: scrollHandle
                drag.axis: Drag.YAxis
                drag.minimumY: 0
                drag.maximumY: scrollTrack.height - scrollHandle.height
                onPressed: page.scrollActive = true
                onReleased: page.scrollActive = false
                onCanceled: page.scrollActive = false
            }
        }
    }

    Text {
        objectName: "noFilesText"
        anchors.centerIn: fileList
        visible: mcp.numOfFiles === 0
        text: qsTr("No Tavolen files found!") + tro.emptyStr
        font.pixelSize: 22
        color: uiSkin.generalFontColor
    }

    Row {
        id: buttons
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 60

        Item {
            objectName: "refreshButton"
            width: page.buttonSize
            height: page.buttonSize
            Rectangle {
                objectName: "localSourceFrame"
                anchors.fill: parent
                anchors.margins: -4
                color: "transparent"
                border.color: "red"
                border.width: 3
                visible: page.importSource === KivDefines.MC_IMPORT_SOURCE_LOCAL
            }
            // The icon is drawn for a dark ground.
            Rectangle {
                anchors.fill: parent
                radius: 8
                color: uiSkin.dockAreaBackgroundColor
            }
            Image {
                anchors.fill: parent
                anchors.margins: 8
                source: "images/refreshIcon.png"
                fillMode: Image.PreserveAspectFit
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: page.refresh()
                onPressAndHold: page.toggleSource()
            }
        }
        Item {
            objectName: "acceptButton"
            width: page.buttonSize
            height: page.buttonSize
            enabled: page.selectedIndex >= 0
            opacity: enabled ? 1.0 : 0.3
            Image {
                anchors.fill: parent
                source: "widgets/images/acceptCheckmark_noOutline.png"
                fillMode: Image.PreserveAspectFit
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: page.importSelected()
            }
        }
    }
}
