import QtQuick 2.15
import "widgets"

// One zone in the row management panel: its eco-mode and power-off buttons
// and, between them, a swipeable choice of the day part it runs next. The
// choice settles 800 ms after the last swipe, so a quick run of swipes
// changes the zone once, to where it stopped.
Item {
    id: view

    property QtObject zoneObject: null
    property int dayPartIndex: -1
    readonly property bool ecoModeEnabled: zoneObject ? zoneObject.ecoModeEnabled === true : false
    readonly property bool heatOffEnabled: zoneObject ? zoneObject.heatOffEnabled === true : false
    readonly property bool activelyHolding: zoneObject ? zoneObject.activelyHolding === true : false
    readonly property int zoneNumber: zoneObject ? zoneObject.zoneNumber : 0
    readonly property int shelf: cabinetManager.zonesPerRow > 0 ? Math.floor(zoneNumber / cabinetManager.zonesPerRow) : 0
    readonly property int shelfStripWidth: cabinetManager.shelfNumbersEnable === true ? 20 : 0
    readonly property int buttonSize: Math.min(height, 75)
    readonly property bool ecoButtonEnabled: !heatOffEnabled && !activelyHolding
    readonly property bool powerButtonEnabled: !ecoModeEnabled && !activelyHolding
    readonly property int dayPartCount: Math.max(0, list.count - 2)
    readonly property int settleMs: 800
    readonly property alias chooser: list
    readonly property alias settleTimer: settleTimer

    function shelfText() {
        if (cabinetManager.shelfNumberingOrder === 1)
            return cabinetManager.numberOfRows - shelf
        return shelf + 1
    }
    // The names of the day parts in use, with the last one before the first
    // and the first after the last, so that the choice turns without end.
    function initializeDayPartEditView() {
        dayParts.clear()
        var count = daypartManager.getDayPartsToUseCount()
        dayPartIndex = zoneObject ? daypartManager.getDayPartToUseIndex(zoneObject.nextDayPart) : -1
        if (count <= 0)
            return
        var nameOf = function (i) { return daypartManager.getDayPartName(daypartManager.getDayPartToUse(i)) }
        dayParts.append({ name: nameOf(count - 1) })
        for (var i = 0; i < count; ++i)
            dayParts.append({ name: nameOf(i) })
        dayParts.append({ name: nameOf(0) })
        positionAt(Math.max(dayPartIndex, 0) + 1)
    }
    function positionAt(index) {
        if (index < 0 || index >= list.count)
            return
        list.currentIndex = index
        list.positionViewAtIndex(index, ListView.Beginning)
    }
    // A swipe stopped: off the copies at either end, then wait for more.
    function swipeEnded() {
        if (list.count >= 3) {
            if (list.currentIndex === list.count - 1)
                positionAt(1)
            else if (list.currentIndex === 0)
                positionAt(list.count - 2)
        }
        settleTimer.restart()
    }
    function settle() {
        var k = list.currentIndex
        if (!zoneObject || k < 1 || k > list.count - 2 || k - 1 === dayPartIndex)
            return
        dayPartIndex = k - 1
        var dayPart = daypartManager.getDayPartToUse(dayPartIndex)
        // Another display asks the primary one; the zone's value follows its answer.
        if (cabinetManager.iAmMaster)
            zoneObject.set_nextDayPart(dayPart)
        else
            cabinetManager.sendZoneDayPartRequest(zoneNumber, dayPart)
    }
    function followDayPart(dayPart) {
        if (dayPartIndex >= 0 && dayPartIndex < daypartManager.getDayPartsToUseCount()
                && daypartManager.getDayPartToUse(dayPartIndex) === dayPart)
            return
        var index = daypartManager.getDayPartToUseIndex(dayPart)
        if (index < 0)
            return
        dayPartIndex = index
        positionAt(index + 1)
    }
    function toggleEco() {
        var value = !ecoModeEnabled
        zoneObject.ecoModeEnabled = value
        cabinetManager.sendZoneEcoModeToRemoteDisplay(zoneNumber, value)
    }
    function togglePower() {
        var value = !heatOffEnabled
        zoneObject.heatOffEnabled = value
        cabinetManager.sendZoneOffModeToRemoteDisplay(zoneNumber, value)
    }
    function endEcoAndOff() {
        zoneObject.ecoModeEnabled = false
        cabinetManager.sendZoneEcoModeToRemoteDisplay(zoneNumber, false)
        zoneObject.heatOffEnabled = false
        cabinetManager.sendZoneOffModeToRemoteDisplay(zoneNumber, false)
    }

    width: 480
    height: 100

    Component.onCompleted: initializeDayPartEditView()

    Connections {
        target: view.zoneObject
        ignoreUnknownSignals: true
        function onNextDayPartChanged() { view.followDayPart(view.zoneObject.nextDayPart) }
    }
    Connections {
        target: daypartManager
        function onNextDayPartChanged() { view.followDayPart(daypartManager.nextDayPart) }
        function onDaypartsFileLoadDone() { view.initializeDayPartEditView() }
    }
    Connections {
        target: tro
        function onLanguageChanged() { view.initializeDayPartEditView() }
    }

    ListModel { id: dayParts }

    Timer {
        id: settleTimer
        interval: view.settleMs
        onTriggered: view.settle()
    }

    Repeater {
        model: 2
        Rectangle {
            objectName: "shelfStrip" + index
            x: index === 0 ? 0 : view.width - width
            width: view.shelfStripWidth
            height: view.height
            visible: width > 0
            color: uiSkin.dockAreaBackgroundColor
            Text {
                anchors.centerIn: parent
                font.pixelSize: configManager.labelFontSize
                color: "white"
                text: view.shelfText()
            }
        }
    }

    Image {
        id: ecoButton
        objectName: "ecoButton"
        x: view.shelfStripWidth
        anchors.verticalCenter: parent.verticalCenter
        width: view.buttonSize
        height: view.buttonSize
        fillMode: Image.PreserveAspectFit
        source: view.ecoModeEnabled ? "images/ecoButton.png" : "images/EcoButtonClear.png"
        opacity: view.ecoButtonEnabled ? 1 : 0.25
        MouseArea2 {
            anchors.fill: parent
            enabled: view.ecoButtonEnabled
            onClicked: view.toggleEco()
        }
    }

    Image {
        id: powerButton
        objectName: "powerButton"
        x: view.width - view.shelfStripWidth - width
        anchors.verticalCenter: parent.verticalCenter
        width: view.buttonSize
        height: view.buttonSize
        fillMode: Image.PreserveAspectFit
        source: view.heatOffEnabled ? "images/PowerOff.png" : "images/PowerOn.png"
        opacity: view.powerButtonEnabled ? 1 : 0.25
        MouseArea2 {
            anchors.fill: parent
            enabled: view.powerButtonEnabled
            onClicked: view.togglePower()
        }
    }

    Item {
        id: chooserArea
        anchors.left: ecoButton.right
        anchors.right: powerButton.left
        anchors.leftMargin: 5
        anchors.rightMargin: 5
        height: view.height

        BorderImage {
            anchors.fill: parent
            source: "images/beveledSquareGray.png"
            border { left: 6; top: 6; right: 6; bottom: 6 }
        }

        ListView {
            id: list
            objectName: "dayPartList"
            anchors.fill: parent
            clip: true
            orientation: ListView.Horizontal
            snapMode: ListView.SnapOneItem
            highlightRangeMode: ListView.StrictlyEnforceRange
            highlightMoveDuration: 300
            maximumFlickVelocity: 10000
            boundsBehavior: Flickable.StopAtBounds
            interactive: view.dayPartCount > 1
            model: dayParts

            onMovementStarted: settleTimer.stop()
            onMovementEnded: view.swipeEnded()

            delegate: Item {
                width: list.width
                height: list.height
                Text {
                    anchors.centerIn: parent
                    width: parent.width - 8
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    elide: Text.ElideRight
                    maximumLineCount: 2
                    font.pixelSize: configManager.labelFontSize
                    font.bold: true
                    color: "black"
                    text: model.name
                }
            }
        }

        Row {
            objectName: "dayPartDots"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 7
            spacing: 8
            Repeater {
                model: view.dayPartCount
                Rectangle {
                    readonly property bool current: index === (list.currentIndex <= 0 ? view.dayPartCount - 1
                                                               : list.currentIndex >= list.count - 1 ? 0
                                                               : list.currentIndex - 1)
                    width: 9
                    height: 9
                    radius: 4.5
                    color: current ? "white" : "#303030"
                    border.width: current ? 2 : 0
                    border.color: "black"
                }
            }
        }

        Rectangle {
            objectName: "ecoOffBar"
            anchors.fill: parent
            visible: view.ecoModeEnabled || view.heatOffEnabled
            color: view.ecoModeEnabled ? "#197d4b" : "#000000"
            Text {
                anchors.centerIn: parent
                font.pixelSize: configManager.labelFontSize
                font.bold: true
                color: "white"
                text: view.ecoModeEnabled ? qsTr("Eco Mode") + tro.emptyStr : qsTr("OFF") + tro.emptyStr
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: view.endEcoAndOff()
            }
        }
    }
}
