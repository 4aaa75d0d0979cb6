import QtQuick 2.15
import "widgets"

// The pop-up of the dock's cleaning button: enter cleaning mode (never while
// a product is holding) or lock the screen to wipe it. The stem points at
// the dock: at the left in landscape, below in portrait.
Item {
    id: popup

    property bool portrait: false
    property int stemHeight: 30

    readonly property int stemWidth: portrait ? 75 : 12
    readonly property int landscapeStemHeight: 90
    readonly property int shadowOffset: 8

    signal cleaningItemSelectedSignal()

    function cleaningModeChosen() {
        if (cabinetManager.activelyHolding === true) {
            var dialog = messageDialog.show()
            dialog.theText = qsTr("Cannot start clean mode with active timer") + tro.emptyStr
            dialog.showCloseButton = true
        } else {
            kivDisplay.confirmCleaningStart()
        }
        cleaningItemSelectedSignal()
    }
    function screenLockChosen() {
        lockScreen.visible = true
        cabinetManager.cancelSuggetCleanMode()
        cleaningItemSelectedSignal()
    }

    width: 113 + (portrait ? 0 : stemWidth)
    height: buttons.height + 16

    // Stray touches on the pop-up go nowhere.
    MouseArea2 { anchors.fill: parent }

    Rectangle {
        x: body.x + popup.shadowOffset
        y: body.y + popup.shadowOffset
        width: body.width
        height: body.height
        radius: body.radius
        color: "#80000000"
    }
    Rectangle {
        objectName: "cleaningStem"
        x: popup.portrait ? 10 : 0
        y: popup.portrait ? popup.height - 1 : 0
        width: popup.stemWidth + 1
        height: popup.portrait ? popup.stemHeight + 1 : popup.landscapeStemHeight
        color: uiSkin.dockAreaBackgroundColor
    }
    Rectangle {
        id: body
        x: popup.portrait ? 0 : popup.stemWidth
        width: 113
        height: popup.height
        radius: 10
        color: uiSkin.dockAreaBackgroundColor

        Column {
            id: buttons
            anchors.centerIn: parent
            spacing: 6
            Repeater {
                model: [
                    { name: "cleaningModeButton", image: "images/cleanButton.png" },
                    { name: "screenLockButton", image: "images/padLockButton.png" },
                ]
                delegate: Rectangle {
                    readonly property bool cleaning: index === 0
                    objectName: modelData.name
                    visible: !cleaning || cabinetManager.cleaningModeEnable === true
                    enabled: !cleaning || !mainPanel.dayPartSelectorOpen
                    opacity: enabled ? 1 : 0.4
                    width: 100
                    height: 70
                    radius: 8
                    color: area.pressed ? Qt.darker(uiSkin.dockAreaBackgroundColor, 1.5) : "transparent"
                    Image {
                        anchors.centerIn: parent
                        width: 64
                        height: 64
                        fillMode: Image.PreserveAspectFit
                        source: modelData.image
                    }
                    MouseArea2 {
                        id: area
                        anchors.fill: parent
                        onClicked: parent.cleaning ? popup.cleaningModeChosen() : popup.screenLockChosen()
                    }
                }
            }
        }
    }
}
