import QtQuick 2.15
import CabinetManagerDefs 1.0
import "widgets"

// Covers the screen while the cabinet is in cleaning mode: "Cooling Down"
// with a bar that grows as the zones cool towards the cleaning temperature,
// then "Safe to Clean". Leaving it ends cleaning mode on every display.
Rectangle {
    id: panel

    property int coolDownTemp: initialCoolDownTemp
    property bool coolDownDone: false

    readonly property int initialCoolDownTemp: 250
    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property int dockThickness: 90
    readonly property int pollMs: 500
    readonly property alias pollTimer: pollTimer
    readonly property real barWidth: coolingBarWidth(bevel.width, coolDownTemp)

    // The bar is full at the cleaning temperature and half as wide at twice
    // it. A reading at or below it (or none, 0 with no zones) is a full bar:
    // the width never leaves the bevel, whatever value is left from before.
    function coolingBarWidth(bevelWidth, temp) {
        if (!(temp > CabmgrDefs.ZONE_CLEANING_MODE_TEMP))
            return bevelWidth
        return Math.max(0, Math.min(bevelWidth, bevelWidth * CabmgrDefs.ZONE_CLEANING_MODE_TEMP / temp))
    }
    function poll() {
        coolDownDone = cabinetManager.isCoolingDownDone()
        coolDownTemp = cabinetManager.getCoolingDownTemp()
    }
    function reset() {
        coolDownDone = false
        coolDownTemp = initialCoolDownTemp
    }
    function askToExit() {
        mainPanel.askQuestion(qsTr("Exit Cleaning Mode?") + tro.emptyStr, 0, function () {
            panel.visible = false
            panel.reset()
            cabinetManager.exitCleaningMode()
            cabinetManager.sendCleaningModeToRemoteDisplay(false)
        }, function () {})
    }
    function lockScreenNow() {
        lockScreen.visible = true
        cabinetManager.cancelSuggetCleanMode()
    }

    width: portrait ? 480 : 800
    height: portrait ? 800 : 480
    color: uiSkin.dockAreaBackgroundColor

    MouseArea2 { anchors.fill: parent }

    Timer {
        id: pollTimer
        objectName: "coolingPoll"
        interval: panel.pollMs
        repeat: true
        running: panel.visible
        onTriggered: panel.poll()
    }

    Item {
        id: area
        x: panel.portrait ? 0 : panel.dockThickness
        width: panel.width - x
        height: panel.portrait ? panel.height - panel.dockThickness : panel.height

        BorderImage {
            id: bevel
            objectName: "cleaningBevel"
            anchors.fill: parent
            anchors.margins: 5
            source: "images/beveledSquareGray.png"
            border { left: 6; top: 6; right: 6; bottom: 6 }

            Rectangle {
                objectName: "cleaningFill"
                anchors.fill: parent
                anchors.margins: 6
                color: panel.coolDownDone ? "black" : "yellow"
            }
            Rectangle {
                objectName: "coolingStrip"
                visible: !panel.coolDownDone
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                width: Math.max(0, coolingBar.width - 166)
                color: "blue"
            }
            BorderImage {
                id: coolingBar
                objectName: "coolingBar"
                visible: !panel.coolDownDone
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                width: panel.barWidth
                source: "images/coolingBarTall.png"
                // The head keeps its drawn width; a narrower picture keeps all but its last column.
                border.left: Math.min(167, Math.max(0, sourceSize.width - 2))
                border { right: 1; top: 1; bottom: 1 }
                Behavior on width { NumberAnimation { duration: 1000; easing.type: Easing.Linear } }
            }
            Text {
                objectName: "cleaningStateText"
                anchors.fill: parent
                anchors.margins: 20
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                font.pixelSize: 60
                font.bold: true
                color: panel.coolDownDone ? "white" : "black"
                text: panel.coolDownDone ? qsTr("Safe to Clean") + tro.emptyStr : qsTr("Cooling Down") + tro.emptyStr
            }
        }
    }

    Rectangle {
        objectName: "cleaningDock"
        width: panel.portrait ? panel.width : panel.dockThickness
        height: panel.portrait ? panel.dockThickness : panel.height
        y: panel.portrait ? panel.height - height : 0
        color: uiSkin.dockAreaBackgroundColor

        MouseArea2 { anchors.fill: parent }

        Grid {
            columns: panel.portrait ? 3 : 1
            DockButton { source: "images/cleanClearButton.png"; area.enabled: false }
            DockButton {
                objectName: "cleaningLockButton"
                source: "images/padLockButton.png"
                area.onClicked: panel.lockScreenNow()
            }
            DockButton {
                objectName: "cleaningReturnButton"
                source: "images/return-button-white.png"
                area.onClicked: panel.askToExit()
            }
        }
        Image {
            anchors.bottom: parent.bottom
            anchors.right: parent.right
            anchors.margins: 5
            width: panel.portrait ? implicitWidth : panel.dockThickness - 10
            fillMode: Image.PreserveAspectFit
            source: "images/veltrixLogo.png"
            MouseArea2 {
                anchors.fill: parent
                onDoubleClicked: if (kivDisplay.screenshotsEnabled) cabinetManager.screenShot()
            }
        }
    }
}
