import QtQuick 2.15
import "widgets"

// The menu of the four main areas: the holding view, the cook book, files
// and updates, and the service list. The navigation machine follows its
// signals.
Rectangle {
    id: home

    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property int dockThickness: 90
    readonly property int panelInset: 2
    readonly property int dividerLength: 137
    readonly property int centreGap: 20
    readonly property int imageOffsetX: 20
    readonly property int imageOffsetY: 10

    signal showPressAndGo()
    signal showCookBook()
    signal showUpdatesListView()
    signal showSettingsPanel()

    function openPressAndGo() {
        vki.aKeyWasPressed()
        showPressAndGo()
    }
    // The cook book always starts from the saved menus and day parts; a
    // list not built yet is built from them when it opens.
    function openCookBook() {
        vki.aKeyWasPressed()
        daypartManager.dayPartEditInitialize()
        menuManager.initializeEditDataModels()
        if (productsListPanel.item)
            productsListPanel.item.initializeProductEditView()
        showCookBook()
    }
    // No import while timers are active.
    function openUpdates() {
        if (cabinetManager.activelyHolding === true) {
            var dialog = messageDialog.show()
            dialog.theText = qsTr("Tavolen Import Unavailable<br>while timers are active!") + tro.emptyStr
            dialog.showCloseButton = true
            return
        }
        vki.aKeyWasPressed()
        showUpdatesListView()
    }
    function openSettings() {
        vki.aKeyWasPressed()
        showSettingsPanel()
    }

    anchors.fill: parent
    color: uiSkin.dockAreaBackgroundColor

    MouseArea2 {
        anchors.fill: parent
    }

    // The screen's own dock: home mark at its start, logo at its end.
    Item {
        id: dock
        width: home.portrait ? home.width : home.dockThickness
        height: home.portrait ? home.dockThickness : home.height
        y: home.portrait ? home.height - height : 0

        Image {
            width: home.dockThickness
            height: home.dockThickness
            fillMode: Image.Pad
            source: "images/homeClear.png"
        }
        Item {
            objectName: "homeLogo"
            width: 90
            height: 60
            x: home.portrait ? dock.width - width : 0
            y: home.portrait ? (dock.height - height) / 2 : dock.height - height
            Image {
                anchors.centerIn: parent
                source: "images/veltrixLogo.png"
            }
            MouseArea2 {
                anchors.fill: parent
                onDoubleClicked: if (kivDisplay.screenshotsEnabled) cabinetManager.screenShot()
            }
        }
    }

    Rectangle {
        id: quadrants
        objectName: "homeQuadrants"
        x: (home.portrait ? 0 : home.dockThickness) + home.panelInset
        y: home.panelInset
        width: home.width - (home.portrait ? 0 : home.dockThickness) - 2 * home.panelInset
        height: home.height - (home.portrait ? home.dockThickness : 0) - 2 * home.panelInset
        color: uiSkin.generalPanelBackgroundColor

        Rectangle {
            anchors.centerIn: parent
            width: parent.width * 0.6
            height: 1
            color: "black"
        }
        Rectangle {
            x: parent.width / 2
            y: parent.height / 2 - home.centreGap - height
            width: 1
            height: home.dividerLength
            color: "black"
        }
        Rectangle {
            x: parent.width / 2
            y: parent.height / 2 + home.centreGap
            width: 1
            height: home.dividerLength
            color: "black"
        }

        Repeater {
            model: [
                { name: "pressAndGoQuadrant", image: "images/pressAndGo.png", right: false, bottom: false },
                { name: "cookbookQuadrant", image: "images/cookbook.png", right: true, bottom: false },
                { name: "updatesQuadrant", image: "images/usbIcon.png", right: false, bottom: true },
                { name: "settingsQuadrant", image: "images/settings.png", right: true, bottom: true }
            ]
            MouseArea2 {
                objectName: modelData.name
                x: (modelData.right ? quadrants.width / 2 : 0) + 1
                y: (modelData.bottom ? quadrants.height / 2 : 0) + 1
                width: quadrants.width / 2 - 2
                height: quadrants.height / 2 - 2
                onClicked: {
                    switch (index) {
                    case 0: home.openPressAndGo(); break
                    case 1: home.openCookBook(); break
                    case 2: home.openUpdates(); break
                    case 3: home.openSettings(); break
                    }
                }
                // Each image sits towards the centre of the panel.
                Image {
                    source: modelData.image
                    x: modelData.right ? home.imageOffsetX : parent.width - width - home.imageOffsetX
                    y: modelData.bottom ? home.imageOffsetY : parent.height - height - home.imageOffsetY
                }
            }
        }
    }
}
