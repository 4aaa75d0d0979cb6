import QtQuick 2.15
import CabinetManagerDefs 1.0
import "widgets"

// Row management: every zone of the cabinet as a row of its own, to put it
// in eco mode, power it off or choose the day part it runs next. Opened from
// the dock in place of the holding view.
Rectangle {
    id: panel

    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property int dockThickness: 90
    readonly property int bannerHeight: cabinetManager.pressGoBannerEnable === true ? 120 : 0
    readonly property int zonesPerRow: Math.max(cabinetManager.zonesPerRow, 1)
    readonly property int zoneWidth: {
        var full = portrait ? 480
                            : cabinetManager.pressGoDockPosition === CabmgrDefs.PG_DOCK_POSITION_LEFT
                              ? rowsArea.width : 800
        return zonesPerRow === 2 ? full / 2 - 5 : full
    }

    signal rebuildDayParts()

    function askToExit() {
        mainPanel.askQuestion(qsTr("Exit Row Management?") + tro.emptyStr, 0, function () {
            panel.visible = false
            pgMainGrid.visible = true
        }, function () {})
    }

    width: portrait ? 480 : 800
    height: portrait ? 800 : 480
    color: uiSkin.dockAreaBackgroundColor

    onVisibleChanged: if (visible) rebuildDayParts()

    Item {
        id: rowsArea
        x: panel.portrait ? 0 : panel.dockThickness
        width: panel.width - x
        height: panel.portrait ? panel.height - panel.dockThickness : panel.height

        Image {
            id: banner
            objectName: "rowManagementBanner"
            visible: panel.bannerHeight > 0
            width: parent.width
            height: panel.bannerHeight
            fillMode: Image.PreserveAspectFit
            source: visible ? "images/vesproLogo2.png" : ""
        }

        Column {
            objectName: "zoneOptionsRows"
            y: panel.bannerHeight
            width: parent.width
            spacing: 5
            Repeater {
                model: cabinetManager.numberOfRows
                Row {
                    id: zoneRow
                    readonly property int rowIndex: index
                    spacing: 5
                    layoutDirection: cabinetManager.mirrorDisplay === true ? Qt.RightToLeft : Qt.LeftToRight
                    Repeater {
                        model: cabinetManager.zonesPerRow
                        ZoneOptionsView {
                            id: zoneOptions
                            objectName: "zoneOptions" + (zoneRow.rowIndex * cabinetManager.zonesPerRow + index)
                            zoneObject: cabinetManager.zonesModelList[zoneRow.rowIndex * cabinetManager.zonesPerRow + index] || null
                            width: panel.zoneWidth
                            height: cabinetManager.getUiTrayHeight()
                            Connections {
                                target: panel
                                function onRebuildDayParts() { zoneOptions.initializeDayPartEditView() }
                            }
                        }
                    }
                }
            }
        }
    }

    // The dock of the panel; stray touches on it go nowhere.
    Rectangle {
        id: dock
        objectName: "rowManagementDock"
        width: panel.portrait ? panel.width : panel.dockThickness
        height: panel.portrait ? panel.dockThickness : panel.height
        y: panel.portrait ? panel.height - height : 0
        color: uiSkin.dockAreaBackgroundColor

        MouseArea2 { anchors.fill: parent }

        Grid {
            columns: panel.portrait ? 3 : 1
            DockButton { source: "images/RowOptionsClear.png"; area.enabled: false }
            DockButton {
                objectName: "rowDayPartButton"
                source: "images/dayPartSelectVespro.png"
                area.onClicked: mainPanel.dayPartSelectorOpen = !mainPanel.dayPartSelectorOpen
            }
            DockButton {
                objectName: "rowReturnButton"
                source: "images/return-button-white.png"
                area.enabled: !mainPanel.dayPartSelectorOpen
                area.onClicked: panel.askToExit()
            }
        }
        Image {
            objectName: "rowManagementLogo"
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
