import QtQuick 2.15
import "../widgets"

// The Wi-Fi monitor page of the system monitor: the link as the monitor and
// the kernel see it now, a strip chart of the statistics rows (one pixel
// column per association check, newest at the right) with a marker that
// reads one row back, and the statistics log's save controls. While the
// page is open the monitor checks every second; closing it puts the
// check back to its usual period.
Rectangle {
    id: page

    // What the page reads; the program passes its context objects.
    property QtObject monitor: null       // wifiMon
    property QtObject statsLog: null      // wifiStatsDataLog
    property var statsModel: null         // wifiStatsModel
    property QtObject network: null       // kivnm
    property QtObject autoSaveTimer: null // the main window's hourly save timer

    readonly property int openCheckPeriodSecs: 1
    readonly property int closedCheckPeriodSecs: 10
    readonly property int wirelessReadMs: 1000
    // Taller on a portrait panel, where the page has the height to spare.
    readonly property int chartHeight: height > width ? 400 : 200
    readonly property int chartScale: chartHeight / 100 // values are 0 to 100
    readonly property color qualityColor: "#2e9e3e"
    readonly property color levelColor: "#2f6fd0"
    readonly property color disconnectedColor: "#d03030"

    // The row under the marker, or -1 while the marker is not placed.
    property int markerRow: -1

    signal close()

    color: uiSkin.generalPanelBackgroundColor

    function percent(value) { return Math.round(value * 100) + " %" }

    function placeMarker(x) {
        var count = statsLog ? statsLog.rowCount() : 0
        if (count === 0) {
            markerRow = -1
            return
        }
        // Past the newest column the marker stays on the newest check.
        var row = chart.indexAt(x + chart.contentX, 0)
        markerRow = row < 0 ? count - 1 : row
    }

    function markerText() {
        if (markerRow < 0 || !statsLog || markerRow >= statsLog.rowCount())
            return qsTr("Drag across the chart to read a check") + tro.emptyStr
        return statsLog.getDateTimeStamp(markerRow) + "   "
                + (statsLog.getApConnectionFlag(markerRow) ? qsTr("connected") : qsTr("not connected")) + tro.emptyStr
                + "   " + statsLog.getApEssid(markerRow)
                + "   " + statsLog.getApMacAddress(markerRow)
                + "   Q " + percent(statsLog.getApLinkQuality(markerRow))
                + "   L " + statsLog.getApSignalLevel(markerRow)
    }

    Component.onCompleted: if (monitor) monitor.wpaCheckPeriodSecs = openCheckPeriodSecs
    Component.onDestruction: if (monitor) monitor.wpaCheckPeriodSecs = closedCheckPeriodSecs

    Timer {
        interval: page.wirelessReadMs
        repeat: true
        running: page.network !== null
        triggeredOnStart: true
        onTriggered: page.network.getSysWlan0Info()
    }

    MouseArea2 {
        // Touches on the page go no further.
        anchors.fill: parent
    }

    Column {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 10

        Item {
            width: parent.width
            height: title.implicitHeight

            Text {
                id: title
                text: qsTr("Wi-Fi monitor") + tro.emptyStr
                font.pixelSize: uiSkin.servicePageTitleFontSize
                color: uiSkin.servicePageTitleFontColor
            }
            PanelButton {
                objectName: "closeButton"
                anchors.right: parent.right
                anchors.verticalCenter: title.verticalCenter
                text: qsTr("Close") + tro.emptyStr
                onClicked: page.close()
            }
        }

        Flow {
            objectName: "readouts"
            width: parent.width
            spacing: 18

            Text {
                objectName: "linkQuality"
                text: qsTr("Link quality") + tro.emptyStr + ": " + (page.monitor ? page.percent(page.monitor.linkQuality) : "")
                font.pixelSize: 20
                color: page.qualityColor
            }
            Text {
                objectName: "signalLevel"
                text: qsTr("Signal level") + tro.emptyStr + ": "
                      + (page.monitor ? page.monitor.signalLevel + " (" + page.monitor.signalLevelDecibel + " dBm)" : "")
                font.pixelSize: 20
                color: page.levelColor
            }
            Text {
                text: "ESSID: " + (page.monitor ? page.monitor.essid : "")
                font.pixelSize: 18
                color: uiSkin.generalFontColor
            }
            Text {
                text: "AP: " + (page.monitor ? page.monitor.accessPoint : "")
                font.pixelSize: 18
                color: uiSkin.generalFontColor
            }
            Text {
                text: (page.monitor ? page.monitor.frequency : "") + " GHz   IP: " + (page.monitor ? page.monitor.inet : "")
                font.pixelSize: 18
                color: uiSkin.generalFontColor
            }
            Text {
                objectName: "kernelFigures"
                text: page.network ? "Q: " + page.network.wifiLink + "   L: " + page.network.wifiLevel
                                     + "   N: " + page.network.wifiNoise : ""
                font.pixelSize: 18
                color: uiSkin.generalFontColor
            }
        }

        Rectangle {
            width: parent.width
            height: page.chartHeight + 2
            color: "#f2f2f2"
            border.color: "#a0a0a0"

            ListView {
                id: chart
                objectName: "stripChart"
                anchors.fill: parent
                anchors.margins: 1
                orientation: ListView.Horizontal
                interactive: false
                clip: true
                model: page.statsModel
                // The newest check stays in view.
                onCountChanged: positionViewAtEnd()
                Component.onCompleted: positionViewAtEnd()

                delegate: Item {
                    width: 1
                    height: chart.height

                    Rectangle {
                        // Checks that found no association are marked along the bottom.
                        anchors.bottom: parent.bottom
                        width: 1
                        height: model.apConnectedFlag ? 0 : 4
                        color: page.disconnectedColor
                    }
                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: 1
                        height: model.apLinkQuality * 100 * page.chartScale
                        color: page.qualityColor
                        opacity: 0.6
                    }
                    Rectangle {
                        y: parent.height - model.apSignalLevel * page.chartScale
                        width: 1
                        height: 2
                        color: page.levelColor
                    }
                }
            }

            Rectangle {
                objectName: "marker"
                visible: page.markerRow >= 0
                x: chart.x + (chart.itemAtIndex(page.markerRow) ? chart.itemAtIndex(page.markerRow).x - chart.contentX : 0)
                width: 1
                height: parent.height
                color: "black"
            }

            MouseArea2 {
                objectName: "markerArea"
                anchors.fill: parent
                onPressed: page.placeMarker(mouse.x)
                onPositionChanged: page.placeMarker(mouse.x)
            }
        }

        Text {
            objectName: "markerText"
            width: parent.width
            elide: Text.ElideRight
            text: page.markerText()
            font.pixelSize: 16
            color: uiSkin.generalFontColor
        }

        Row {
            spacing: 12

            PanelButton {
                objectName: "autoSaveButton"
                enabled: page.autoSaveTimer !== null
                text: (page.autoSaveTimer && page.autoSaveTimer.running ? qsTr("Auto save") : qsTr("No save")) + tro.emptyStr
                onClicked: page.autoSaveTimer.running = !page.autoSaveTimer.running
            }
            PanelButton {
                objectName: "saveButton"
                enabled: page.monitor !== null
                text: qsTr("Save") + tro.emptyStr
                onClicked: page.monitor.saveWifiStats()
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                objectName: "checkCount"
                text: chart.count + " " + qsTr("checks") + tro.emptyStr
                font.pixelSize: 16
                color: uiSkin.generalFontColor
            }
        }
    }
}
