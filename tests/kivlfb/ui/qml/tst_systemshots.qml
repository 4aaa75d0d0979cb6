import QtQuick 2.15
import QtTest 1.15

// Pictures of the system screens and dialogs, landscape and portrait, left
// in screenshots/ for a person to look at; each screen must fill the panel
// it is shown on.
MainWindowTestCase {
    id: testCase
    name: "SystemShots"

    readonly property int arabic: 11

    function prepare(screen) {
        var panel = child("mainPanel")
        switch (screen) {
        case "homeScreen":
            panel.showHomeScreen()
            break
        case "settingsPanel":
        case "settingsPanelPin":
        case "settingsPanelRtl":
        case "settingsPanelZones":
            // Two rows of two zones: the diagnostics number them 3 4 / 1 2.
            if (screen === "settingsPanelZones")
                cabinetManager.buildCabinet(2, 2, 2)
            showServiceList()
            if (screen === "settingsPanelPin")
                showPage("languagesPanel").askForPinPad()
            else if (screen === "settingsPanelRtl")
                showPage("languagesPanel")
            else if (screen === "settingsPanelZones")
                showPage("zoneDiagnostics")
            break
        case "filesImportExportItem":
            showServiceList()
            tap("filesButton")
            break
        case "restorHoldingDialog":
            cabinetManager.restoreHoldingFlag = true
            break
        case "holdRestorationDialog":
            cabinetManager.iAmMaster = false
            cabinetManager.holdRestorationDialogBlockEnabled(true)
            break
        case "tagsNotInCabinet":
            nfcm.tagBinModel.append({ tagnum: "04A1B2C3", binNum: 3, prodName: "Patty" })
            nfcm.tagBinModel.append({ tagnum: "04C3D4E5", binNum: 5, prodName: "Scrambled Eggs" })
            host(screen).visible = true
            tryVerify(function () { return findChild(window.contentItem, "hiddenTag1") !== null })
            tap("hiddenTag1")
            break
        case "configurationDialog":
            configManager.selectedCustomConfig = "GM"
            host(screen).show().selection.modelNumber = "M200"
            // Shown again, it offers that model's displays.
            host(screen).visible = false
            host(screen).visible = true
            break
        case "serialModelNumbersDialog":
            configManager.serialNumber = "2023-0042"
            configManager.modelNumber = "M200"
            configManager.storeNumber = "17"
            configManager.showSerialModelNumbersDialog()
            break
        case "uiSkinPanel":
            child(screen).visible = true
            break
        default:
            host(screen).visible = true
        }
    }

    function test_shots_data() {
        var screens = ["homeScreen", "lockScreen", "settingsPanel", "settingsPanelPin", "settingsPanelZones",
                       "filesImportExportItem",
                       "tagsNotInCabinet", "restorHoldingDialog", "holdRestorationDialog", "screenColorTestPanel",
                       "startUpOrientationDialog", "configurationScanItem", "selectTargetModelGroup",
                       "configurationDialog", "configConfirmation", "serialModelNumbersDialog", "uiSkinPanel"]
        var rows = []
        for (var i = 0; i < screens.length; ++i) {
            rows.push({ tag: screens[i] + " landscape", screen: screens[i], portrait: false })
            rows.push({ tag: screens[i] + " portrait", screen: screens[i], portrait: true })
        }
        rows.push({ tag: "settingsPanelRtl landscape", screen: "settingsPanelRtl", portrait: false, rtl: true })
        return rows
    }
    function test_shots(data) {
        cabinetManager.orientationPortrait = data.portrait
        cabinetManager.pressGoDockPosition = data.portrait ? 1 : 0
        configManager.preloaded = { "GM": { "M100": 1, "M200": 2 }, "ZuZ": { "Z1": 1 } }
        if (data.rtl) {
            tro.languageId = arabic
            configManager.languageId = "ara"
        }
        createWindow()
        prepare(data.screen)
        var screen = child(data.screen.replace(/(Pin|Rtl|Zones)$/, ""))
        verify(screen.visible)
        var panel = child("mainPanel")
        compare(screen.mapToItem(panel, 0, 0), Qt.point(0, 0))
        compare(screen.width, panel.width)
        compare(screen.height, panel.height)
        waitForRendering(screen)
        if (data.screen === "settingsPanelZones") {
            var numbers = []
            for (var i = 0; i < 4; ++i)
                numbers.push(findChild(screen, "heaterBox" + i).zonenumber)
            compare(numbers, [3, 4, 1, 2])
        }
        var file = data.screen + (data.portrait ? "-portrait" : "-landscape")
        verify(screenshots.saveUpright(panel, file) !== "", file)
    }
}
