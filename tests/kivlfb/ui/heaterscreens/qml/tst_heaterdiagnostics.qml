import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml/heaterDiagnostics.js" as Diags

TestCase {
    name: "HeaterDiagnosticsHelper"

    function cabinet(props) {
        var cab = { numberOfZones: 4, numberOfRows: 4, traysPerZone: 2, zonesPerRow: 1,
                    zoneNumberingOrder: 0, singleColumnUnit: false, perBinTemps: false }
        for (var key in props)
            cab[key] = props[key]
        return cab
    }
    function flat(rows) {
        var out = []
        for (var i = 0; i < rows.length; ++i)
            out.push(rows[i].zoneDisplayNum + ":" + rows[i].bin + (rows[i].individual ? "i" : ""))
        return out.join(" ")
    }

    function test_zoneRows_data() {
        return [
            { tag: "5x2", uiId: 32, cab: {}, rows: "5:0i 4:2i 3:4i 2:6i 1:8i" },
            { tag: "2x4 mirror", uiId: 10, cab: {}, rows: "3:0i 4:2i 1:4i 2:6i" },
            { tag: "2x2", uiId: 17, cab: {}, rows: "2:0i 1:2i" },
            { tag: "5x4 with more zones than rows", uiId: 1, cab: { numberOfZones: 10, numberOfRows: 5 },
              rows: "9:0i 10:10i 7:2i 8:12i 5:4i 6:14i 3:6i 4:16i 1:8i 2:18i" },
            { tag: "5x4 otherwise: universal", uiId: 2,
              cab: { numberOfZones: 2, numberOfRows: 2, singleColumnUnit: true, perBinTemps: true },
              rows: "2:0i 1:2i" },
            { tag: "universal, two columns, counted from the bottom", uiId: 20,
              cab: { numberOfZones: 6, numberOfRows: 3, zonesPerRow: 2, traysPerZone: 2 },
              rows: "5:0 6:2 3:4 4:6 1:8 2:10" },
            { tag: "universal, two columns, counted from the top", uiId: 20,
              cab: { numberOfZones: 6, numberOfRows: 3, zonesPerRow: 2, traysPerZone: 3, zoneNumberingOrder: 1 },
              rows: "1:0 2:3 3:6 4:9 5:12 6:15" },
            { tag: "universal, single column", uiId: 25,
              cab: { numberOfZones: 3, numberOfRows: 3, singleColumnUnit: true, perBinTemps: true },
              rows: "3:0i 2:2i 1:4i" },
            { tag: "universal, single column from the top", uiId: 25,
              cab: { numberOfZones: 3, numberOfRows: 3, singleColumnUnit: true, zoneNumberingOrder: 1 },
              rows: "1:0 2:2 3:4" },
            { tag: "single-column unit with two zones a row uses two columns", uiId: 25,
              cab: { numberOfZones: 4, numberOfRows: 2, zonesPerRow: 2, singleColumnUnit: true },
              rows: "3:0 4:2 1:4 2:6" },
        ]
    }
    function test_zoneRows(data) {
        var cab = cabinet(data.cab)
        compare(flat(Diags.zoneRows(data.uiId, cab)), data.rows)
        compare(Diags.gridColumns(cab), cab.singleColumnUnit && cab.zonesPerRow < 2 ? 1 : 2)
    }

    function test_setPointText_data() {
        var fb = 0, lr = 1, tb = 2
        return [
            { tag: "0 is off", value: 0, side: 1, layout: fb, text: "F: OFF" },
            { tag: "299 is a temperature", value: 299, side: 1, layout: fb, text: "F: 299\u00b0F" },
            { tag: "300 is on", value: 300, side: 0, layout: fb, text: "B: ON" },
            { tag: "above 300 is on", value: 450, side: 1, layout: fb, text: "F: ON" },
            { tag: "top/bottom, upper", value: 200, side: 1, layout: tb, text: "U: 200\u00b0F" },
            { tag: "top/bottom, lower", value: 200, side: 0, layout: tb, text: "L: 200\u00b0F" },
            { tag: "left/right, front", value: 200, side: 1, layout: lr, text: "L: 200\u00b0F" },
            { tag: "left/right, back", value: 200, side: 0, layout: lr, text: "R: 200\u00b0F" },
            { tag: "left/right on a mirror, front", value: 200, side: 1, layout: lr, mirror: true, text: "R: 200\u00b0F" },
            { tag: "left/right on a mirror, back", value: 200, side: 0, layout: lr, mirror: true, text: "L: 200\u00b0F" },
            { tag: "Celsius", value: 176, shown: 80, unit: "C", side: 1, layout: fb, text: "F: 80\u00b0C" },
        ]
    }
    function test_setPointText(data) {
        var shown = data.shown !== undefined ? data.shown : data.value
        compare(Diags.setPointText(data.value, shown, data.side, data.layout, data.mirror === true,
                                   data.unit || "F", { off: "OFF", on: "ON" }), data.text)
    }

    function test_actualText_data() {
        return [
            { tag: "0 is no reading", value: 0, text: "---" },
            { tag: "negative is no reading", value: -5, text: "---" },
            { tag: "3275 is over range", value: 3275, text: "+++" },
            { tag: "3274 is a temperature", value: 3274, text: "3274\u00b0F" },
            { tag: "1 is a temperature", value: 1, text: "1\u00b0F" },
        ]
    }
    function test_actualText(data) {
        compare(Diags.actualText(data.value, data.value, "F", "+++"), data.text)
    }

    function test_tempColor_data() {
        return [
            { tag: "194 is cold", value: 194, color: "#7070ff" },
            { tag: "195 is on target", value: 195, color: "#20ff20" },
            { tag: "205 is on target", value: 205, color: "#20ff20" },
            { tag: "206 is hot", value: 206, color: "#ff2020" },
        ]
    }
    function test_tempColor(data) {
        compare(Diags.tempColor(200, data.value), data.color)
    }

    function test_fanAndTime() {
        compare(Diags.fanText("S:", -3), "S:0%")
        compare(Diags.fanText("A:", 55), "A:55%")
        var cases = [["100", true], ["0", true], ["101", false], ["-1", false], ["", false], ["5.5", false]]
        for (var i = 0; i < cases.length; ++i)
            compare(Diags.fanSpeedValid(cases[i][0]), cases[i][1], cases[i][0])
        compare(Diags.elapsedText(0), "00:00:00")
        compare(Diags.elapsedText(3723), "01:02:03")
        compare(Diags.frontOffset(2), 1)
        compare(Diags.backOffset(2), 0)
        compare(Diags.frontOffset(0), 0)
        compare(Diags.backOffset(1), 1)
    }
}
