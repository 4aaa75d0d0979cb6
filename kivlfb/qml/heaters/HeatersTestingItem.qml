import QtQuick 2.15
import "../widgets"
import "../heaterDiagnostics.js" as Diags

// The Heaters Testing dialog of the Utilities page: the zone boxes, the
// heaters test (every heater to the test set point) with its elapsed time,
// and Close. While a test runs the dialog cannot be closed, the idle return
// to the holding screen waits and the zones leave the bins' targets alone.
Item {
    id: dialog

    property QtObject io: masterIOmanager
    property QtObject cabinet: cabinetManager
    property QtObject config: configManager
    // The main window, whose ignoreNoUserInteraction the test holds.
    property QtObject display: null
    property var enterNumber: null
    property bool testRunning: false
    property int elapsedSeconds: 0

    readonly property bool portrait: height > width
    readonly property bool buttonBelow: portrait || cabinet.zonesPerRow > 1
                                        || cabinet.numberOfZones > cabinet.numberOfRows
    readonly property int margin: 12

    signal closePressed()
    signal messageRequested(string text, bool showClose)

    function setIgnoreIdle(value) {
        if (display)
            display.ignoreNoUserInteraction = value
    }
    function restoreHolding() {
        io.ttSendRequestSignal()
        if (cabinet.hasFan)
            io.sendAllFanTargetsRequest()
        cabinet.reStateTraysHoldTemps()
    }
    function startTest() {
        if (!cabinet.nothingBeingHeld()) {
            messageRequested(qsTr("Temperature test disabled\nwhile actively holding.") + tro.emptyStr, true)
            return
        }
        io.loadHeatersTempTest()
        testRunning = true
        cabinet.heatersTestEnabled = true
        setIgnoreIdle(true)
        elapsedSeconds = 0
        clock.restart()
    }
    function cancelTest() {
        cabinet.heatersTestEnabled = false
        restoreHolding()
        testRunning = false
        setIgnoreIdle(false)
        clock.stop()
    }
    function close() {
        if (testRunning)
            return
        visible = false
        // The opener switched the tag analysis to test mode; pans placed
        // from now on start holds again.
        io.nfcAccsTestEnabled = false
        closePressed()
        restoreHolding()
    }

    anchors.fill: parent

    Connections {
        target: dialog.cabinet
        function onNoUserInteraction() { dialog.close() }
    }

    Timer {
        id: clock
        interval: 1000
        repeat: true
        onTriggered: dialog.elapsedSeconds += 1
    }

    Rectangle {
        anchors.fill: parent
        color: "#70000000"
    }
    MouseArea2 {
        anchors.fill: parent
    }

    Rectangle {
        id: panel
        objectName: "heatersTestingPanel"
        anchors.fill: parent
        anchors.margins: 20
        radius: 10
        color: uiSkin.dialogBackgroundColor

        Text {
            id: title
            anchors.horizontalCenter: parent.horizontalCenter
            y: dialog.margin
            text: qsTr("Heaters Testing") + tro.emptyStr
            font.pixelSize: uiSkin.servicePageTitleFontSize
            font.bold: true
            color: uiSkin.servicePageTitleFontColor
        }

        HeaterZoneGrid {
            id: grid
            objectName: "zoneGrid"
            x: dialog.margin
            y: title.y + title.height + dialog.margin
            width: dialog.buttonBelow ? panel.width - 2 * dialog.margin : panel.width * 0.68
            io: dialog.io
            cabinet: dialog.cabinet
            config: dialog.config
            enterNumber: dialog.enterNumber
            rowDecidesIndividual: true
            // Below the grid stand the test button and Close.
            availableHeight: dialog.buttonBelow ? panel.height - y - 70 - 2 * dialog.margin
                                                : panel.height - y - 56 - 2 * dialog.margin
            onMessageRequested: dialog.messageRequested(text, showClose)
        }

        Row {
            x: dialog.buttonBelow ? dialog.margin : grid.x + grid.width + dialog.margin
            y: dialog.buttonBelow ? grid.y + grid.height + dialog.margin : grid.y
            spacing: dialog.margin

            NumericKeyboardButton {
                objectName: "heatersTestButton"
                reportVki: false
                width: 140
                height: 70
                radius: 6
                labelSize: 18
                label: (dialog.testRunning ? qsTr("Cancel\nTest") : qsTr("Heaters\nTest")) + tro.emptyStr
                onClicked: dialog.testRunning ? dialog.cancelTest() : dialog.startTest()
            }
            Text {
                objectName: "elapsedText"
                anchors.verticalCenter: parent.verticalCenter
                visible: dialog.testRunning
                text: Diags.elapsedText(dialog.elapsedSeconds)
                font.pixelSize: 22
                font.bold: true
            }
        }

        NumericKeyboardButton {
            objectName: "closeButton"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: dialog.margin
            reportVki: false
            width: 120
            height: 56
            radius: 6
            labelSize: 20
            label: qsTr("Close") + tro.emptyStr
            enabled: !dialog.testRunning
            onClicked: dialog.close()
        }
    }
}
