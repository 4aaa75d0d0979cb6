import QtQuick 2.15
import KivDefs 1.0
import "../widgets"
import "../heaterDiagnostics.js" as Diags

// The zone boxes of the heater screens and their editors: a tap on a set
// point or fan cell opens the number entry, and an accepted value goes to
// the bins and on to the board. The rows are chosen once, when the grid is
// created, from the cabinet's layout.
Grid {
    id: grid

    property QtObject io: masterIOmanager
    property QtObject cabinet: cabinetManager
    property QtObject config: configManager
    // enterNumber(settings, onAccept(value), onCancel()) of the main window;
    // returns the entry panel.
    property var enterNumber: null
    // Per-bin editing follows each row's own flag (the Heaters Testing
    // dialog) instead of the cabinet's temperature handling.
    property bool rowDecidesIndividual: false
    // The Zone Diagnostics page also clears the entry's password mode.
    property bool clearsPasswordInput: false
    // Room the grid may take; the boxes share it, up to their full height.
    property real availableHeight: 10000
    readonly property int fullBoxHeight: 70
    readonly property real boxHeight: {
        var lines = Math.max(1, Math.ceil(d.rows.length / columns))
        return Math.min(fullBoxHeight, (availableHeight - (lines - 1) * spacing) / lines)
    }

    readonly property var rows: d.rows
    readonly property var texts: boxTexts

    // A set point or fan speed was accepted.
    signal valueChanged()
    signal messageRequested(string text, bool showClose)

    function bins() { return io ? io.binInfoList : [] }
    function binAt(index) {
        var list = bins()
        return index >= 0 && index < list.length ? list[index] : null
    }
    function fahrenheitUnit() { return !config || config.tempUnit !== 1 }
    function shown(valueF) { return fahrenheitUnit() ? valueF : cabinet.convertToCelsius(valueF) }

    function editSetPoint(row, box, side) {
        var offset = side === 1 ? Diags.frontOffset(cabinet.tempLayout) : Diags.backOffset(cabinet.tempLayout)
        var current = side === 1 ? box.setpointFront : box.setpointBack
        var settings = { input_text: String(shown(current)), edited_item: box,
                         inputTime_validation: false, edit_started: false }
        if (clearsPasswordInput)
            settings.passwordInput = false
        enterNumber(settings, function (value) {
            var typed = parseInt(value, 10)
            if (isNaN(typed))
                return
            var valueF = fahrenheitUnit() ? typed : cabinet.convertToFahrenheit(typed)
            var perBin = rowDecidesIndividual ? row.individual
                                              : cabinet.tempHandling === KivDefines.KIV_ZONE_TEMP_HANDLING_INDIVIDUAL
            var targets = perBin ? [row.bin + offset] : [row.bin, row.bin + 1]
            for (var i = 0; i < targets.length; ++i) {
                var bin = binAt(targets[i])
                if (bin)
                    bin.targetTemp = valueF
            }
            io.sendAllBinsSetpoints()
            grid.valueChanged()
        }, null)
    }

    function editFan(row) {
        var bin = binAt(row.bin)
        var settings = { signEnabled: false, input_text: String(bin ? bin.targetFanSpeed : 0),
                         inputTime_validation: false, edit_started: false }
        if (clearsPasswordInput)
            settings.passwordInput = false
        var panel = null
        panel = enterNumber(settings, function (value) {
            if (Diags.fanSpeedValid(value) && bin) {
                bin.targetFanSpeed = Number(value)
                io.sendAllBinsFanSpeed()
                grid.valueChanged()
            } else {
                grid.messageRequested(qsTr("Invalid fan speed.<br>0 \u2264 speed \u2265 100") + tro.emptyStr, true)
            }
            if (panel)
                panel.signEnabled = true
        }, null)
    }

    columns: Diags.gridColumns(d.shape)
    spacing: 6
    layoutDirection: cabinet && cabinet.mirrorDisplay ? Qt.RightToLeft : Qt.LeftToRight

    QtObject {
        id: d
        property var shape: ({})
        property var rows: []
    }

    QtObject {
        id: boxTexts
        readonly property string zoneLabel: qsTr("Zone ") + tro.emptyStr

        function unit() { return grid.fahrenheitUnit() ? "F" : "C" }
        function spText(value, side) {
            return Diags.setPointText(value, grid.shown(value), side, grid.cabinet.tempLayout,
                                      grid.cabinet.mirrorDisplay === true, unit(),
                                      { off: qsTr("OFF") + tro.emptyStr, on: qsTr("ON") + tro.emptyStr })
        }
        function actualText(value) {
            return Diags.actualText(value, grid.shown(value), unit(), qsTr("+++") + tro.emptyStr)
        }
        function tempColor(setPoint, value) { return Diags.tempColor(setPoint, value) }
        function fanText(prefix, speed) { return Diags.fanText(prefix, speed) }
    }

    Repeater {
        objectName: "zoneRepeater"
        model: d.rows
        HeaterDiagnosticBox {
            readonly property var row: modelData
            readonly property QtObject frontBin: grid.binAt(row.bin + Diags.frontOffset(grid.cabinet.tempLayout))
            readonly property QtObject backBin: grid.binAt(row.bin + Diags.backOffset(grid.cabinet.tempLayout))
            readonly property QtObject firstBin: grid.binAt(row.bin)

            objectName: "heaterBox" + index
            width: (grid.width - (grid.columns - 1) * grid.spacing) / grid.columns
            height: grid.boxHeight
            zonenumber: row.zoneDisplayNum
            setpointFront: frontBin ? frontBin.targetTemp : 0
            tempFront: frontBin ? frontBin.actualTemp : 0
            setpointBack: backBin ? backBin.targetTemp : 0
            tempBack: backBin ? backBin.actualTemp : 0
            fanSetting: firstBin ? firstBin.targetFanSpeed : 0
            fanActual: firstBin ? firstBin.actualFanSpeed : 0
            individualTemps: grid.cabinet.tempHandling === KivDefines.KIV_ZONE_TEMP_HANDLING_INDIVIDUAL
            showFan: grid.cabinet.hasFan === true
            mirrored: grid.cabinet.mirrorDisplay === true && grid.cabinet.perBinTemps === true
            texts: boxTexts
            onEditTempSignal: grid.editSetPoint(row, this, frontBack)
            onEditFanSignal: grid.editFan(row)
        }
    }

    Component.onCompleted: {
        var c = cabinet
        d.shape = { numberOfZones: c.numberOfZones, numberOfRows: c.numberOfRows, traysPerZone: c.traysPerZone,
                    zonesPerRow: c.zonesPerRow, zoneNumberingOrder: c.zoneNumberingOrder,
                    singleColumnUnit: c.singleColumnUnit === true, perBinTemps: c.perBinTemps === true }
        d.rows = Diags.zoneRows(c.orientationId, d.shape)
    }
}
