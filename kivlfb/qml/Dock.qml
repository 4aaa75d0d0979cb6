import QtQuick 2.15
import KivDefs 1.0
import "widgets"

// The strip of icons beside the holding view: a column at the left edge in
// landscape, a row along the bottom edge in portrait.
Rectangle {
    id: dock

    property bool horizontal: false
    property bool showingCabinetCount: false
    readonly property int iconSize: kivDisplay.getFooterIconSize()
    readonly property bool advancedZoneOptions: cabinetManager.advancedZoneOptionsEnable === true
                                                && configManager.advancedZoneOptionsEnable === true
    readonly property bool brokerDisconnected: kivnm.wifiApConnected === true
                                               && (configManager.iotType === "DEZ_RIOT"
                                                   || cabinetManager.customerId === KivDefines.CUSTOMER_ID_RIVEV)
                                               && configManager.iotConnected !== true

    color: uiSkin.dockAreaBackgroundColor

    MouseArea2 {
        // Stray touches on the dock go nowhere.
        anchors.fill: parent
    }

    Grid {
        id: icons
        columns: dock.horizontal ? 32 : 1
        spacing: dock.horizontal ? -10 : -5

        DockButton {
            objectName: "homeButton"
            source: "images/homeWhite.png"
            area.enabled: !mainPanel.dayPartSelectorOpen
            area.onClicked: {
                mainPanel.showHomeScreen()
                mainPanel.cleaningMenuOpen = false
            }
        }
        DockButton {
            objectName: "dayPartButton"
            visible: !dock.advancedZoneOptions
            source: "images/dayPartSelectVespro.png"
            area.onClicked: {
                mainPanel.dayPartSelectorOpen = !mainPanel.dayPartSelectorOpen
                mainPanel.cleaningMenuOpen = false
            }
        }
        DockButton {
            objectName: "rowOptionsButton"
            visible: dock.advancedZoneOptions
            source: "images/RowOptions.png"
            area.onClicked: {
                rowManagementPanel.visible = true
                pgMainGrid.visible = false
                mainPanel.cleaningMenuOpen = false
            }
        }
        DockButton {
            objectName: "padlockButton"
            visible: cabinetManager.cleaningModeEnable !== true
            source: "images/padLockButton.png"
            area.enabled: !mainPanel.dayPartSelectorOpen
            area.onPressAndHold: lockScreen.visible = true
        }
        DockButton {
            objectName: "cleanButton"
            visible: cabinetManager.cleaningModeEnable === true
            source: "images/cleanButton.png"
            area.enabled: !mainPanel.dayPartSelectorOpen
            area.onClicked: mainPanel.cleaningMenuOpen = !mainPanel.cleaningMenuOpen
        }
        DockButton {
            objectName: "languageButton"
            source: "images/languages.png"
            area.onClicked: {
                mainPanel.stepLanguage()
                mainPanel.cleaningMenuOpen = false
            }
            Rectangle {
                width: dock.horizontal ? parent.width * 0.9 : parent.width
                height: 20
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 15
                color: "#B0000000"
                border.width: 1
                border.color: "white"
                radius: 10
                Text {
                    objectName: "languageName"
                    anchors.centerIn: parent
                    text: tro.getLanguageName(mainPanel.selectedLanguageId)
                    color: "white"
                    font.pixelSize: 12
                }
            }
        }
        DockButton {
            objectName: "temperatureButton"
            visible: cabinetManager.viewZoneTemperatureEnable === true
            source: "images/temperatureButtonIcon.png"
            area.onClicked: {
                mainPanel.toggleTemperatureView()
                mainPanel.cleaningMenuOpen = false
            }
        }
        DockButton {
            objectName: "cabinetCountButton"
            visible: dock.showingCabinetCount
            source: mainPanel.cabinetNetworkConnected ? "images/CircleButton.png" : "images/RedCircleButton.png"
            Text {
                anchors.centerIn: parent
                text: mainPanel.numCabinetsOnNetwork
                color: "white"
                font.pixelSize: 32
            }
            area.onClicked: {
                if (tagsNotInCabinet.visible)
                    tagsNotInCabinet.visible = false
                if (!dock.horizontal)
                    mainPanel.cleaningMenuOpen = false
            }
            area.onPressAndHold: {
                // The tag list exists on the primary display only.
                if (typeof nfcm !== "undefined" && nfcm)
                    nfcm.rebuildTagsNotFoundInBins()
                tagsNotInCabinet.visible = true
                if (!dock.horizontal)
                    mainPanel.cleaningMenuOpen = false
            }
        }
        DockButton {
            id: wifiButton
            objectName: "wifiButton"
            visible: cabinetManager.iAmMaster === true && configManager.wifiEnabled === true
                     && !dock.showingCabinetCount
            source: kivnm.wifiApConnected === true ? "" : "images/WifiDisconnected.png"
            Image {
                objectName: "wifiLevel"
                anchors.fill: parent
                visible: kivnm.wifiApConnected === true
                source: mainPanel.wifiLevelImage
                fillMode: Image.PreserveAspectFit
            }
            Image {
                objectName: "brokerDisconnected"
                anchors.fill: parent
                visible: dock.brokerDisconnected
                source: "images/BrokerDisconnected.png"
                fillMode: Image.PreserveAspectFit
            }
            area.onClicked: {
                dock.showingCabinetCount = true
                swapBackTimer.restart()
                mainPanel.cleaningMenuOpen = false
            }
            // A long press is never a tap; held on, it may become the
            // factory address detection below.
            area.onPressAndHold: {}
            area.onPressed: factoryGestureTimer.restart()
            area.onReleased: factoryGestureTimer.stop()
            area.onCanceled: factoryGestureTimer.stop()
            area.onContainsMouseChanged: {
                if (!wifiButton.area.containsMouse)
                    factoryGestureTimer.stop()
            }
        }
        Column {
            visible: dock.horizontal && cabinetManager.uiDebug === true
            Repeater {
                model: ["Q: " + kivnm.wifiLink, "L: " + kivnm.wifiLevel, "N: " + kivnm.wifiNoise]
                Text {
                    text: modelData
                    color: "white"
                    font.pixelSize: 14
                }
            }
        }
    }

    Column {
        visible: !dock.horizontal && cabinetManager.uiDebug === true
        anchors.bottom: logo.top
        anchors.horizontalCenter: parent.horizontalCenter
        Text { anchors.horizontalCenter: parent.horizontalCenter; text: cbm.sendQDepth; font.bold: true; color: "black" }
        Text { anchors.horizontalCenter: parent.horizontalCenter; text: cbm.sendQWaterMark; font.bold: true; color: "black" }
    }

    Item {
        id: logo
        objectName: "logo"
        width: dock.horizontal ? dock.iconSize : 90
        height: dock.horizontal ? dock.iconSize : 60
        anchors.bottom: parent.bottom
        anchors.right: dock.horizontal ? parent.right : undefined
        Image {
            anchors.centerIn: parent
            source: "images/veltrixLogo.png"
        }
        MouseArea2 {
            anchors.fill: parent
            onClicked: mainPanel.cleaningMenuOpen = false
            onDoubleClicked: {
                if (kivDisplay.screenshotsEnabled)
                    cabinetManager.screenShot()
            }
        }
    }

    Timer {
        id: swapBackTimer
        interval: 2000
        onTriggered: dock.showingCabinetCount = false
    }
    Timer {
        id: factoryGestureTimer
        objectName: "factoryGestureTimer"
        interval: 5000
        onTriggered: eolTest.startUdpbroadcast()
    }
}
