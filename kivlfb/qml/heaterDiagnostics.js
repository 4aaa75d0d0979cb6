.pragma library

// Zone rows, box texts and box colours of the heater diagnostic screens.
// Plain functions of their arguments, so that both screens share them and
// a table test can pin them down.

// UI ids (CabmgrDefs) with a fixed row list.
var UIID_5x4_PRIMARY = 1
var UIID_5x4_SECOND = 2
var UIID_2x4_PRIMARY = 9
var UIID_2x4_MIRROR = 10
var UIID_2x2_PRIMARY = 17
var UIID_2x2_MIRROR = 18
var UIID_5x2_PRIMARY = 32

// KivDefines values the texts depend on.
var TEMP_LAYOUT_LEFT_RIGHT = 1
var TEMP_LAYOUT_TOP_BOTTOM = 2

// A set point of this or more means "heater fully on"; a reading of
// TC_OPEN or more is an open thermocouple.
var SETPOINT_ON = 300
var TC_OPEN = 3275
// Readings within this of the set point count as on target.
var ON_TARGET_BAND = 5

var COLOR_COLD = "#7070ff"
var COLOR_ON_TARGET = "#20ff20"
var COLOR_HOT = "#ff2020"

function row(zoneDisplayNum, bin, individual) {
    return { zoneDisplayNum: zoneDisplayNum, bin: bin, individual: individual }
}

function fixedRows(pairs, individual) {
    var rows = []
    for (var i = 0; i < pairs.length; i += 2)
        rows.push(row(pairs[i], pairs[i + 1], individual))
    return rows
}

function singleColumn(cab) {
    return cab.singleColumnUnit && cab.zonesPerRow < 2
}

// The rows of any cabinet, from its shape: one per zone in a single
// column, else the two zones at the start of every cabinet row.
function buildUniversalHeatDiagsModel(cab) {
    var rows = []
    var nz = cab.numberOfZones
    var bpz = cab.traysPerZone
    var fromTop = cab.zoneNumberingOrder !== 0
    if (singleColumn(cab)) {
        for (var z = 0; z < nz; ++z)
            rows.push(row(fromTop ? z + 1 : nz - z, z * bpz, cab.perBinTemps))
        return rows
    }
    for (var r = 0; r < cab.numberOfRows; ++r) {
        var first = r * cab.zonesPerRow * bpz
        rows.push(row(fromTop ? 2 * r + 1 : nz - 2 * r - 1, first, cab.perBinTemps))
        rows.push(row(fromTop ? 2 * r + 2 : nz - 2 * r, first + bpz, cab.perBinTemps))
    }
    return rows
}

// The rows shown for a cabinet: a fixed list for the layouts whose board
// numbering differs from the screen's, else the universal list.
function zoneRows(uiId, cab) {
    switch (uiId) {
    case UIID_5x2_PRIMARY:
        return fixedRows([5, 0, 4, 2, 3, 4, 2, 6, 1, 8], true)
    case UIID_2x4_PRIMARY:
    case UIID_2x4_MIRROR:
        return fixedRows([3, 0, 4, 2, 1, 4, 2, 6], true)
    case UIID_2x2_PRIMARY:
    case UIID_2x2_MIRROR:
        return fixedRows([2, 0, 1, 2], true)
    case UIID_5x4_PRIMARY:
    case UIID_5x4_SECOND:
        if (cab.numberOfZones > cab.numberOfRows)
            return fixedRows([9, 0, 10, 10, 7, 2, 8, 12, 5, 4, 6, 14, 3, 6, 4, 16, 1, 8, 2, 18], true)
        break
    }
    return buildUniversalHeatDiagsModel(cab)
}

// Columns of the zone grid.
function gridColumns(cab) {
    return singleColumn(cab) ? 1 : 2
}

// Offsets from a row's first bin of the front and back heater: with the
// top/bottom layout the upper heater is the zone's second bin.
function frontOffset(tempLayout) { return tempLayout === TEMP_LAYOUT_TOP_BOTTOM ? 1 : 0 }
function backOffset(tempLayout) { return tempLayout === TEMP_LAYOUT_TOP_BOTTOM ? 0 : 1 }

// side: 1 front, 0 back.
function sideLabel(side, tempLayout, mirror) {
    if (tempLayout === TEMP_LAYOUT_LEFT_RIGHT)
        return (side === 1) !== mirror ? qsTranslate("heaterDiagnostics", "L: ", "left side")
                                       : qsTranslate("heaterDiagnostics", "R: ", "right side")
    if (tempLayout === TEMP_LAYOUT_TOP_BOTTOM)
        return side === 1 ? qsTranslate("heaterDiagnostics", "U: ", "upper side")
                          : qsTranslate("heaterDiagnostics", "L: ", "lower side")
    return side === 1 ? qsTranslate("heaterDiagnostics", "F: ", "front side")
                      : qsTranslate("heaterDiagnostics", "B: ", "back side")
}

// shown: the value in the display unit; unit: "F" or "C"; words: the
// translated "OFF" and "ON".
function setPointText(value, shown, side, tempLayout, mirror, unit, words) {
    var text
    if (value === 0)
        text = words.off
    else if (value >= SETPOINT_ON)
        text = words.on
    else
        text = shown + "\u00b0" + unit
    return sideLabel(side, tempLayout, mirror) + text
}

// overRange: the translated "+++".
function actualText(value, shown, unit, overRange) {
    if (value <= 0)
        return "---"
    if (value >= TC_OPEN)
        return overRange
    return shown + "\u00b0" + unit
}

// Compared on the stored Fahrenheit values.
function tempColor(setPoint, value) {
    if (value < setPoint - ON_TARGET_BAND)
        return COLOR_COLD
    if (value > setPoint + ON_TARGET_BAND)
        return COLOR_HOT
    return COLOR_ON_TARGET
}

function fanText(prefix, speed) {
    return prefix + Math.max(0, speed) + "%"
}

// A fan speed is a percentage.
function fanSpeedValid(text) {
    var speed = Number(text)
    return text !== "" && Number.isInteger(speed) && speed >= 0 && speed <= 100
}

// Elapsed test time as hh:mm:ss.
function elapsedText(seconds) {
    function two(n) { return (n < 10 ? "0" : "") + n }
    return two(Math.floor(seconds / 3600)) + ":" + two(Math.floor(seconds / 60) % 60) + ":" + two(seconds % 60)
}
