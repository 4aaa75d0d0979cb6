import QtQuick 2.15
import QtQml 2.15
import ".."
import "../widgets"

// The "Holding Log" page of the service list: the newest 250 holds of the
// HACCP log, or all of them after "Show All". The page copies each read
// into a list of its own, 1000 rows per millisecond tick, so that a log of
// a year's holds loads without freezing the screen.
GenericSettingsItem {
    id: page

    property int numberOfRecords: haccpController.haccpLogListCount
    property int totalNumberOfRecords: haccpController.totalHaccpLogListCount
    property int loadIndex: 0
    property int progressBarMinHight: 30
    readonly property int scrollShift: list.visibleArea.heightRatio * list.height > progressBarMinHight
                                       ? 0 : scrollHandle.height / 3
    // Given by the list: the window's busy indicator (its host).
    property var busyIndicator: null

    readonly property int rowsPerTick: 1000
    readonly property int readBusyMs: 120000
    readonly property color lineColor: "#a0a0a0"
    readonly property int headingFontSize: 18
    readonly property int labelFontSize: 14
    readonly property alias loadTimer: loadTimer

    // The shelf of a bin as its zone view numbers it; a cabinet without a
    // layout yet (no trays or zones per row) puts every bin on the first.
    function shelfNumber(bin) {
        var binsPerShelf = cabinetManager.traysPerZone * cabinetManager.zonesPerRow
        var index = binsPerShelf > 0 ? Math.floor(bin / binsPerShelf) : 0
        if (cabinetManager.shelfNumberingOrder === 1)
            return cabinetManager.startingShelfNumber + cabinetManager.numberOfRows - index
        return cabinetManager.startingShelfNumber + index + 1
    }
    function discardedText(duration, expired) {
        if (duration === "----")
            return "----"
        return expired ? qsTr("Yes") + tro.emptyStr : qsTr("No") + tro.emptyStr
    }
    function copyStep() {
        var rowCount = haccpController.haccpLogListCount
        var model = haccpController.haccpDataModel
        if (loadIndex === 0) {
            list.positionViewAtBeginning()
            logModel.clear()
        }
        for (var n = 0; n < rowsPerTick; ++n) {
            if (loadIndex >= rowCount) {
                loadIndex += 1
                return
            }
            var duration = String(model.getData(loadIndex, 3))
            logModel.append({
                prodName: String(model.getData(loadIndex, 0)),
                date: String(model.getData(loadIndex, 1)),
                startTime: String(model.getData(loadIndex, 2)),
                holdDuration: duration,
                expired: discardedText(duration, model.getData(loadIndex, 4) === true),
                shelfNumber: shelfNumber(Number(model.getData(loadIndex, 5)))
            })
            loadIndex += 1
        }
    }
    function loadTick() {
        copyStep()
        if (loadIndex >= haccpController.haccpLogListCount) {
            if (busyIndicator && busyIndicator.item)
                busyIndicator.item.stop()
            loadTimer.stop()
        }
    }
    function read(all) {
        haccpController.retrieveAllHaccpData(all)
        if (busyIndicator)
            busyIndicator.show().start(readBusyMs)
        itemModified = all
    }

    lockLevel: 0
    itemLocked: false
    allowInteraction: true

    Connections {
        target: haccpController
        function onRetrieveHaccpDataDone() {
            page.loadIndex = 0
            loadTimer.start()
        }
    }
    Timer {
        id: loadTimer
        objectName: "haccpLoadTimer"
        interval: 1
        repeat: true
        onTriggered: page.loadTick()
    }

    ListModel {
        id: logModel
        ListElement {
            prodName: "prod"
            date: "1970.01.01"
            startTime: "00:00:00"
            holdDuration: "00:00:00"
            expired: "----"
            shelfNumber: 0
        }
    }

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Holding Log") + tro.emptyStr
        font.bold: true
        font.pixelSize: uiSkin.servicePageTitleFontSize
        color: uiSkin.servicePageTitleFontColor
    }

    Rectangle {
        id: panel
        anchors.top: title.bottom
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 3
        anchors.rightMargin: 3
        anchors.bottomMargin: 50
        color: uiSkin.generalPanelBackgroundColor
        border.width: 1
        border.color: page.lineColor

        Rectangle {
            id: header
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 60
            color: "transparent"
            border.width: 2
            border.color: "black"

            Row {
                anchors.fill: parent
                anchors.leftMargin: 2
                Repeater {
                    model: [
                        { heading: qsTr("Product Name") + tro.emptyStr, share: 1 / 5 },
                        { heading: qsTr("Shelf Number") + tro.emptyStr, share: 1 / 6 },
                        { heading: qsTr("Start Time") + tro.emptyStr, share: 1 / 5 },
                        { heading: qsTr("Discarded") + tro.emptyStr, share: 1 / 5 },
                        { heading: qsTr("Holding Duration") + tro.emptyStr, share: 1 / 5 },
                    ]
                    delegate: Item {
                        width: (header.width - 2) * modelData.share
                        height: header.height
                        Text {
                            anchors.centerIn: parent
                            width: parent.width - 4
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Text.WordWrap
                            maximumLineCount: 2
                            elide: Text.ElideRight
                            text: modelData.heading
                            font.pixelSize: page.headingFontSize
                            color: uiSkin.generalFontColor
                        }
                        Rectangle {
                            anchors.right: parent.right
                            width: 1
                            height: parent.height
                            color: page.lineColor
                            visible: index < 4
                        }
                    }
                }
            }
        }

        ListView {
            id: list
            objectName: "haccpLogList"
            anchors.top: header.bottom
            anchors.topMargin: 3
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: countBar.top
            anchors.bottomMargin: 3
            clip: true
            cacheBuffer: 1200
            spacing: 3
            snapMode: ListView.SnapToItem
            boundsBehavior: Flickable.StopAtBounds
            model: logModel
            delegate: HaccpLogItem {
                width: list.width
                itemNumber: index + 1
                prodName: model.prodName
                date: model.date
                time: model.startTime
                duration: model.holdDuration
                expired: model.expired
                shelfNumber: model.shelfNumber
            }
        }

        // Shows where the list stands; dragged, it scrolls the list.
        Rectangle {
            id: scrollHandle
            objectName: "haccpLogScrollHandle"

            readonly property real naturalHeight: list.visibleArea.heightRatio * list.height

            x: list.x + list.width - width
            width: 25
            height: Math.max(naturalHeight, page.progressBarMinHight)
            radius: 5
            color: handleArea.pressed ? "steelblue" : "gray"
            opacity: handleArea.pressed || list.moving ? 1 : 0.5
            Behavior on opacity {
                enabled: !handleArea.pressed && !list.moving
                NumberAnimation { duration: 600; easing.type: Easing.Linear }
            }

            Binding on y {
                when: !handleArea.pressed
                restoreMode: Binding.RestoreNone
                value: list.y - page.scrollShift + list.visibleArea.yPosition * list.height
            }

            MouseArea2 {
                id: handleArea
                anchors.fill: parent
                anchors.leftMargin: -20
                anchors.rightMargin: -10
                anchors.topMargin: -20
                anchors.bottomMargin: -20
                drag.target: scrollHandle
                drag.axis: Drag.YAxis
                drag.minimumY: list.y - page.scrollShift
                drag.maximumY: drag.minimumY + list.height - scrollHandle.naturalHeight
                onPressedChanged: page.scrollActive = pressed
                onPositionChanged: {
                    if (pressed && scrollHandle.naturalHeight > 0)
                        list.contentY = list.originY + (scrollHandle.y + page.scrollShift - list.y)
                                * list.height / scrollHandle.naturalHeight
                }
            }
        }

        Rectangle {
            id: countBar
            anchors.bottom: actions.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 24
            color: "transparent"
            border.width: 2
            border.color: "black"
            Text {
                anchors.left: parent.left
                anchors.leftMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Number of records: ") + tro.emptyStr
                font.pixelSize: page.labelFontSize
                color: uiSkin.generalFontColor
            }
            Text {
                objectName: "numberOfRecords"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                text: page.numberOfRecords
                font.pixelSize: page.labelFontSize
                color: uiSkin.generalFontColor
            }
        }

        Item {
            id: actions
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            height: 60

            NumericKeyboardButton {
                objectName: "refreshButton"
                anchors.left: parent.left
                anchors.leftMargin: 3
                anchors.verticalCenter: parent.verticalCenter
                width: 200
                height: 55
                keycode: ""
                label: qsTr("Refresh") + tro.emptyStr
                labelSize: 20
                onClicked: page.read(false)
            }
            NumericKeyboardButton {
                objectName: "showAllButton"
                anchors.right: parent.right
                anchors.rightMargin: 3
                anchors.verticalCenter: parent.verticalCenter
                width: 200
                height: 55
                keycode: ""
                label: qsTr("Show All") + tro.emptyStr
                labelSize: 20
                // Offered once the list is scrolled to its end.
                visible: list.atYEnd && page.totalNumberOfRecords > page.numberOfRecords
                onClicked: page.read(true)
            }
        }
    }
}
