import QtQuick 2.15
import KivDefs 1.0
import "../widgets"

// The Zone Diagnostics content: the zone boxes, the power line, the control
// temperature and the service test. Usable only while unlocked; it shows
// its values also while locked. A started test or an accepted value makes
// the page modified; leaving that state puts the holding set points back.
Item {
    id: diags

    property QtObject io: masterIOmanager
    property QtObject cabinet: cabinetManager
    property QtObject config: configManager
    property var enterNumber: null
    property bool locked: true
    property bool modified: false

    readonly property bool portrait: height > width
    // Landscape cabinets with one zone a row and no fans have room beside
    // the grid; every other keeps the extras below it.
    readonly property bool sideColumn: !portrait && cabinet.zonesPerRow === 1
                                       && cabinet.numberOfZones <= cabinet.numberOfRows && !cabinet.hasFan
    readonly property bool showPower: !locked && (cabinet.controlBoardType === KivDefines.KIV_IO_BOARD_08_HEATERS
                                                  || cabinet.controlBoardType === KivDefines.KIV_IO_BOARD_12_HEATERS)
    readonly property int margin: 10

    signal messageRequested(string text, bool showClose)
    // Holding started: the page locks itself again.
    signal lockRequested()

    function restoreHolding() {
        io.ttSendRequestSignal()
        if (cabinet.hasFan)
            io.sendAllFanTargetsRequest()
        cabinet.reStateTraysHoldTemps()
    }
    function serviceTestPressed() {
        if (modified) {
            restoreHolding()
            modified = false
        } else if (cabinet.nothingBeingHeld()) {
            io.loadBinTempTest()
            modified = true
        } else {
            messageRequested(qsTr("Temperature test disabled\nwhile actively holding.") + tro.emptyStr, true)
        }
    }
    function powerText() {
        return qsTr("V: ") + io.lineVoltage + qsTr("V") + "   " + qsTr("I: ") + io.lineCurrent + qsTr("A")
                + "   " + qsTr("F: ") + io.lineFrequency + qsTr("Hz") + tro.emptyStr
    }
    function controlTempText() {
        var t = io.ambientTemperature
        return config.tempUnit === 1 ? cabinet.convertToCelsius(t) + "\u00b0C" : t + "\u00b0F"
    }

    Connections {
        target: diags.cabinet
        function onActivelyHoldingChanged() {
            if (!diags.cabinet.activelyHolding)
                return
            if (diags.modified) {
                diags.io.ttSendRequestSignal()
                diags.cabinet.reStateTraysHoldTemps()
                if (diags.cabinet.hasFan)
                    diags.io.sendAllFanTargetsRequest()
                diags.modified = false
                diags.messageRequested(qsTr("Tests cancelled. Active timers.") + tro.emptyStr, true)
            }
            diags.lockRequested()
        }
    }

    Text {
        id: title
        objectName: "title"
        anchors.horizontalCenter: parent.horizontalCenter
        y: diags.margin
        text: qsTr("Zone Diagnostics") + tro.emptyStr
        font.pixelSize: uiSkin.servicePageTitleFontSize
        font.bold: true
        color: uiSkin.servicePageTitleFontColor
    }

    Text {
        id: power
        objectName: "powerRow"
        visible: diags.showPower
        text: diags.powerText()
        font.pixelSize: 18
        x: diags.sideColumn ? extras.x : diags.margin
        y: diags.sideColumn ? extras.y - height - diags.margin : title.y + title.height + diags.margin
    }

    HeaterZoneGrid {
        id: grid
        objectName: "zoneGrid"
        x: diags.margin
        y: (!diags.sideColumn && diags.showPower ? power.y + power.height : title.y + title.height) + diags.margin
        width: diags.sideColumn ? diags.width * 0.68 - diags.margin : diags.width - 2 * diags.margin
        io: diags.io
        cabinet: diags.cabinet
        config: diags.config
        enterNumber: diags.enterNumber
        clearsPasswordInput: true
        // Below the grid stand the control temperature and the test button.
        availableHeight: diags.sideColumn ? diags.height - y - diags.margin
                                          : diags.height - y - 70 - 2 * diags.margin
        enabled: !diags.locked
        onValueChanged: diags.modified = true
        onMessageRequested: diags.messageRequested(text, showClose)
    }

    Flow {
        id: extras
        x: diags.sideColumn ? grid.x + grid.width + diags.margin : diags.margin
        y: diags.sideColumn ? grid.y + 40 : grid.y + grid.height + diags.margin
        width: diags.sideColumn ? diags.width - x - diags.margin : diags.width - 2 * diags.margin
        spacing: diags.margin
        flow: diags.sideColumn ? Flow.TopToBottom : Flow.LeftToRight

        Rectangle {
            objectName: "controlTempBox"
            width: 220
            height: 70
            radius: 6
            color: "#e8e8e8"
            border.color: "#a0a0a0"
            Column {
                anchors.centerIn: parent
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("<b>Control Temperature:</b>") + tro.emptyStr
                    font.pixelSize: 16
                }
                Text {
                    objectName: "controlTempText"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: diags.controlTempText()
                    font.pixelSize: 20
                }
            }
        }
        NumericKeyboardButton {
            objectName: "serviceTestButton"
            visible: !diags.locked
            reportVki: false
            width: 140
            height: 70
            radius: 6
            labelSize: 18
            label: (diags.modified ? qsTr("Cancel\nTest") : qsTr("Service\nTest")) + tro.emptyStr
            onClicked: diags.serviceTestPressed()
        }
    }
}
