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
}
