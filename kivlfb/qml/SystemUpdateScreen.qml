import QtQuick 2.15
import KivDefs 1.0
import "widgets"

// A one-touch menu import: touching a listed file imports it at once. The
// main window does not place this screen.
Item {
    id: screen

    property var resultBox: null
    property bool screenshotsEnabled: false

    readonly property bool portrait: cabinetManager.orientationPortrait
    readonly property int dockSize: 90
    readonly property int rowHeight: 44

    anchors.fill: parent

    function importFile(name) {
        mcp.set_mcImportFilename(name)
        mcp.importTavolenFile(name)
    }
    function showResult(text) {
        if (!resultBox)
            return
        var box = resultBox.show()
        box.showCloseButton = true
        box.theText = text
    }

    Connections {
        target: screen.visible ? mcp : null
        function onTavolenDataImported() { screen.showResult(qsTr("Tavolen file imported: ") + tro.emptyStr + mcp.mcImportFilename) }
        function onInvalidFileVersion() { screen.showResult(qsTr("File version is not supported: ") + tro.emptyStr + mcp.mcImportFilename) }
        function onTavolenDataImportFailed() { screen.showResult(qsTr("Tavolen file import failed: ") + tro.emptyStr + mcp.mcImportFilename) }
    }

    Rectangle {
        anchors.fill: parent
        color: uiSkin.generalPanelBackgroundColor
    }

    Rectangle {
        id: dock
        color: uiSkin.dockAreaBackgroundColor
        y: screen.portrait ? screen.height - height : 0
        width: screen.portrait ? screen.width : screen.dockSize
        height: screen.portrait ? screen.dockSize : screen.height

        Grid {
            anchors.fill: parent
            anchors.margins: 8
            columns: screen.portrait ? 3 : 1
            rows: screen.portrait ? 1 : 3
            columnSpacing: (width - 3 * (screen.dockSize - 16)) / 2
            rowSpacing: (height - 3 * (screen.dockSize - 16)) / 2

            // The icon is drawn for a light ground.
            Rectangle {
                width: screen.dockSize - 16
                height: width
                radius: width / 2
                color: "white"
                Image {
                    anchors.fill: parent
                    source: "./images/usbButtonOutline.png"
                    fillMode: Image.PreserveAspectFit
                }
            }
            Image {
                objectName: "returnButton"
                width: screen.dockSize - 16
                height: width
                source: "images/return-button-white.png"
                fillMode: Image.PreserveAspectFit
                MouseArea2 {
                    anchors.fill: parent
                    onClicked: screen.visible = false
                }
            }
            Image {
                width: screen.dockSize - 16
                height: width
                source: "images/veltrixLogo.png"
                fillMode: Image.PreserveAspectFit
                MouseArea2 {
                    anchors.fill: parent
                    onDoubleClicked: if (screen.screenshotsEnabled) cabinetManager.screenShot()
                }
            }
        }
    }

    Item {
        x: screen.portrait ? 0 : dock.width
        width: screen.width - x
        height: screen.portrait ? screen.height - dock.height : screen.height

        Text {
            id: title
            anchors.top: parent.top
            anchors.topMargin: 12
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Tavolen Import") + tro.emptyStr
            font.pixelSize: uiSkin.servicePageTitleFontSize
            font.bold: true
            color: uiSkin.servicePageTitleFontColor
        }
        // Kept for a later choice of source; not offered yet.
        Row {
            visible: false
            spacing: 20
            anchors.top: title.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            Text { text: qsTr("USB") + tro.emptyStr }
            Text { text: qsTr("Local") + tro.emptyStr }
        }
        ListView {
            id: fileList
            objectName: "fileList"
            anchors.top: title.bottom
            anchors.topMargin: 12
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 20
            clip: true
            model: mcp.dirContent
            delegate: Rectangle {
                objectName: "fileRow" + index
                width: fileList.width
                height: screen.rowHeight
                border.color: "#c0c0c0"
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    x: 10
                    text: modelData
                    font.pixelSize: 20
                    color: uiSkin.generalFontColor
                }
                MouseArea2 {
                    anchors.fill: parent
                    onClicked: screen.importFile(modelData)
                }
            }
        }
        Text {
            anchors.centerIn: fileList
            visible: mcp.numOfFiles === 0
            text: qsTr("No Tavolen files found!") + tro.emptyStr
            font.pixelSize: 22
            color: uiSkin.generalFontColor
        }
        NumericKeyboardButton {
            visible: false
            reportVki: false
            keycode: ""
            label: qsTr("Update") + tro.emptyStr
        }
    }
}
