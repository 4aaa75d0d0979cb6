import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml/menurules.js" as Rules

TestCase {
    name: "MenuRules"

    function test_traySize_data() {
        return [
            { tag: "2: 1/2", bins: 2, fraction: "1/2", size: 1 },
            { tag: "2: 1/1", bins: 2, fraction: "1/1", size: 2 },
            { tag: "2: 1/3 unknown", bins: 2, fraction: "1/3", size: 1 },
            { tag: "3: 1/3", bins: 3, fraction: "1/3", size: 1 },
            { tag: "3: 1/2", bins: 3, fraction: "1/2", size: 1.5 },
            { tag: "3: 2/3", bins: 3, fraction: "2/3", size: 2 },
            { tag: "3: 1/1", bins: 3, fraction: "1/1", size: 3 },
            { tag: "4: 1/2", bins: 4, fraction: "1/2", size: 2 },
            { tag: "4: 3/4", bins: 4, fraction: "3/4", size: 3 },
            { tag: "4: 1/1", bins: 4, fraction: "1/1", size: 4 },
            { tag: "empty text", bins: 3, fraction: "", size: 1 },
            { tag: "unknown bins", bins: 5, fraction: "1/1", size: 1 },
        ]
    }
    function test_traySize(data) {
        compare(Rules.traySize(data.fraction, data.bins), data.size)
    }

    function cabinet(extra) {
        var c = { customerId: 0, celsius: false, traysPerZone: 3, hasFan: true,
                  toCelsius: function (f) { return Math.floor((f - 32) * 5 / 9 + 0.5) } }
        for (var k in extra)
            c[k] = extra[k]
        return c
    }
    function filter(extra) {
        var f = { active: true, lowerTemp: "", upperTemp: "", rangeFilter: false, panSize: 0,
                  exact: false, lidType: "", fanSpeed: 0 }
        for (var k in extra)
            f[k] = extra[k]
        return f
    }
    function row(extra) {
        var r = { lowerTemp: 165, upperTemp: 200, panSizeX: "1/3", lidType: "None", targetFanSpeed: 80 }
        for (var k in extra)
            r[k] = extra[k]
        return r
    }

    function test_rowFilter_data() {
        return [
            { tag: "off: anything fits", f: { active: false, panSize: 1, lidType: "Solid" }, r: { panSizeX: "1/1" }, fits: true },
            { tag: "room 1.5 takes 1/2", f: { panSize: 1.5 }, r: { panSizeX: "1/2" }, fits: true },
            { tag: "room 1.5 refuses 1/3", f: { panSize: 1.5 }, r: { panSizeX: "1/3" }, fits: false },
            { tag: "room 3 takes 1/2", f: { panSize: 3 }, r: { panSizeX: "1/2" }, fits: true },
            { tag: "room 2 refuses 1/2", f: { panSize: 2 }, r: { panSizeX: "1/2" }, fits: false },
            { tag: "room 2 takes 2/3", f: { panSize: 2 }, r: { panSizeX: "2/3" }, fits: true },
            { tag: "room 2 refuses 1/1", f: { panSize: 2 }, r: { panSizeX: "1/1" }, fits: false },
            { tag: "exact 2 of 4 bins: 1/2", c: { traysPerZone: 4 }, f: { panSize: 2, exact: true }, r: { panSizeX: "1/2" }, fits: true },
            { tag: "exact 2 of 4 bins: 1/4", c: { traysPerZone: 4 }, f: { panSize: 2, exact: true }, r: { panSizeX: "1/4" }, fits: false },
            { tag: "exact 2 of 4 bins: 3/4", c: { traysPerZone: 4 }, f: { panSize: 2, exact: true }, r: { panSizeX: "3/4" }, fits: false },
            { tag: "DEZ range 170: 140", c: { customerId: 3 }, f: { upperTemp: "170", rangeFilter: true }, r: { upperTemp: 140 }, fits: true },
            { tag: "DEZ range 170: 200", c: { customerId: 3 }, f: { upperTemp: "170", rangeFilter: true }, r: { upperTemp: 200 }, fits: true },
            { tag: "DEZ range 170: 139", c: { customerId: 3 }, f: { upperTemp: "170", rangeFilter: true }, r: { upperTemp: 139 }, fits: false },
            { tag: "DEZ range 170: 201", c: { customerId: 3 }, f: { upperTemp: "170", rangeFilter: true }, r: { upperTemp: 201 }, fits: false },
            { tag: "DEZ ignores the lower temperature", c: { customerId: 3 }, f: { lowerTemp: "150", upperTemp: "200" }, r: { lowerTemp: 165 }, fits: true },
            { tag: "DEZ exact without range", c: { customerId: 3 }, f: { upperTemp: "170" }, r: { upperTemp: 171 }, fits: false },
            { tag: "°C: lower 165 takes 166 °F", c: { celsius: true }, f: { lowerTemp: "165" }, r: { lowerTemp: 166 }, fits: true },
            { tag: "°C: lower 165 refuses 164 °F", c: { celsius: true }, f: { lowerTemp: "165" }, r: { lowerTemp: 164 }, fits: false },
            { tag: "°F: lower 165 refuses 166", f: { lowerTemp: "165" }, r: { lowerTemp: 166 }, fits: false },
            { tag: "upper differs", f: { upperTemp: "190" }, r: { upperTemp: 200 }, fits: false },
            { tag: "fan differs", f: { fanSpeed: 70 }, r: { targetFanSpeed: 80 }, fits: false },
            { tag: "fan differs, no fans", c: { hasFan: false }, f: { fanSpeed: 70 }, r: { targetFanSpeed: 80 }, fits: true },
            { tag: "fan 0 means any", f: { fanSpeed: 0 }, r: { targetFanSpeed: 80 }, fits: true },
            { tag: "lid differs", f: { lidType: "Solid" }, r: { lidType: "Vented" }, fits: false },
            { tag: "lid matches", f: { lidType: "Vented" }, r: { lidType: "Vented" }, fits: true },
        ]
    }
    function test_rowFilter(data) {
        compare(Rules.rowSelectable(row(data.r), filter(data.f), cabinet(data.c || {})), data.fits)
    }

    function test_texts() {
        var toC = function (f) { return Math.floor((f - 32) * 5 / 9 + 0.5) }
        compare(Rules.tempText(0, false, toC), "0")
        compare(Rules.tempText(0, true, toC), "0")
        compare(Rules.tempText(165, false, toC), "165\u00b0F")
        compare(Rules.tempText(165, true, toC), "74\u00b0C")
        compare(Rules.hhmmss(3599), "00:59:59")
        compare(Rules.hhmmss(8 * 3600), "08:00:00")
        compare(Rules.secondsOf("01:02:03"), 3723)
        compare(Rules.secondsOf("24:00:00"), -1)
        compare(Rules.secondsOf("00:60:00"), -1)
        compare(Rules.secondsOf("1:2"), -1)
    }

    function test_limits_data() {
        return [
            { tag: "ZuZ", id: 1, l: [165, 200, 74, 93] },
            { tag: "X", id: 4, l: [90, 245, 32, 118] },
            { tag: "DEZ", id: 3, l: [90, 225, 32, 107] },
            { tag: "GM", id: 0, l: [90, 225, 32, 107] },
        ]
    }
    function test_limits(data) {
        var l = Rules.tempLimits(data.id)
        compare([l.lowF, l.highF, l.lowC, l.highC], data.l)
    }

    function test_productChecks_data() {
        var ok = { hold: 3600, warning: 600, reset: 0, name: "Fries", lowerF: 165, upperF: 200, fanSpeed: 80 }
        function with_(extra) {
            var p = {}
            for (var k in ok) p[k] = ok[k]
            for (var j in extra) p[j] = extra[j]
            return p
        }
        return [
            { tag: "good", p: ok, error: "" },
            { tag: "hold 5:59 min", p: with_({ hold: 359 }), error: "Invalid hold time value!" },
            { tag: "hold 6 min", p: with_({ hold: 360, warning: 60 }), error: "" },
            { tag: "hold 480 min", p: with_({ hold: 480 * 60 }), error: "" },
            { tag: "hold 480:01", p: with_({ hold: 480 * 60 + 1 }), error: "Invalid hold time value!" },
            { tag: "hold not a time", p: with_({ hold: -1 }), error: "Invalid hold time value!" },
            { tag: "warning = hold", p: with_({ warning: 3600 }), error: "Invalid warning time value!" },
            { tag: "warning 59 s", p: with_({ warning: 59 }), error: "Invalid warning time value!" },
            { tag: "blank name", p: with_({ name: "   " }), error: "Invalid product name!" },
            { tag: "reset 3600", p: with_({ reset: 3600 }), error: "Invalid reset time value!" },
            { tag: "reset 3599", p: with_({ reset: 3599 }), error: "" },
            { tag: "ZuZ 201 °F", id: 1, p: with_({ upperF: 201 }), error: "Invalid hold temperature!" },
            { tag: "ZuZ 164 °F", id: 1, p: with_({ lowerF: 164 }), error: "Invalid hold temperature!" },
            { tag: "X 245 °F", id: 4, p: with_({ upperF: 245 }), error: "" },
            { tag: "other 226 °F", p: with_({ upperF: 226 }), error: "Invalid hold temperature!" },
            { tag: "fan 120", fan: true, p: with_({ fanSpeed: 120 }), error: "Invalid fan speed value!" },
            { tag: "fan 49", fan: true, p: with_({ fanSpeed: 49 }), error: "Invalid fan speed value!" },
            { tag: "fan 120, no fans", fan: false, p: with_({ fanSpeed: 120 }), error: "" },
            { tag: "first failing wins", p: with_({ hold: 100, name: "" }), error: "Invalid hold time value!" },
        ]
    }
    function test_productChecks(data) {
        compare(Rules.productError(data.p, data.id || 0, data.fan || false), data.error)
    }

    function test_names() {
        compare(Rules.fillEmptyNames(["", "Papas", "", ""], "Fries"), ["Fries", "Papas", "Fries", "Fries"])
        compare(Rules.fillEmptyNames(["", "Papas"], ""), ["", "Papas"])
        compare(Rules.lidIndex("Vented"), 2)
        compare(Rules.lidIndex("Lidded"), 0)
        compare(Rules.bottomIndex("False"), 1)
        compare(Rules.bottomIndex("?"), 0)
    }

    // ---- Day-part pages: the rules over a position table ----

    // A table from zones written as lists of positions: "" is free, a
    // fraction text is a pan of product 1 at 165/200 °F and fan 80, and
    // { ps, pid, lt, ut, fs } says more.
    function table(zones) {
        var t = []
        for (var z = 0; z < zones.length; ++z) {
            for (var p = 0; p < zones[z].length; ++p) {
                var d = zones[z][p]
                if (d === "") {
                    t.push(Rules.freePosition())
                    continue
                }
                if (typeof d === "string")
                    d = { ps: d }
                t.push({ pid: d.pid || 1, name: "P", lt: d.lt || 165, ut: d.ut || 200, ps: d.ps,
                         fs: d.fs === undefined ? 80 : d.fs })
            }
        }
        return t
    }
    function layout(t, zones, extra) {
        var l = { traysPerZone: t, numberOfZones: zones, singleBinZone: 0, zonesPerRow: 1, hasFan: true }
        for (var k in extra)
            l[k] = extra[k]
        return l
    }
    // Thirty bins: seven three-bin zones would need 21 positions.
    function sevenZones() {
        var zones = []
        for (var z = 0; z < 7; ++z)
            zones.push(["", "", ""])
        return zones
    }

    function test_cells_data() {
        return [
            { tag: "4 bins, 1/2 at 0: position 1 under it", t: 4, zones: [["1/2", "", "", ""]],
              widths: [2, 0, 1, 1], drawn: [true, false, true, true] },
            { tag: "4 bins, 3/4 at 1", t: 4, zones: [["", "3/4", "", ""]],
              widths: [1, 3, 0, 1], drawn: [true, true, false, false] },
            { tag: "3 bins, lone 1/2: its free half is one cell", t: 3, zones: [["1/2", "", ""]],
              widths: [1.5, 1.5, 1.5], drawn: [true, true, false] },
            { tag: "3 bins, lone 1/2 at 1", t: 3, zones: [["", "1/2", ""]],
              widths: [1.5, 1.5, 1.5], drawn: [true, true, false] },
            { tag: "3 bins, two halves", t: 3, zones: [["1/2", "1/2", ""]],
              widths: [1.5, 1.5, 0], drawn: [true, true, false] },
            { tag: "3 bins, 1/1", t: 3, zones: [["1/1", "", ""]],
              widths: [3, 0, 0], drawn: [true, false, false] },
            { tag: "2 bins, single-bin cabinet, odd zone", t: 2, zones: [["", ""], ["", ""]], z: 1,
              l: { singleBinZone: 1, zonesPerRow: 2 }, widths: [1, 0], drawn: [true, false] },
            { tag: "more than 20 positions: the 21st is not read", t: 3, zones: sevenZones(), z: 6,
              widths: [1, 1, 0], drawn: [true, true, false] },
        ]
    }
    function test_cells(data) {
        var l = layout(data.t, data.zones.length, data.l)
        var cells = Rules.zoneCells(table(data.zones), l, data.z || 0)
        compare(cells.map(function (c) { return c.width }), data.widths)
        compare(cells.map(function (c) { return c.drawn }), data.drawn)
    }

    function test_cellPixels() {
        // A pan covers its bins and the gaps between them.
        compare(Rules.cellPixels(1, 170), 166)
        compare(Rules.cellPixels(2, 170), 336)
        compare(Rules.cellPixels(1.5, 118), 173)
        compare(Rules.cellPixels(4, 118), 468)
    }

    function test_room_data() {
        return [
            { tag: "4 bins, 1/2 at 0, at 2", t: 4, zones: [["1/2", "", "", ""]], p: 2, room: 2 },
            { tag: "4 bins, 1/2 at 0, replacing it", t: 4, zones: [["1/2", "", "", ""]], p: 0, room: 4 },
            { tag: "4 bins, 1/4 at 3, at 0", t: 4, zones: [["", "", "", "1/4"]], p: 0, room: 3 },
            { tag: "3 bins, lone 1/2, its free half", t: 3, zones: [["1/2", "", ""]], p: 1, room: 1.5 },
            { tag: "3 bins, lone 1/2, replacing it", t: 3, zones: [["1/2", "", ""]], p: 0, room: 1.5 },
            { tag: "3 bins, empty, at 0", t: 3, zones: [["", "", ""]], p: 0, room: 3 },
            { tag: "3 bins, empty, at 1", t: 3, zones: [["", "", ""]], p: 1, room: 2 },
            { tag: "3 bins, empty, at 2", t: 3, zones: [["", "", ""]], p: 2, room: 1 },
            { tag: "3 bins, 1/3 then 1/2: not a lone half", t: 3, zones: [["1/3", "1/2", ""]], p: 2, room: 1 },
            { tag: "single-bin cabinet, odd zone", t: 2, zones: [["", ""], ["", ""]], z: 1,
              l: { singleBinZone: 1, zonesPerRow: 2 }, p: 0, room: 1 },
            { tag: "single-bin cabinet, even zone", t: 2, zones: [["", ""], ["", ""]], z: 0,
              l: { singleBinZone: 1, zonesPerRow: 2 }, p: 0, room: 2 },
            { tag: "single-bin zones, one per row: no one-bin rule", t: 2, zones: [["", ""], ["", ""]], z: 1,
              l: { singleBinZone: 1, zonesPerRow: 1 }, p: 0, room: 2 },
            { tag: "more than 20 positions: the zone ends at the 20th", t: 3, zones: sevenZones(), z: 6,
              p: 0, room: 2 },
        ]
    }
    function test_room(data) {
        var l = layout(data.t, data.zones.length, data.l)
        compare(Rules.zoneRoom(table(data.zones), l, data.z || 0, data.p), data.room)
    }

    function test_touchValues_data() {
        var shared = [[{ ps: "1/3", lt: 165, ut: 200, fs: 80 }, "", { ps: "1/3", pid: 2, lt: 150, ut: 190, fs: 60 }]]
        return [
            { tag: "the zone's first pan sets the values", t: 3, zones: shared, p: 1,
              v: { lower: 165, upper: 200, fan: 80, room: 1 } },
            { tag: "touching the first pan itself", t: 3, zones: shared, p: 0,
              v: { lower: 165, upper: 200, fan: 80, room: 2 } },
            { tag: "replacing the only pan: anything", t: 3, zones: [["", "1/3", ""]], p: 1,
              v: { lower: 0, upper: 0, fan: 0, room: 2 } },
            { tag: "empty zone", t: 3, zones: [["", "", ""]], p: 0, v: { lower: 0, upper: 0, fan: 0, room: 3 } },
            { tag: "single-bin cabinet, odd zone: no tests", t: 2, zones: [["", ""], ["1/2", ""]], z: 1, p: 0,
              l: { singleBinZone: 1, zonesPerRow: 2 }, v: { lower: 0, upper: 0, fan: 0, room: 1 } },
        ]
    }
    function test_touchValues(data) {
        var l = layout(data.t, data.zones.length, data.l)
        compare(Rules.touchValues(table(data.zones), l, data.z || 0, data.p), data.v)
    }

    function test_recheck_data() {
        var same = { lower: 165, upper: 200, panSize: 1, fraction: "1/3", fan: 80 }
        function with_(extra) {
            var v = {}
            for (var k in same) v[k] = same[k]
            for (var j in extra) v[j] = extra[j]
            return v
        }
        var sharedAndAlone = [["1/3", { ps: "1/3", pid: 2 }, ""], ["", "1/3", ""]]
        return [
            { tag: "unchanged stays", t: 3, zones: sharedAndAlone, v: same, cleared: [] },
            { tag: "lower temperature: cleared where shared, kept where alone", t: 3, zones: sharedAndAlone,
              v: with_({ lower: 160 }), cleared: [{ zone: 0, pan: 0 }] },
            { tag: "upper temperature", t: 3, zones: sharedAndAlone, v: with_({ upper: 190 }),
              cleared: [{ zone: 0, pan: 0 }] },
            { tag: "fan speed", t: 3, zones: sharedAndAlone, v: with_({ fan: 70 }), cleared: [{ zone: 0, pan: 0 }] },
            { tag: "fan speed, no fans", t: 3, zones: sharedAndAlone, v: with_({ fan: 70 }), l: { hasFan: false },
              cleared: [] },
            { tag: "3 bins: a lone 1/2 goes, also unchanged", t: 3, zones: [["1/2", "", ""]],
              v: with_({ panSize: 1, fraction: "1/2" }), cleared: [{ zone: 0, pan: 0 }] },
            { tag: "3 bins: a 1/2 beside another half stays", t: 3, zones: [["1/2", { ps: "1/2", pid: 2 }, ""]],
              v: with_({ panSize: 1, fraction: "1/2" }), cleared: [] },
            { tag: "3 bins: beside a half, a 1/3 goes", t: 3, zones: [[{ ps: "1/2", pid: 2 }, "1/2", ""]],
              v: with_({ panSize: 1, fraction: "1/3" }), cleared: [{ zone: 0, pan: 1 }] },
            { tag: "4 bins: 1/4 grown to 1/2, at 0 with room stays, at 3 goes", t: 4,
              zones: [["1/4", "", "", ""], ["", "", "", "1/4"]],
              v: with_({ panSize: 2, fraction: "1/2" }), cleared: [{ zone: 1, pan: 3 }] },
            { tag: "4 bins: grown into a neighbour", t: 4, zones: [["1/4", { ps: "1/4", pid: 2 }, "", ""]],
              v: with_({ panSize: 2, fraction: "1/2" }), cleared: [{ zone: 0, pan: 0 }] },
            { tag: "twice in a zone: both, last first", t: 3, zones: [["1/3", "1/3", ""]],
              v: with_({ lower: 150 }), cleared: [{ zone: 0, pan: 1 }, { zone: 0, pan: 0 }] },
            { tag: "another product is not touched", t: 3, zones: [[{ ps: "1/3", pid: 2 }, { ps: "1/3", pid: 3 }, ""]],
              v: with_({ lower: 150 }), cleared: [] },
        ]
    }
    function test_recheck(data) {
        var l = layout(data.t, data.zones.length, data.l)
        compare(Rules.positionsToClear(table(data.zones), l, 1, data.v), data.cleared)
    }
}
