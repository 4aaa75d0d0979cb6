.pragma library

// The rules of the menu and day-part screens that are not drawing: how many
// bins a pan takes, which list rows fit a place, the temperature texts and
// limits, and the product form's checks. They take plain values (never a
// context object), so the screens and their tests share them as they are.

// Customer ids, as the cabinet numbers them (KivDefines.CUSTOMER_ID_*).
var customerZuZ = 1
var customerDez = 3
var customerX = 4

// Room an upper temperature may differ by when a zone's temperatures are
// handled per product (°F).
var tempRangeF = 30

var noTimerColor = "#fffffd"
var fanSpeedMin = 50
var fanSpeedMax = 100

var lidTypes = ["None", "Solid", "Vented"]
var bottomTypes = ["Normal", "False"]

// The fractions a cabinet offers, smallest first, by bins per zone.
function fractionChoices(traysPerZone) {
    switch (traysPerZone) {
    case 2: return ["1/2", "1/1"]
    case 3: return ["1/3", "1/2", "2/3", "1/1"]
    case 4: return ["1/4", "1/2", "3/4", "1/1"]
    }
    return []
}

// Bins a pan of this fraction takes in a zone of traysPerZone bins. A half
// pan in a three-bin zone takes one and a half; anything unknown takes one.
function traySize(fraction, traysPerZone) {
    var sizes = {
        2: { "1/2": 1, "1/1": 2 },
        3: { "1/3": 1, "1/2": 1.5, "2/3": 2, "1/1": 3 },
        4: { "1/4": 1, "1/2": 2, "3/4": 3, "1/1": 4 }
    }
    var table = sizes[traysPerZone]
    if (table === undefined || table[fraction] === undefined)
        return 1
    return table[fraction]
}

// Whether a row of a product list fits the filter.
// row: lowerTemp, upperTemp (°F), panSizeX, lidType, targetFanSpeed.
// filter: active, lowerTemp, upperTemp (°F as text, "" = any), rangeFilter,
//   panSize (0 = any), exact, lidType ("" = any), fanSpeed (0 = any).
// cabinet: customerId, celsius, toCelsius(°F), traysPerZone, hasFan.
function rowSelectable(row, filter, cabinet) {
    if (!filter.active)
        return true
    var shown = function (f) { return cabinet.celsius ? cabinet.toCelsius(Number(f)) : Number(f) }

    if (cabinet.customerId === customerDez) {
        if (filter.upperTemp !== "") {
            var upper = Number(filter.upperTemp)
            var span = filter.rangeFilter ? tempRangeF : 0
            var low = shown(upper - span)
            var high = shown(upper + span)
            var value = shown(row.upperTemp)
            if (value < low || value > high)
                return false
        }
    } else {
        if (filter.lowerTemp !== "" && Math.floor(shown(row.lowerTemp)) !== Math.floor(shown(filter.lowerTemp)))
            return false
        if (filter.upperTemp !== "" && Math.floor(shown(row.upperTemp)) !== Math.floor(shown(filter.upperTemp)))
            return false
    }

    if (filter.panSize !== 0) {
        var size = traySize(row.panSizeX, cabinet.traysPerZone)
        if (filter.exact) {
            if (size !== filter.panSize)
                return false
        } else if (filter.panSize === 1.5) {
            // In a three-bin zone a half pan goes only beside another half pan.
            if (size !== 1.5)
                return false
        } else if (size > filter.panSize || (size === 1.5 && filter.panSize !== 3)) {
            return false
        }
    }

    if (cabinet.hasFan && filter.fanSpeed !== 0 && Number(row.targetFanSpeed) !== filter.fanSpeed)
        return false
    if (filter.lidType !== "" && row.lidType !== filter.lidType)
        return false
    return true
}

// A group's temperature as the group form shows it: "0" for no value, else
// the value with its unit.
function tempText(valueF, celsius, toCelsius) {
    if (Number(valueF) === 0)
        return "0"
    return celsius ? toCelsius(Number(valueF)) + "\u00b0C" : Number(valueF) + "\u00b0F"
}

// The temperatures a customer's products may hold, in °F and in °C.
function tempLimits(customerId) {
    if (customerId === customerZuZ)
        return { lowF: 165, highF: 200, lowC: 74, highC: 93 }
    if (customerId === customerX)
        return { lowF: 90, highF: 245, lowC: 32, highC: 118 }
    return { lowF: 90, highF: 225, lowC: 32, highC: 107 }
}

function lidIndex(text) { return Math.max(0, lidTypes.indexOf(text)) }
function bottomIndex(text) { return Math.max(0, bottomTypes.indexOf(text)) }

function fanSpeedValid(percent) {
    return percent >= fanSpeedMin && percent <= fanSpeedMax
}

// Seconds of an "hh:mm:ss" text; -1 when it is not one (hh up to 23, mm and
// ss up to 59).
function secondsOf(text) {
    var m = /^(\d{1,2}):(\d{1,2}):(\d{1,2})$/.exec(String(text))
    if (!m)
        return -1
    var h = Number(m[1]), min = Number(m[2]), s = Number(m[3])
    if (h > 23 || min > 59 || s > 59)
        return -1
    return h * 3600 + min * 60 + s
}

function hhmmss(seconds) {
    var pad = function (n) { return (n < 10 ? "0" : "") + n }
    seconds = Math.max(0, Math.floor(seconds))
    return pad(Math.floor(seconds / 3600)) + ":" + pad(Math.floor(seconds / 60) % 60) + ":" + pad(seconds % 60)
}

// The product form's checks, in the order the user is told about them: the
// first failing one's message (untranslated; the form shows it through
// qsTr), or "" when the product may be saved.
// p: hold, warning, reset (seconds, -1 = not a time), name, lowerF, upperF,
// fanSpeed (checked only when hasFan).
function productError(p, customerId, hasFan) {
    if (p.hold < 6 * 60 || p.hold > 480 * 60)
        return QT_TRANSLATE_NOOP("ProductItemEditPanel", "Invalid hold time value!")
    if (p.warning < 60 || p.warning >= p.hold)
        return QT_TRANSLATE_NOOP("ProductItemEditPanel", "Invalid warning time value!")
    if (String(p.name).trim() === "")
        return QT_TRANSLATE_NOOP("ProductItemEditPanel", "Invalid product name!")
    if (p.reset < 0 || p.reset >= 3600)
        return QT_TRANSLATE_NOOP("ProductItemEditPanel", "Invalid reset time value!")
    var limits = tempLimits(customerId)
    if (p.lowerF < limits.lowF || p.lowerF > limits.highF || p.upperF < limits.lowF || p.upperF > limits.highF)
        return QT_TRANSLATE_NOOP("ProductItemEditPanel", "Invalid hold temperature!")
    if (hasFan && !fanSpeedValid(p.fanSpeed))
        return QT_TRANSLATE_NOOP("ProductItemEditPanel", "Invalid fan speed value!")
    return ""
}

// Names per language: every empty entry takes the given name, when it is
// not empty itself. Returns a new list.
function fillEmptyNames(names, name) {
    var out = names.slice()
    if (String(name) === "")
        return out
    for (var i = 0; i < out.length; ++i) {
        if (out[i] === undefined || out[i] === "")
            out[i] = name
    }
    return out
}

// ---- Day-part pages ----
//
// A page reads its day part into a position table: entry zone × T + pan
// index (T = bins per zone) holds { pid, name, lt, ut, ps, fs }: the id on
// the position (0 = free), its name, lower and upper temperature (°F),
// fraction text and fan speed. The rules below take that table and the
// cabinet's layout { traysPerZone, numberOfZones, singleBinZone,
// zonesPerRow, hasFan }.

// A page holds at most this many positions; a larger cabinet shows and
// reads only the first ones.
var maxPositions = 20

function freePosition() {
    return { pid: 0, name: "", lt: 0, ut: 0, ps: "", fs: 100 }
}

// Positions of zone z that lie within the page's table.
function zonePositions(layout, z) {
    var t = layout.traysPerZone
    return Math.max(0, Math.min(t, maxPositions - z * t))
}

// Zones that have at least one position on the page.
function zonesShown(layout) {
    var shown = 0
    while (shown < layout.numberOfZones && zonePositions(layout, shown) > 0)
        ++shown
    return shown
}

function entryAt(table, layout, z, p) {
    var e = table[z * layout.traysPerZone + p]
    return e === undefined ? freePosition() : e
}

function occupied(table, layout, z, p) { return entryAt(table, layout, z, p).pid !== 0 }

// Odd zones of a single-bin cabinet with two zones per row use one bin
// only: their room is one bin and they take any temperature.
function oneBinZone(layout, z) {
    return layout.singleBinZone === 1 && layout.zonesPerRow === 2 && z % 2 === 1
}

// Odd zones of a single-bin cabinet are drawn one bin wide with their
// first position only.
function drawnAsOneBin(layout, z) {
    return layout.singleBinZone === 1 && z % 2 === 1
}

// Bins of the zone's occupied positions, from its first position up to
// (not including) position `upTo`.
function binsTaken(table, layout, z, upTo) {
    var sum = 0
    for (var p = 0; p < upTo; ++p) {
        var e = entryAt(table, layout, z, p)
        if (e.pid !== 0)
            sum += traySize(e.ps, layout.traysPerZone)
    }
    return sum
}

// Width of a position's cell in bins: an occupied position is as wide as
// its pan, a free one under an earlier larger pan is 0 (not drawn), and
// the free half beside a lone half pan of a three-bin zone is 1.5.
function cellWidth(table, layout, z, p) {
    if (p >= zonePositions(layout, z) || (drawnAsOneBin(layout, z) && p > 0))
        return 0
    var e = entryAt(table, layout, z, p)
    if (e.pid !== 0)
        return traySize(e.ps, layout.traysPerZone)
    var before = binsTaken(table, layout, z, p)
    if (before > p && before !== 1.5)
        return 0
    return binsTaken(table, layout, z, zonePositions(layout, z)) === 1.5 ? 1.5 : 1
}

// The cells of a zone as drawn: per position its width and first bin (both
// in bins); a cell that starts beyond the zone is not drawn.
function zoneCells(table, layout, z) {
    var bins = drawnAsOneBin(layout, z) ? 1 : layout.traysPerZone
    var cells = []
    var start = 0
    for (var p = 0; p < layout.traysPerZone; ++p) {
        var w = cellWidth(table, layout, z, p)
        cells.push({ width: w, start: start, drawn: w > 0 && start < bins })
        start += w
    }
    return cells
}

// Pixels of a cell w bins wide when one bin is `binPx` wide and cells
// stand 4 px apart, so that a pan covers exactly the bins it takes.
var cellGap = 4
function cellPixels(w, binPx) {
    return Math.floor(w * (binPx - cellGap) + (w - 1) * cellGap)
}

// Room at a position, in bins: what a pan put there may take.
function zoneRoom(table, layout, z, p) {
    var n = zonePositions(layout, z)
    var sum = 0
    for (var i = 0; i < n; ++i) {
        var e = entryAt(table, layout, z, i)
        if (e.pid === 0)
            continue
        sum += traySize(e.ps, layout.traysPerZone)
        // A lone half pan in a three-bin zone leaves room for another half.
        if (sum === 1.5)
            return 1.5
    }
    if (oneBinZone(layout, z))
        return 1
    var room = 1
    for (var q = p + 1; q < n && !occupied(table, layout, z, q); ++q)
        ++room
    return room
}

// Whether any position of zone z other than `except` is occupied.
function othersOccupied(table, layout, z, except) {
    for (var p = 0; p < zonePositions(layout, z); ++p) {
        if (p !== except && occupied(table, layout, z, p))
            return true
    }
    return false
}

// What a touch on a position may put there: the room and the temperatures
// and fan speed of the zone (0 = no constraint). A pan that is or would
// be alone in its zone may have any temperatures and fan speed.
function touchValues(table, layout, z, p) {
    var v = { lower: 0, upper: 0, fan: 0, room: zoneRoom(table, layout, z, p) }
    if (oneBinZone(layout, z) || !othersOccupied(table, layout, z, p))
        return v
    for (var i = 0; i < zonePositions(layout, z); ++i) {
        var e = entryAt(table, layout, z, i)
        if (e.pid !== 0) {
            v.lower = e.lt
            v.upper = e.ut
            v.fan = e.fs
            break
        }
    }
    return v
}

// After product or group `pid` was saved with new values { lower, upper,
// panSize, fraction, fan }: the positions, as { zone, pan }, where it no
// longer fits. Every decision is taken on the table as it stood before.
function positionsToClear(table, layout, pid, v) {
    var clear = []
    var t = layout.traysPerZone
    var size = traySize(v.fraction, t)
    for (var z = 0; z < zonesShown(layout); ++z) {
        for (var p = zonePositions(layout, z) - 1; p >= 0; --p) {
            var e = entryAt(table, layout, z, p)
            if (e.pid !== pid)
                continue
            var alone = !othersOccupied(table, layout, z, p)
            var otherHalf = false
            for (var q = 0; q < zonePositions(layout, z); ++q) {
                var o = entryAt(table, layout, z, q)
                if (q !== p && o.pid !== 0 && traySize(o.ps, t) === 1.5)
                    otherHalf = true
            }
            var room = zoneRoom(table, layout, z, p)
            // A half pan of a three-bin zone stays only beside another half.
            var misfit = otherHalf !== (size === 1.5)
                      || p + v.panSize > t || room < v.panSize
                      || (!alone && (v.lower !== e.lt || v.upper !== e.ut
                                     || (layout.hasFan && v.fan !== e.fs)))
            if (misfit)
                clear.push({ zone: z, pan: p })
        }
    }
    return clear
}
