import QtQuick 2.15
import "widgets"

// The access points a Wi-Fi scan found, one row each; the technician picks
// one and the Wi-Fi dialog takes its SSID. A list is made for one scan
// result and destroyed when it closes.
Item {
    id: dialog

    property string title: qsTr("Wifi SSIDs") + tro.emptyStr
    property int cwidth: 460
    property int selectedIndex: -1
    property string selectedSSIDString: ""
    // The row of the access point the unit is connected to, -1 for none.
    property int activeCellInList: -1

    readonly property int rowHeight: 50
    readonly property int columnSpacing: 6
    readonly property var columnWidths: [118, 140, 64, 78]

    signal closeButtonPressed()
    signal selectedSSID(string ssidname)

    function select(row) {
        selectedIndex = row
        selectedSSIDString = row >= 0 && row < apModel.count ? apModel.get(row).ssid : ""
    }
    function textOf(value) { return value === undefined || value === null ? "" : String(value) }
    // Fills the list from the store's scan text: "false" or a JSON array of
    // access points. The one in use is selected and scrolled to the top.
    function loadWifiApModel() {
        bwi.visible = false
        var found = []
        var text = configManager.wifiScanString
        if (text !== "false") {
            try {
                found = JSON.parse(text)
            } catch (e) {
                console.warn("Wi-Fi scan text is not JSON:", e)
            }
            if (!Array.isArray(found))
                found = []
        }
        activeCellInList = -1
        apModel.clear()
        for (var i = 0; i < found.length; ++i) {
            var ap = found[i] || {}
            console.log("wifi ap[" + i + "]")
            apModel.append({ cell: Number(ap.cell), ssid: textOf(ap.ssid), macAddr: textOf(ap.macAddr),
                             signalLevel: textOf(ap.signalLevel), freq: textOf(ap.freq), inUse: ap.inUse === "y" })
            if (ap.inUse === "y")
                activeCellInList = i
        }
        select(activeCellInList)
        if (activeCellInList >= 0)
            apList.positionViewAtIndex(activeCellInList, ListView.Beginning)
        else
            apList.positionViewAtBeginning()
    }

    anchors.fill: parent
    onVisibleChanged: {
        if (visible && selectedIndex >= 0)
            apList.positionViewAtIndex(selectedIndex, ListView.Beginning)
    }
    Component.onCompleted: console.log("Wifi Ap Select dialog completed")

    Connections {
        target: cabinetManager
        function onNoUserInteraction() {
            if (!kivDisplay.ignoreNoUserInteraction)
                dialog.closeButtonPressed()
        }
    }

    ListModel {
        id: apModel
        ListElement { cell: 0; ssid: "none"; macAddr: "xx:xx:xx:xx"; signalLevel: "0"; freq: "0"; inUse: false }
    }

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.3
        MouseArea2 { anchors.fill: parent }
    }

    Rectangle {
        id: content
        objectName: "apListBox"
        width: dialog.cwidth
        height: 400
        anchors.centerIn: parent
        color: "white"
        LayoutMirroring.enabled: kivDisplay.isLanguageRightToLeft()
        LayoutMirroring.childrenInherit: true

        Text {
            id: titleText
            anchors.top: parent.top
            anchors.topMargin: 8
            anchors.horizontalCenter: parent.horizontalCenter
            font.pixelSize: 18
            font.bold: true
            text: dialog.title
        }

        Row {
            id: header
            anchors.top: titleText.bottom
            anchors.topMargin: 8
            x: 10
            spacing: dialog.columnSpacing
            Repeater {
                model: [qsTr("SSID") + tro.emptyStr, qsTr("MacAddr") + tro.emptyStr,
                        qsTr("Signal") + tro.emptyStr, qsTr("Freq(GHz)") + tro.emptyStr]
                Text {
                    width: dialog.columnWidths[index]
                    font.pixelSize: 14
                    font.bold: true
                    text: modelData
                }
            }
        }
        Rectangle {
            id: headerLine
            anchors.top: header.bottom
            anchors.topMargin: 4
            x: 10
            width: parent.width - 20
            height: 1
            color: "black"
        }

        ListView {
            id: apList
            objectName: "apList"
            anchors.top: headerLine.bottom
            anchors.topMargin: 2
            anchors.bottom: buttons.top
            anchors.bottomMargin: 8
            x: 10
            width: parent.width - 20 - scrollHandle.width - 4
            clip: true
            spacing: 2
            model: apModel
            boundsBehavior: Flickable.StopAtBounds
            snapMode: ListView.SnapToItem

            delegate: Rectangle {
                id: apRow
                readonly property var cells: [model.ssid, model.macAddr, model.signalLevel, model.freq]
                objectName: "apRow" + index
                width: apList.width
                height: dialog.rowHeight
                color: index % 2 === 0 ? "white" : "#e0e0e0"
                border.width: 3
                border.color: index === dialog.selectedIndex ? "green" : "transparent"
                Row {
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: dialog.columnSpacing
                    Repeater {
                        model: apRow.cells
                        Text {
                            width: dialog.columnWidths[index]
                            leftPadding: index === 0 ? 4 : 0
                            font.pixelSize: 14
                            elide: Text.ElideRight
                            text: modelData
                        }
                    }
                }
                MouseArea2 {
                    anchors.fill: parent
                    onClicked: dialog.select(index)
                }
            }
        }

        ListScrollHandle {
            id: scrollHandle
            objectName: "apScrollHandle"
            list: apList
            x: apList.x + apList.width + 4
        }

        AcceptCancelItem {
            id: buttons
            objectName: "apAcceptCancel"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            onUserAccepted: {
                dialog.visible = false
                dialog.selectedSSID(dialog.selectedSSIDString)
                dialog.closeButtonPressed()
            }
            onUserCancelled: {
                dialog.visible = false
                dialog.closeButtonPressed()
            }
        }
    }
}
