import QtQuick 2.15
import QtQml 2.15
import ".."
import "../widgets"

// The "Errors Log" page of the service list: every logged error report,
// newest first, with the number of records; once unlocked it can read the
// logs again and delete them on every display of the cabinet. Locked, the
// list still scrolls.
GenericSettingsItem {
    id: page

    property int numberOfRecords: kivErrorController.errorsLogListCount
    property string firstTimeStamp: ""
    property string lastTimeStamp: ""
    // Given by the list: the window's shared question (its host, whose
    // show() returns the dialog) and the reading direction.
    property var questionDialog: null
    property bool rightToLeft: false

    readonly property color lineColor: "#a0a0a0"
    readonly property int headingFontSize: 18
    readonly property int labelFontSize: 14
    readonly property int valueFontSize: 12

    signal goBack()
    signal acceptDelete()
    signal cancelDelete()

    function refresh() {
        kivErrorController.clearErrorLogList()
        kivErrorController.retrieveAllErrorLogs()
    }
    // The page listens to the shared question for this one answer only.
    function askToClearAll() {
        var dialog = questionDialog ? questionDialog.show() : null
        if (!dialog)
            return
        var detach = function () {
            dialog.accepted.disconnect(accept)
            dialog.cancelled.disconnect(cancel)
        }
        var accept = function () { detach(); page.acceptDelete() }
        var cancel = function () { detach(); page.cancelDelete() }
        dialog.accepted.connect(accept)
        dialog.cancelled.connect(cancel)
        dialog.theTitle = qsTr("Clearing All Error Logs") + tro.emptyStr
        dialog.theText = qsTr("Continue or Cancel") + tro.emptyStr
    }

    onAcceptDelete: {
        kivErrorController.deleteAllErrorLogs()
        kivErrorController.clearErrorLogList()
    }

    lockLevel: 0
    itemLocked: true
    allowInteraction: true
    LayoutMirroring.enabled: rightToLeft
    LayoutMirroring.childrenInherit: true

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Errors Log") + tro.emptyStr
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
        anchors.margins: 3
        anchors.bottomMargin: 50
        color: "transparent"
        border.width: 1
        border.color: page.lineColor

        Rectangle {
            id: header
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 40
            color: "transparent"
            border.width: 2
            border.color: "black"

            Row {
                anchors.fill: parent
                Repeater {
                    model: [
                        { heading: qsTr("Date/Time") + tro.emptyStr, share: 2 / 7 },
                        { heading: qsTr("ID") + tro.emptyStr, share: 2 / 9 },
                        { heading: qsTr("Error name") + tro.emptyStr, share: 1 / 2 },
                    ]
                    delegate: Item {
                        width: header.width * modelData.share
                        height: header.height
                        Text {
                            anchors.centerIn: parent
                            text: modelData.heading
                            font.pixelSize: page.headingFontSize
                            color: uiSkin.generalFontColor
                        }
                        Rectangle {
                            anchors.right: parent.right
                            width: 1
                            height: parent.height
                            color: page.lineColor
                            visible: index < 2
                        }
                    }
                }
            }
        }

        ListView {
            id: list
            objectName: "errorLogList"
            anchors.top: header.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: countBar.top
            anchors.margins: 1
            clip: true
            spacing: 3
            snapMode: ListView.SnapOneItem
            boundsBehavior: Flickable.StopAtBounds
            maximumFlickVelocity: 5000
            cacheBuffer: 10000
            model: kivErrorController.errorInfoModel
            delegate: ErrorLogItem {
                width: list.width
                itemNumber: index + 1
                date: model.date
                time: model.time
                idNumber: model.codes
                errorName: model.desc
                endReserve: scrollHandle.visible ? scrollHandle.width + 4 : 2
            }
        }

        // Shows where the list stands; dragged, it scrolls the list.
        ListScrollHandle {
            id: scrollHandle
            objectName: "errorLogScrollHandle"
            list: list
            x: page.rightToLeft ? list.x : list.x + list.width - width
            reachAlong: 20
            onDraggingChanged: page.scrollActive = dragging
        }

        Rectangle {
            id: countBar
            anchors.bottom: stampsBar.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 24
            color: "transparent"
            border.width: 1
            border.color: page.lineColor
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

        Rectangle {
            id: stampsBar
            anchors.bottom: actions.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 24
            color: "transparent"
            border.width: 1
            border.color: page.lineColor
            Row {
                anchors.fill: parent
                anchors.leftMargin: 5
                Repeater {
                    model: [
                        { label: qsTr("First record: ") + tro.emptyStr, value: page.firstTimeStamp },
                        { label: qsTr("Last record: ") + tro.emptyStr, value: page.lastTimeStamp },
                    ]
                    delegate: Row {
                        width: stampsBar.width / 2
                        anchors.verticalCenter: parent.verticalCenter
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: modelData.label
                            font.pixelSize: page.labelFontSize
                            color: uiSkin.generalFontColor
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: modelData.value
                            font.pixelSize: page.valueFontSize
                            color: uiSkin.generalFontColor
                        }
                    }
                }
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
                anchors.leftMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                width: 200
                height: 55
                keycode: ""
                label: qsTr("Refresh") + tro.emptyStr
                labelSize: 20
                enabled: !page.itemLocked
                onClicked: page.refresh()
            }
            NumericKeyboardButton {
                objectName: "clearAllButton"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                width: 200
                height: 55
                keycode: ""
                label: qsTr("Clear All") + tro.emptyStr
                labelSize: 20
                enabled: page.numberOfRecords > 0 && !page.itemLocked
                onClicked: page.askToClearAll()
            }
        }
    }
}
