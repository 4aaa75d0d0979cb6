import QtQuick 2.15
import QtQml.Models 2.15
import KivDefs 1.0
import "widgets"

// The file-update screen: the menu import and export pages side by side,
// each behind the PIN lock, and the results of the menu proxy's work.
Item {
    id: screen

    // Given by the window: the hosts of its shared PIN pad, message box and
    // menu-update box, and whether screenshots are allowed.
    property var pinPanel: null
    property var messageBox: null
    property var resultBox: null
    property bool screenshotsEnabled: false

    property int userUnlockLevel: 0
    property int pinAttempts: 0
    property int logoTaps: 0
    property bool pinOpen: false

    readonly property bool portrait: cabinetManager.orientationPortrait
    readonly property var currentPage: pages.currentItem
    // Only the primary display may change menus; there the manager's PIN
    // opens the pages for the two chains that let their managers do it.
    readonly property int pageLockLevel: !cabinetManager.iAmMaster ? -1
        : (cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ
           || cabinetManager.customerId === KivDefines.CUSTOMER_ID_ZuZ) ? 1 : 2
    readonly property bool plainPins: cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ
    readonly property int maxPinFailures: 5
    readonly property int pinResetTaps: 10
    readonly property int logoTapMs: 500
    readonly property int dockSize: 90
    readonly property int dotSize: 12

    signal close()

    anchors.fill: parent

    function showMessage(host, text) {
        if (!host)
            return
        var box = host.show()
        box.showCloseButton = true
        box.theText = text
    }

    function lockIconClicked() {
        var page = currentPage
        if (!page || page.lockLevel <= 0)
            return
        if (page.itemLocked) {
            openPinPad()
        } else if (page.itemModified) {
            showMessage(messageBox, qsTr("Changes pending. Please accept or cancel before re-locking.") + tro.emptyStr)
        } else {
            page.itemLocked = true
            configManager.programModeExited(page.itemName, userUnlockLevel)
            userUnlockLevel = 0
        }
    }

    function openPinPad() {
        if (pinAttempts > maxPinFailures) {
            showMessage(messageBox, qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr)
            return
        }
        var panel = pinPanel.show()
        panel.inputTime_validation = false
        panel.passwordInput = false
        panel.validateIntInput = false
        panel.edit_started = false
        panel.input_text = qsTr("PIN #") + tro.emptyStr
        pinOpen = true
    }
    function closePinPad() {
        pinOpen = false
        if (pinPanel)
            pinPanel.visible = false
    }

    function levelOf(pin) {
        if (pin === configManager.passwdL4) return 4
        if (pin === configManager.passwdL3) return 3
        if (pin === configManager.passwdL2) return 2
        if (pin === configManager.passwdL1) return 1
        return 0
    }

    function pinEntered(value) {
        var page = currentPage
        var pin = plainPins ? value : configManager.encryptString(value)
        var level = page.lockLevel
        var everyPage = pin === configManager.passwdL3
        var opens = (pin === configManager.passwdL1 && level === 1)
                || (pin === configManager.passwdL2 && (level === 1 || level === 2))
                || everyPage
        if (opens) {
            if (everyPage) {
                updatePage.itemLocked = false
                exportPage.itemLocked = false
                showMessage(messageBox, qsTr("All update panels unlocked!") + tro.emptyStr)
            } else {
                page.itemLocked = false
            }
            pinAttempts = 0
            closePinPad()
            var unlockLevel = levelOf(pin)
            configManager.passcodeEntered(page.itemName, unlockLevel, true)
            userUnlockLevel = unlockLevel
            return
        }
        pinAttempts += 1
        if (pinAttempts > maxPinFailures) {
            closePinPad()
            showMessage(messageBox, qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr)
        } else {
            var panel = pinPanel.item
            panel.edit_started = false
            panel.input_text = qsTr("ERROR") + tro.emptyStr
        }
        configManager.passcodeEntered(page.itemName, page.lockLevel, false)
    }

    // A dozen quick taps on the logo put the manager's PIN back to the
    // chain's default, for a manager who has forgotten it.
    function logoTapped() {
        if (!logoTapTimer.running) {
            logoTapTimer.start()
            return
        }
        logoTapTimer.restart()
        logoTaps += 1
        if (logoTaps <= pinResetTaps)
            return
        var pin
        if (cabinetManager.customerId === KivDefines.CUSTOMER_ID_ZuZ)
            pin = configManager.encryptString("8603")
        else if (cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ)
            pin = "9157"
        else
            pin = configManager.encryptString("9157")
        configManager.set_passwdL1(pin)
        configManager.saveConfigFile()
        configManager.passcodeChanged(configManager.passwdL1)
        showMessage(messageBox, qsTr("Manager's PIN# was reset.") + tro.emptyStr)
        logoTaps = 0
    }

    Timer {
        id: logoTapTimer
        objectName: "logoTapTimer"
        interval: screen.logoTapMs
        onTriggered: screen.logoTaps = 0
    }

    Connections {
        target: screen.pinOpen && screen.pinPanel ? screen.pinPanel.item : null
        function onAcceptVal(value) { screen.pinEntered(value) }
        function onCancelled() { screen.closePinPad() }
    }
    // Only the results of what was started here: the proxy also imports at
    // start-up and for the cloud agent.
    Connections {
        target: screen.visible ? mcp : null
        function onTavolenDataImported() {
            screen.showMessage(screen.resultBox, qsTr("Tavolen file imported: ") + tro.emptyStr + mcp.mcImportFilename)
        }
        function onInvalidFileVersion() {
            screen.showMessage(screen.resultBox, qsTr("File version is not supported: ") + tro.emptyStr + mcp.mcImportFilename)
        }
        function onTavolenDataImportFailed() {
            screen.showMessage(screen.resultBox, qsTr("Tavolen file import failed: ") + tro.emptyStr + mcp.mcImportFilename)
        }
        function onExportedMenu(value) {
            screen.showMessage(screen.resultBox, qsTr("Tavolen file exported: ") + tro.emptyStr + value)
        }
        function onExportMenuFailed() {
            screen.showMessage(screen.resultBox, qsTr("Tavolen file export failed!") + tro.emptyStr)
        }
    }

    Rectangle {
        anchors.fill: parent
        color: uiSkin.generalPanelBackgroundColor
    }

    // The dock: a column at the side in landscape, a row at the bottom in
    // portrait.
    Rectangle {
        id: dock
        objectName: "updatesDock"
        color: uiSkin.dockAreaBackgroundColor
        x: 0
        y: screen.portrait ? screen.height - height : 0
        width: screen.portrait ? screen.width : screen.dockSize
        height: screen.portrait ? screen.dockSize : screen.height

        Grid {
            anchors.fill: parent
            anchors.margins: 8
            columns: screen.portrait ? 3 : 1
            rows: screen.portrait ? 1 : 3
            columnSpacing: (width - 3 * (screen.dockSize - 16)) / 2
            rowSpacing: (height - 3 * (screen.dockSize - 16)) / 2

            // The icon is drawn for a light ground.
            Rectangle {
                width: screen.dockSize - 16
                height: width
                radius: width / 2
                color: "white"
                Image {
                    anchors.fill: parent
                    source: "images/usb_circle_outline.png"
                    fillMode: Image.PreserveAspectFit
                }
            }
            Image {
                objectName: "returnButton"
                width: screen.dockSize - 16
                height: width
                source: "images/return-button-white.png"
                fillMode: Image.PreserveAspectFit
                MouseArea2 {
                    anchors.fill: parent
                    onClicked: screen.close()
                }
            }
            Image {
                objectName: "brandLogo"
                width: screen.dockSize - 16
                height: width
                source: "images/veltrixLogo.png"
                fillMode: Image.PreserveAspectFit
                MouseArea2 {
                    anchors.fill: parent
                    onPressed: screen.logoTapped()
                    onDoubleClicked: if (screen.screenshotsEnabled) cabinetManager.screenShot()
                }
            }
        }
    }

    Item {
        id: content
        x: screen.portrait ? 0 : dock.width
        width: screen.width - x
        height: screen.portrait ? screen.height - dock.height : screen.height

        ListView {
            id: pages
            objectName: "updatePages"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: footer.top
            orientation: ListView.Horizontal
            snapMode: ListView.SnapOneItem
            highlightRangeMode: ListView.StrictlyEnforceRange
            preferredHighlightBegin: 0
            preferredHighlightEnd: width
            currentIndex: 0
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            interactive: !(currentItem && (currentItem.itemModified || currentItem.scrollActive))
            model: ObjectModel {
                McUsbUpdateItem {
                    id: updatePage
                    objectName: "mcUsbUpdateItem"
                    width: pages.width
                    height: pages.height
                    lockLevel: screen.pageLockLevel
                    itemLocked: true
                    itemActive: ListView.isCurrentItem
                }
                McUsbExportItem {
                    id: exportPage
                    objectName: "mcUsbExportItem"
                    width: pages.width
                    height: pages.height
                    lockLevel: screen.pageLockLevel
                    itemLocked: true
                    itemActive: ListView.isCurrentItem
                }
            }
        }

        Item {
            id: footer
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 56

            // Display only: the dots show which page is current.
            Row {
                anchors.centerIn: parent
                spacing: 10
                Repeater {
                    model: pages.count
                    Rectangle {
                        width: screen.dotSize
                        height: screen.dotSize
                        radius: width / 2
                        border.color: uiSkin.pageDotsBorder
                        color: index === pages.currentIndex ? uiSkin.pageDotsBorder : uiSkin.pageDotsFill
                    }
                }
            }

            Image {
                objectName: "lockIcon"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                height: 44
                width: 44
                fillMode: Image.PreserveAspectFit
                visible: screen.currentPage !== null && screen.currentPage.lockLevel !== 0
                enabled: visible && screen.currentPage.lockLevel > 0
                source: screen.currentPage && !screen.currentPage.itemLocked
                        ? "images/lockSmallOpen.png" : "images/lockSmallClosed.png"
                MouseArea2 {
                    anchors.fill: parent
                    onClicked: screen.lockIconClicked()
                }
            }
        }
    }
}
