import QtQuick 2.15
import CabinetManagerDefs 1.0
import KivDefs 1.0
import TrayBarSc 1.0
import "widgets"

// One heating zone of the holding screen: its bins side by side (or stacked),
// sized by the pan each holds, with the zone's temperature view, the eco and
// power-off bars, the eco suggestion, shelf numbers and the disabled overlay.
// Touches on a bin go to that bin's tray, by the rules of this display.
Item {
    id: zoneView

    property QtObject zoneObject: null
    property int layout: CabmgrDefs.ZONE_VIEW_TYPE_NORMAL
    property int zoneQuadrant: CabmgrDefs.ZONE_VIEW_QUADRANT_UPLEFT
    property color zoneColor: "transparent"

    // Handed down by the press-and-go view.
    property real gridWidth: 800
    property bool widePortrait: false
    property int grayTriangleImageWidth: 0
    property bool tempViewEnabled: false

    readonly property bool hasZone: zoneObject !== null
    readonly property int zoneNumber: hasZone ? zoneObject.zoneNumber : 0
    property var traysList: hasZone ? zoneObject.traysListProperty : []
    property bool zoneDisabled: hasZone && zoneObject.disabledFlag === true
    property string disableText: hasZone ? zoneObject.disableReason : ""
    property bool ecoModeEnabled: hasZone && zoneObject.ecoModeEnabled === true
    property bool heatOffEnabled: hasZone && zoneObject.heatOffEnabled === true
    property bool ecoModeSuggestEnabled: hasZone && zoneObject.suggestEcoModeEnable === true
    property bool mismatchErrorActive: false
    property int temp1: binTemperature(0)
    property int temp2: binTemperature(1)
    property int shelfNumber: cabinetManager.zonesPerRow > 0 ? Math.floor(zoneNumber / cabinetManager.zonesPerRow) : 0

    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property bool mirror: cabinetManager.mirrorDisplay === true
    readonly property int trayHeight: cabinetManager.getUiTrayHeight()
    readonly property int traysPerZone: cabinetManager.traysPerZone
    readonly property int shelfStripWidth: cabinetManager.shelfNumbersEnable === true ? 20 : 0
    readonly property int zoneWidth: calculateZoneWidth(portrait, layout)
    readonly property int labelFontSize: configManager.labelFontSize
    readonly property color ecoColor: "#197d4b"
    readonly property color offColor: "#000000"
    readonly property int confirmMs: 3000
    // Hold activity "product changed" of the tray's holding record.
    readonly property int productChangeActivity: 1
    // Readings at or above this are out of the sensor's range.
    readonly property int temperatureOverRange: 3275

    readonly property alias trayRepeater: trays
    readonly property alias ecoConfirmOpen: ecoConfirm.visible

    // Asks the main window to show a message.
    signal messageRequested(string text, bool showClose)

    function calculateZoneWidth(isPortrait, zoneLayout) {
        var width
        if (isPortrait)
            width = 480
        else if (zoneLayout === CabmgrDefs.ZONE_VIEW_TYPE_VSTACK)
            width = 350
        else
            width = cabinetManager.pressGoDockPosition === CabmgrDefs.PG_DOCK_POSITION_LEFT ? gridWidth : 800
        var perRow = cabinetManager.zonesPerRow
        var besideTriangle = width - grayTriangleImageWidth - 2
        if (cabinetManager.singleBinZone === 1 && perRow === 2) {
            if (zoneNumber % 2 === 0)
                return widePortrait ? besideTriangle : 2 * width / 3 - 5
            return widePortrait ? besideTriangle / 2 : width / 3 - 5
        }
        if (widePortrait)
            return besideTriangle
        return perRow > 1 ? width / perRow - 5 : width
    }
    // The share of the zone, in bins, that a pan of this size takes.
    function getTraySize(panSizeX, perZone) {
        var table = {
            2: { "1/2": 1, "1/1": 2 },
            3: { "1/3": 1, "1/2": 1.5, "2/3": 2, "1/1": 3 },
            4: { "1/4": 1, "1/2": 2, "3/4": 3, "1/1": 4 }
        }
        var row = table[perZone]
        if (row !== undefined && row[panSizeX] !== undefined)
            return row[panSizeX]
        return 1
    }
    function trayHasProduct(tray) {
        return tray !== null && tray !== undefined && tray.productId !== 0
    }
    // Bins come out 5 px narrower than their share for the grid's spacing;
    // a bin that a larger pan before it covers comes out at -5 and so takes
    // no room at all.
    function calcTrayWidth(index, perZone) {
        var width = zoneWidth - 2 * shelfStripWidth
        if (layout === CabmgrDefs.ZONE_VIEW_TYPE_VSTACK)
            return width
        if (cabinetManager.singleBinZone === 1 && cabinetManager.zonesPerRow === 2 && zoneNumber % 2 === 1)
            return index === 0 ? width : -5
        var count = Math.max(perZone, 1)
        var unit = Math.floor((width + 5) / count)
        var list = traysList || []
        if (trayHasProduct(list[index]))
            return unit * getTraySize(list[index].panSizeX, perZone) - 5
        var before = 0
        var total = 0
        for (var i = 0; i < list.length && i < count; ++i) {
            if (!trayHasProduct(list[i]))
                continue
            var factor = getTraySize(list[i].panSizeX, perZone)
            total += factor
            if (i < index)
                before += factor
        }
        var share = 1
        if (total === 1.5)
            share = index <= 1 ? 1.5 : 1
        else if (before > index)
            share = 0
        return unit * share - 5
    }
    function binTemperature(offset) {
        var list = masterIOmanager.binInfoList
        var info = list ? list[zoneNumber * cabinetManager.traysPerZone + offset] : undefined
        return info && info.actualTemp !== undefined ? info.actualTemp : 0
    }
    function temperatureText(t) {
        if (t <= 0)
            return "---"
        if (t >= temperatureOverRange)
            return "+++"
        if (configManager.tempUnit === 1)
            return cabinetManager.convertToCelsius(t) + "\u00b0C"
        return t + "\u00b0F"
    }
    function shelfText() {
        var start = cabinetManager.startingShelfNumber
        if (cabinetManager.shelfNumberingOrder === 1)
            return start + cabinetManager.numberOfRows - shelfNumber
        return start + shelfNumber + 1
    }
    function preheatStartAllowed() {
        var customer = cabinetManager.customerId
        return customer === KivDefines.CUSTOMER_ID_DEZ || customer === KivDefines.CUSTOMER_ID_RIVEV
               || customer === KivDefines.CUSTOMER_ID_VADEV
    }

    // Touch routing from a bin's bar to its tray.
    function trayClicked(tray) {
        if (tray.trayState === TrayBarSchart.TRAY_STATE_PREHEATING && !preheatStartAllowed()) {
            messageRequested(qsTr("Cannot start timers until preheat is complete") + tro.emptyStr, true)
            return
        }
        if (mirror)
            tray.mirrorClicked()
        else
            tray.userClicked()
    }
    function trayCancelled(tray) {
        if (mirror)
            tray.mirrorCancelHolding()
        tray.cancelHolding()
    }
    function traySubProductSelected(tray, pn) {
        if (pn === tray.groupIndex)
            return
        if (mirror) {
            tray.mirrorSelectSubProduct(pn)
        } else {
            tray.loadSubProduct(pn)
            tray.holdingActivityUpdate(productChangeActivity)
        }
    }
    function exitEcoAndOff() {
        if (ecoModeEnabled) {
            zoneObject.ecoModeEnabled = false
            cabinetManager.sendZoneEcoModeToRemoteDisplay(zoneNumber, false)
        }
        if (heatOffEnabled) {
            zoneObject.heatOffEnabled = false
            cabinetManager.sendZoneOffModeToRemoteDisplay(zoneNumber, false)
        }
    }
    function acceptEcoSuggestion() {
        zoneObject.ecoModeEnabled = true
        cabinetManager.sendZoneEcoModeToRemoteDisplay(zoneNumber, true)
        zoneObject.cancelSuggetEcoMode()
    }

    width: zoneWidth
    height: trayGrid.height

    // Shelf numbers at both ends.
    Repeater {
        model: 2
        Rectangle {
            objectName: "shelfStrip" + index
            x: index === 0 ? 0 : zoneView.width - width
            width: zoneView.shelfStripWidth
            height: zoneView.trayHeight
            visible: width > 0
            color: uiSkin.dockAreaBackgroundColor
            Text {
                anchors.centerIn: parent
                font.pixelSize: 30
                color: "white"
                text: zoneView.shelfText()
            }
        }
    }

    Flow {
        id: trayGrid
        objectName: "trayGrid"
        x: zoneView.shelfStripWidth
        width: zoneView.zoneWidth - 2 * zoneView.shelfStripWidth
        height: zoneView.layout === CabmgrDefs.ZONE_VIEW_TYPE_VSTACK ? 2.5 * zoneView.trayHeight : zoneView.trayHeight
        layoutDirection: zoneView.mirror ? Qt.RightToLeft : Qt.LeftToRight
        spacing: zoneView.layout === CabmgrDefs.ZONE_VIEW_TYPE_VSTACK ? zoneView.trayHeight / 2 + 8 : 5

        Repeater {
            id: trays
            model: zoneView.traysList ? zoneView.traysList.length : 0

            CalloutBox {
                id: box
                readonly property QtObject tray: zoneView.traysList[index]
                readonly property alias trayBar: trayBar
                objectName: "bin" + index
                width: zoneView.calcTrayWidth(index, zoneView.traysPerZone)
                height: zoneView.trayHeight
                color: zoneView.layout === CabmgrDefs.ZONE_VIEW_TYPE_TABBED ? zoneView.zoneColor : "#d5d5d5"
                border.width: zoneView.layout === CabmgrDefs.ZONE_VIEW_TYPE_VSTACK ? 1 : 0

                TrayBar {
                    id: trayBar
                    objectName: "trayBar" + index
                    anchors.fill: parent
                    anchors.margins: zoneView.layout === CabmgrDefs.ZONE_VIEW_TYPE_NORMAL ? 0 : 3
                    trayObject: box.tray
                    visible: box.tray !== null && box.tray !== undefined && box.tray.productId !== 0
                    zoneMismatchErrorActive: zoneView.mismatchErrorActive

                    onUserClicked: zoneView.trayClicked(box.tray)
                    onUserCancel: zoneView.trayCancelled(box.tray)
                    onSubProductSelected: zoneView.traySubProductSelected(box.tray, pn)
                }
                Connections {
                    target: box.tray
                    ignoreUnknownSignals: true
                    function onGroupIndexChanged() {
                        if (trayBar.currentIndex !== box.tray.groupIndex)
                            trayBar.currentIndex = box.tray.groupIndex
                    }
                    function onWarningReasonChanged() {
                        var value = box.tray.warningReason
                        if (value === 0) {
                            trayBar.notifyProductChangeCancel()
                            zoneView.mismatchErrorActive = false
                        } else {
                            trayBar.mismatchReason = value
                            trayBar.notifyProductChange()
                            zoneView.mismatchErrorActive = true
                        }
                    }
                    function onProductMismatchWarning(reason) {
                        trayBar.mismatchReason = reason
                        trayBar.notifyProductChange()
                    }
                    function onProductMismatchWarningCancel() {
                        trayBar.notifyProductChangeCancel()
                    }
                }
            }
        }
    }

    ZoneCavity {
        objectName: "zoneCavity"
        visible: zoneView.layout === CabmgrDefs.ZONE_VIEW_TYPE_VSTACK
        anchors.horizontalCenter: trayGrid.horizontalCenter
        anchors.verticalCenter: trayGrid.verticalCenter
        anchors.verticalCenterOffset: 3
        mirror: zoneView.mirror
        firstPanSize: zoneView.trayHasProduct(zoneView.traysList[0]) ? zoneView.traysList[0].panSize : 1
        firstEnabled: zoneView.trayHasProduct(zoneView.traysList[0])
        secondEnabled: zoneView.trayHasProduct(zoneView.traysList[1])
    }

    ZoneTab {
        objectName: "zoneTab"
        visible: zoneView.layout === CabmgrDefs.ZONE_VIEW_TYPE_TABBED
        zoneWidth: zoneView.width
        zoneHeight: zoneView.height
        quadrant: zoneView.zoneQuadrant
        tabColor: zoneView.zoneColor
        mirror: zoneView.mirror
    }

    // Temperature view: the second bin's reading on the left, the first's on the right.
    Item {
        id: temperatureView
        objectName: "temperatureView"
        readonly property bool lightText: zoneView.ecoModeEnabled || zoneView.heatOffEnabled
        readonly property bool topBottom: zoneView.hasZone && zoneView.zoneObject.tempLayout === KivDefines.KIV_ZONE_TEMP_LAYOUT_TOP_BOTTOM
        readonly property string leftText: zoneView.temperatureText(zoneView.temp2)
        readonly property string rightText: zoneView.temperatureText(zoneView.temp1)
        visible: zoneView.tempViewEnabled
        width: zoneView.width
        height: zoneView.trayHeight

        Rectangle {
            anchors.fill: parent
            color: zoneView.ecoModeEnabled ? zoneView.ecoColor : zoneView.offColor
            visible: temperatureView.lightText
        }
        BorderImage {
            anchors.fill: parent
            visible: !temperatureView.lightText
            source: "images/beveledSquareGray.png"
            border { left: 6; top: 6; right: 6; bottom: 6 }
            horizontalTileMode: BorderImage.Repeat
            verticalTileMode: BorderImage.Repeat
        }
        MouseArea2 { anchors.fill: parent }
        Item {
            width: parent.width / 2
            height: parent.height
            Row {
                anchors.centerIn: parent
                spacing: 6
                Image {
                    visible: temperatureView.topBottom
                    anchors.verticalCenter: parent.verticalCenter
                    source: temperatureView.lightText ? "images/ArrowUpWhite.png" : "images/ArrowUpBlack.png"
                }
                Text {
                    objectName: "leftTemperature"
                    anchors.verticalCenter: parent.verticalCenter
                    font.pixelSize: zoneView.labelFontSize
                    font.bold: true
                    color: temperatureView.lightText ? "white" : "black"
                    text: temperatureView.leftText
                }
            }
        }
        Item {
            x: parent.width / 2
            width: parent.width / 2
            height: parent.height
            Row {
                anchors.centerIn: parent
                spacing: 6
                Text {
                    objectName: "rightTemperature"
                    anchors.verticalCenter: parent.verticalCenter
                    font.pixelSize: zoneView.labelFontSize
                    font.bold: true
                    color: temperatureView.lightText ? "white" : "black"
                    text: temperatureView.rightText
                }
                Image {
                    visible: temperatureView.topBottom
                    anchors.verticalCenter: parent.verticalCenter
                    source: temperatureView.lightText ? "images/ArrowDownWhite.png" : "images/ArrowDownBlack.png"
                }
            }
        }
    }

    // Eco mode or power-off, with a confirmation to end it.
    Rectangle {
        id: ecoBar
        objectName: "ecoBar"
        visible: (zoneView.ecoModeEnabled || zoneView.heatOffEnabled) && !zoneView.tempViewEnabled
                 && !zoneView.mismatchErrorActive
        width: zoneView.width
        height: zoneView.trayHeight
        color: zoneView.ecoModeEnabled ? zoneView.ecoColor : zoneView.offColor
        Text {
            anchors.centerIn: parent
            font.pixelSize: zoneView.labelFontSize
            font.bold: true
            color: "white"
            text: zoneView.ecoModeEnabled ? qsTr("Eco Mode") + tro.emptyStr : qsTr("OFF") + tro.emptyStr
        }
        MouseArea2 {
            objectName: "ecoBarArea"
            anchors.fill: parent
            onClicked: {
                ecoConfirm.visible = true
                ecoConfirmTimer.restart()
            }
        }
        ConfirmBar {
            id: ecoConfirm
            objectName: "ecoConfirm"
            anchors.fill: parent
            visible: false
            text: zoneView.ecoModeEnabled ? qsTr("Exit Eco Mode?") + tro.emptyStr : qsTr("Power On?") + tro.emptyStr
            onAccepted: {
                visible = false
                zoneView.exitEcoAndOff()
            }
            onRejected: visible = false
            Timer {
                id: ecoConfirmTimer
                interval: zoneView.confirmMs
                onTriggered: ecoConfirm.visible = false
            }
        }
    }

    ConfirmBar {
        objectName: "ecoSuggestion"
        visible: zoneView.ecoModeSuggestEnabled && !zoneView.tempViewEnabled
        width: zoneView.width
        height: zoneView.trayHeight
        text: qsTr("Enter Eco Mode?") + tro.emptyStr
        onAccepted: zoneView.acceptEcoSuggestion()
        onRejected: zoneView.zoneObject.cancelSuggetEcoMode()
    }

    BorderImage {
        objectName: "disabledOverlay"
        visible: zoneView.zoneDisabled && !zoneView.ecoModeEnabled && !zoneView.heatOffEnabled
        width: zoneView.width
        height: zoneView.trayHeight
        source: "images/disabledZoneBorderImage.png"
        border { left: 4; top: 4; right: 4; bottom: 4 }
        horizontalTileMode: BorderImage.Repeat
        verticalTileMode: BorderImage.Repeat
        MouseArea2 { anchors.fill: parent }
        Rectangle {
            anchors.centerIn: parent
            width: reasonText.width + 24
            height: reasonText.height + 14
            radius: 10
            color: "#b0000000"
            border.width: 2
            border.color: "white"
            visible: zoneView.disableText !== ""
        }
        TextMetrics {
            id: reasonMetrics
            font: reasonText.font
            text: reasonText.text
        }
        Text {
            id: reasonText
            objectName: "disableReason"
            anchors.centerIn: parent
            width: Math.min(Math.ceil(reasonMetrics.advanceWidth) + 2, parent.width - 40)
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: 18
            font.bold: true
            color: "white"
            style: Text.Outline
            styleColor: "black"
            text: zoneView.disableText
        }
    }

    Text {
        visible: cabinetManager.uiDebug === true
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        font.pixelSize: 12
        text: zoneView.hasZone ? zoneView.zoneObject.objectName + "; dp:" + zoneView.zoneObject.currentDayPart : ""
    }
}
