import QtQuick 2.15
import "widgets"
import "menurules.js" as Rules

// One day part of the menu editor: its name and the cabinet's zones with
// what the day part puts on each pan position. A touch asks the host to
// fill a position; a press-and-hold starts choosing positions to clear.
// Everything goes to the day parts' edit copy through the host, which
// writes it only when the editor saves.
//
// The page works on its own copy of the day part (the position table),
// read by loadDayPartData(); the fitting rules live in menurules.js.
Item {
    id: page

    property int dayPartIndex: 0
    property string dayPartName: ""
    property bool itemLocked: true
    property bool pinSelectionEnabled: false
    // The editor: callAssignBin(...) and callRemoveBinsAssignment(list).
    property var host: null

    property var positions: freshTable()
    // { dp, zIndex, pIndex } of the positions chosen for clearing.
    property var removalList: []

    readonly property var layout: ({ traysPerZone: cabinetManager.traysPerZone,
                                     numberOfZones: cabinetManager.numberOfZones,
                                     singleBinZone: cabinetManager.singleBinZone,
                                     zonesPerRow: cabinetManager.zonesPerRow,
                                     hasFan: cabinetManager.hasFan === true })
    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property int columns: cabinetManager.singleColumnUnit === true
                                   ? (cabinetManager.zonesPerRow === 2 ? 2 : 1) : 2
    readonly property int zoneSpacing: 6
    readonly property int sideMargin: 5
    // A bin's width; narrower in portrait with zones side by side, and never
    // wider than the page has room for.
    readonly property int binWidth: Math.max(20, Math.min(portrait && cabinetManager.zonesPerRow > 1 ? 118 : 170,
        Math.floor((width - 2 * sideMargin - (columns - 1) * zoneSpacing)
                   / (columns * Math.max(1, layout.traysPerZone)))))

    signal askForPinPad()

    function freshTable() {
        var t = []
        for (var i = 0; i < Rules.maxPositions; ++i)
            t.push(Rules.freePosition())
        return t
    }

    function loadDayPartName(index) {
        var name = daypartManager.getDayPartName(index)
        if (name !== undefined && name !== "")
            return name
        if (index === 0)
            return qsTr("Breakfast") + tro.emptyStr
        if (index === 1)
            return qsTr("Lunch/Dinner") + tro.emptyStr
        return "???"
    }
    function refreshName() { dayPartName = loadDayPartName(dayPartIndex) }
    onDayPartIndexChanged: refreshName()
    Component.onCompleted: refreshName()
    Connections {
        target: configManager
        ignoreUnknownSignals: true
        function onLanguageIdChanged() { page.refreshName() }
    }
    Connections {
        target: daypartManager
        ignoreUnknownSignals: true
        function onDaypartsFileLoadDone() { page.refreshName() }
    }

    function loadDayPartData() {
        var t = freshTable()
        var zones = Rules.zonesShown(layout)
        for (var z = 0; z < zones; ++z) {
            for (var p = 0; p < Rules.zonePositions(layout, z); ++p) {
                var id = Number(daypartManager.dayPartEditGetProductId(dayPartIndex, z, p))
                t[z * layout.traysPerZone + p] = {
                    pid: id,
                    name: String(menuManager.dayPartEditGetName(id)),
                    lt: Number(menuManager.dayPartEditGetLowerTemp(id)),
                    ut: Number(menuManager.dayPartEditGetUpperTemp(id)),
                    ps: String(menuManager.dayPartEditGetPanSizeX(id)),
                    fs: Number(menuManager.dayPartEditGetFanSpeed(id))
                }
            }
        }
        positions = t
    }

    function getTraySize(panSizeX) { return Rules.traySize(panSizeX, layout.traysPerZone) }
    function calcZoneMaxSizeAvailable(zone, panIndex) { return Rules.zoneRoom(positions, layout, zone, panIndex) }

    // Clears product or group pid wherever its new values no longer fit;
    // true when anything was cleared.
    function validateProductInDayParts(pid, lowerTemp, upperTemp, panSize, panSizeX, fanSpeed) {
        var clear = Rules.positionsToClear(positions, layout, Number(pid),
                                           { lower: Number(lowerTemp), upper: Number(upperTemp),
                                             panSize: Number(panSize), fraction: String(panSizeX),
                                             fan: Number(fanSpeed) })
        for (var i = 0; i < clear.length; ++i)
            daypartManager.dayPartEditSetProductId(dayPartIndex, clear[i].zone, clear[i].pan, 0)
        if (clear.length > 0)
            loadDayPartData()
        return clear.length > 0
    }

    function occupied(z, p) { return Rules.occupied(positions, layout, z, p) }
    function selectedIndex(z, p) {
        for (var i = 0; i < removalList.length; ++i)
            if (removalList[i].zIndex === z && removalList[i].pIndex === p)
                return i
        return -1
    }
    function positionTouched(z, p) {
        if (itemLocked)
            return askForPinPad()
        if (pinSelectionEnabled) {
            if (!occupied(z, p))
                return
            var list = removalList.slice()
            var at = selectedIndex(z, p)
            if (at >= 0)
                list.splice(at, 1)
            else
                list.push({ dp: dayPartIndex, zIndex: z, pIndex: p })
            removalList = list
            return
        }
        var v = Rules.touchValues(positions, layout, z, p)
        if (host)
            host.callAssignBin(dayPartIndex, z, p, v.lower, v.upper, v.room, v.fan)
    }
    function positionHeld(z, p) {
        if (itemLocked)
            return askForPinPad()
        if (pinSelectionEnabled)
            return positionTouched(z, p)
        if (!occupied(z, p))
            return
        removalList = [{ dp: dayPartIndex, zIndex: z, pIndex: p }]
        pinSelectionEnabled = true
    }
    function endSelection() {
        removalList = []
        pinSelectionEnabled = false
    }
    function acceptSelection() {
        var list = removalList
        endSelection()
        if (list.length > 0 && host)
            host.callRemoveBinsAssignment(list)
    }

    Text {
        id: title
        objectName: "dayPartTitle"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8
        text: page.dayPartName
        font.pixelSize: 24
        font.bold: true
        color: "black"
    }

    Grid {
        id: grid
        objectName: "zoneGrid"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: title.bottom
        anchors.topMargin: 12
        spacing: page.zoneSpacing
        columns: page.columns
        rows: cabinetManager.singleColumnUnit === true ? -1 : Math.max(1, cabinetManager.numberOfRows)
        flow: cabinetManager.singleColumnUnit === true ? Grid.LeftToRight : Grid.TopToBottom
        layoutDirection: cabinetManager.mirrorDisplay === true ? Qt.RightToLeft : Qt.LeftToRight

        Repeater {
            model: Rules.zonesShown(page.layout)
            delegate: Rectangle {
                id: zone
                readonly property int zoneIndex: index
                readonly property int bins: Rules.drawnAsOneBin(page.layout, index) ? 1 : page.layout.traysPerZone
                readonly property var cells: Rules.zoneCells(page.positions, page.layout, index)
                objectName: "zone" + index
                width: bins * page.binWidth
                height: 52
                color: "#808080"
                clip: true

                Repeater {
                    model: page.layout.traysPerZone
                    delegate: Rectangle {
                        readonly property var cell: zone.cells[index]
                        readonly property var entry: Rules.entryAt(page.positions, page.layout, zone.zoneIndex, index)
                        readonly property bool selected: page.selectedIndex(zone.zoneIndex, index) >= 0
                        readonly property int pixelX: cell.start * page.binWidth + Rules.cellGap / 2
                        objectName: "cell" + zone.zoneIndex + "_" + index
                        visible: cell.drawn
                        width: Rules.cellPixels(cell.width, page.binWidth)
                        height: parent.height - Rules.cellGap
                        y: Rules.cellGap / 2
                        x: cabinetManager.mirrorDisplay === true ? zone.width - pixelX - width : pixelX
                        color: selected ? "#505050" : "silver"
                        opacity: entry.pid !== 0 || selected ? 1.0 : 0.4
                        border.width: selected ? 4 : 0
                        border.color: "red"

                        Text {
                            anchors.fill: parent
                            anchors.margins: 4
                            text: entry.name
                            font.pixelSize: 16
                            color: parent.selected ? "white" : "black"
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            wrapMode: Text.Wrap
                            maximumLineCount: 2
                            elide: Text.ElideRight
                        }
                        Text {
                            visible: cabinetManager.uiDebug === true
                            anchors.left: parent.left
                            anchors.top: parent.top
                            anchors.margins: 2
                            text: "z:" + zone.zoneIndex + " b:" + index
                            font.pixelSize: 10
                            color: "blue"
                        }
                        MouseArea2 {
                            anchors.fill: parent
                            onClicked: page.positionTouched(zone.zoneIndex, index)
                            onPressAndHold: page.positionHeld(zone.zoneIndex, index)
                        }
                    }
                }
            }
        }
    }

    AcceptCancelItem {
        objectName: "removalButtons"
        visible: page.pinSelectionEnabled
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: grid.bottom
        anchors.topMargin: 12
        onUserAccepted: page.acceptSelection()
        onUserCancelled: page.endSelection()
    }

    // While locked, every touch asks for the access code instead.
    MouseArea2 {
        objectName: "lockLayer"
        anchors.fill: parent
        visible: page.itemLocked
        onClicked: page.askForPinPad()
        onPressAndHold: page.askForPinPad()
    }
}
