import QtQuick 2.15
import KivDefs 1.0
import "widgets"
import "menurules.js" as Rules

// The menu editor. It works only on the menu manager's edit copies (products,
// groups, day parts); nothing reaches the live menu before the user answers
// "Save changes?" with yes.
//
// The host hands over the shared pieces of the main window: the two edit
// models, the question dialog, the number entry, the message dialog and the
// two keyboards the forms use. The panel connects to the shared dialogs only
// while it has them open, and drops every such connection when holding starts,
// so that no later answer, from any screen, runs a stale action here.
Rectangle {
    id: panel

    property bool saveBeforeExit: false
    property int productsCount: 0
    property int groupsCount: 0
    property int userUnlockLevel: 0

    property var productModel: null
    property var groupModel: null
    property var questionDialog: null
    property var numberEntry: null
    property var messageHost: null
    property var letterKeyboard: null
    property var numberKeypad: null

    // Locks of the product area and of the day-part area; they move together.
    property bool productsLocked: true
    property bool dayPartsLocked: true
    property int failedAttempts: 0
    readonly property int maxFailedAttempts: 5
    readonly property int maxEntries: 100

    property bool groupsPage: false
    property int currentRow: -1
    // Portrait: where the list ends and the information box begins.
    property int listDivider: 300
    // The day-part view: one page per day part in use, with a wrap page at
    // each end when there are several, so that paging runs round.
    property bool dayPartView: false
    property var pageDayParts: []
    property int currentPage: 0
    readonly property int firstRealPage: pageDayParts.length > 1 ? 1 : 0
    readonly property int realPageCount: pageDayParts.length > 1 ? pageDayParts.length - 2 : pageDayParts.length
    readonly property var currentPageItem: dayPartPages.count > currentPage ? dayPartPages.itemAt(currentPage) : null
    readonly property bool selectingBins: currentPageItem !== null && currentPageItem.pinSelectionEnabled
    readonly property int shownCount: groupsPage ? groupsCount : productsCount
    readonly property bool dez: cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ
    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property bool celsius: configManager.tempUnit === 1
    readonly property bool editAllowed: groupsPage || !dez
                                        || (cabinetManager.iAmMaster && configManager.productsEditEnabled === true)
    readonly property bool currentLocked: !groupsPage && currentRow >= 0
                                          && menuManager.getProductEditProductLocked(currentRow) === true

    // The shown entry.
    property var shown: emptyEntry(false)

    // Handlers this panel has attached to the shared dialogs, to drop them all at once.
    property var questionHandlers: null
    property var codeHandlers: null

    signal close()

    color: uiSkin.generalPanelBackgroundColor
    anchors.fill: parent

    function emptyEntry(groups) {
        return { id: 0, gid: groups ? 1 : 0, name: "", names: [], hold: 0, warning: 0, reset: 0,
                 lower: 0, upper: 0, lid: "", bottom: "", panSize: 0, fraction: "",
                 fan: groups ? 0 : 100, color: Rules.noTimerColor, swatch: false, empty: true }
    }
    function tempText(f) { return Rules.tempText(f, celsius, cabinetManager.convertToCelsius) }
    function lidText(lid) {
        if (lid === "Vented") return qsTr("Vented") + tro.emptyStr
        if (lid === "Solid") return qsTr("Solid") + tro.emptyStr
        return qsTr("None") + tro.emptyStr
    }
    function bottomText(bottom) {
        return bottom === "False" ? qsTr("False") + tro.emptyStr : qsTr("Normal") + tro.emptyStr
    }
    function refreshCounts() {
        productsCount = menuManager.getProductEditRowCount()
        groupsCount = menuManager.getGroupEditRowCount()
    }
    function message(text) {
        if (!messageHost)
            return console.info("Menu editor: " + text)
        var dialog = messageHost.show()
        dialog.theText = text
        dialog.showCloseButton = true
    }
    // Adds to a message already showing (an editor's own warning), so that
    // the user sees every consequence of one save together.
    function tell(text) {
        var dialog = messageHost ? messageHost.item : null
        if (dialog && messageHost.visible)
            dialog.theText = dialog.theText + "<br>" + text
        else
            message(text)
    }

    function initializeProductEditView() {
        saveBeforeExit = false
        menuManager.sortProductEditModel()
        menuManager.sortGroupEditModel()
        refreshCounts()
        showPage(false)
        dayPartView = false
        editorLoader.active = false
        groupEditorLoader.active = false
        assignLoader.active = false
        rebuildDayPartPages()
        menuManager.initializeDayPartEditModel()
        loadDayPartPages()
        showFirstDayPart()
    }
    // The products or groups button: back to the list, which starts again
        // from its first row only when it showed the other model.
    function pageButton(groups) {
        dayPartView = false
        listDivider = groups ? 250 : 300
        if (list.theModel !== (groups ? groupModel : productModel))
            showPage(groups)
    }
    function showPage(groups) {
        groupsPage = groups
        list.theModel = groups ? groupModel : productModel
        productSelectionChanged(shownCount > 0 ? 0 : -1)
    }
    function productSelectionChanged(row) {
        currentRow = row
        list.theSelectedIndex = row
        var e = emptyEntry(groupsPage)
        if (row >= 0 && !groupsPage) {
            e = { id: menuManager.getProductEditId(row), gid: 0, name: menuManager.getProductEditName(row),
                  names: menuManager.getProductEditNameList(row), color: menuManager.getProductEditTimerColor(row),
                  swatch: cabinetManager.timerColorEnable === true,
                  hold: menuManager.getProductEditHoldTime(row), warning: menuManager.getProductEditWarningTime(row),
                  lower: menuManager.getProductEditLowerTemp(row), upper: menuManager.getProductEditUpperTemp(row),
                  fan: menuManager.getProductEditFanSpeed(row), reset: menuManager.getProductEditResetTime(row),
                  lid: menuManager.getProductEditLidType(row), bottom: menuManager.getProductEditBottomType(row),
                  panSize: Number(menuManager.getProductEditPanSize(row)),
                  fraction: menuManager.getProductEditPanSizeX(row), empty: false }
        } else if (row >= 0) {
            e = { id: menuManager.getGroupEditId(row), gid: menuManager.getGroupEditProductGroupId(row),
                  name: menuManager.getGroupEditName(row), names: menuManager.getGroupEditNameList(row),
                  color: Rules.noTimerColor, swatch: false, hold: 0, warning: 0, reset: 0,
                  lower: menuManager.getGroupEditLowerTemp(row), upper: menuManager.getGroupEditUpperTemp(row),
                  fan: cabinetManager.hasFan ? menuManager.getGroupEditFanSpeed(row) : 0,
                  lid: menuManager.getGroupEditLidType(row), bottom: "",
                  panSize: Number(menuManager.getGroupEditPanSize(row)),
                  fraction: menuManager.getGroupEditPanSizeX(row), empty: false }
        }
        // The member box re-reads on a change of group id only.
        shown = emptyEntry(groupsPage)
        shown = e
    }
    function namesForNew() {
        var names = []
        for (var i = 0; i < tro.getNumOfAllLanguages(); ++i)
            names.push("")
        return names
    }

    function buttonPressed(name) {
        switch (name) {
        case "productsButton": return pageButton(false)
        case "groupsButton": return pageButton(true)
        case "dayPartsButton": return showDayParts()
        case "returnButton": return returnPressed()
        case "deleteButton": return deleteEntry()
        case "editButton": return editEntry()
        case "addButton": return addEntry()
        }
    }

    // Add, edit, delete.
    function addEntry() {
        if (menuManager.getGroupEditRowCount() + menuManager.getProductEditRowCount() >= maxEntries) {
            message(qsTr("Max products/groups reached. Can't add new products/groups!") + tro.emptyStr)
            return
        }
        var names = namesForNew()
        if (!groupsPage) {
            editorLoader.active = true
            editorLoader.form.loadProductData(0, names, 1800, 300, 200, 200, 300, "None", "Normal", "", 100,
                                              Rules.noTimerColor)
        } else {
            var gid = menuManager.addNewEditGroup()
            groupEditorLoader.active = true
            groupEditorLoader.form.loadGroupData(gid, names, 0, 0, "", "", 100, true)
            groupsCount = menuManager.getGroupEditRowCount()
            currentRow = groupsCount - 1
            list.theSelectedIndex = currentRow
        }
    }
    function editEntry() {
        if (currentRow < 0 || shownCount <= 0)
            return
        var e = shown
        if (!groupsPage) {
            editorLoader.active = true
            editorLoader.form.loadProductData(e.id, e.names, e.hold, e.warning, e.lower, e.upper, e.reset, e.lid,
                                              e.bottom, e.fraction, e.fan, e.color)
        } else {
            groupEditorLoader.active = true
            groupEditorLoader.form.loadGroupData(e.id, e.names, e.lower, e.upper, e.lid, e.fraction, e.fan, false)
        }
    }
    function deleteEntry() {
        if (currentRow < 0)
            return
        var row = currentRow
        var text = (groupsPage ? qsTr("Delete group") : qsTr("Delete product")) + tro.emptyStr
                   + " \"" + shown.name + "\"?"
        ask(qsTr("Delete") + tro.emptyStr, text, function () { deleteRow(row) }, null)
    }
    function deleteRow(row) {
        if (!groupsPage) {
            daypartManager.deleteProductGroupFromDayParts(menuManager.getProductEditId(row))
            menuManager.deleteProductFromEdit(row)
            if (sweepEmptyGroups())
                message(qsTr("Empty groups are deleted") + tro.emptyStr)
        } else {
            daypartManager.deleteProductGroupFromDayParts(menuManager.getGroupEditId(row))
            menuManager.deleteGroupFromEdit(row)
        }
        menuManager.initializeDayPartEditModel()
        loadDayPartPages()
        saveBeforeExit = true
        refreshCounts()
        productSelectionChanged(Math.min(row, shownCount - 1))
    }
    // Removes every group left without members, from the menu and the day parts.
    function sweepEmptyGroups() {
        var deleted = false
        for (var row = 0; row < menuManager.getGroupEditRowCount(); ++row) {
            if (menuManager.groupEditIsEmptyGroup(row)) {
                daypartManager.deleteProductGroupFromDayParts(menuManager.getGroupEditId(row))
                menuManager.deleteGroupFromEdit(row)
                deleted = true
                row = -1
            }
        }
        groupsCount = menuManager.getGroupEditRowCount()
        if (deleted)
            loadDayPartPages()
        return deleted
    }

    function productModified(addedNew) {
        saveBeforeExit = true
        if (addedNew) {
            refreshCounts()
            currentRow = productsCount - 1
        }
    }
    function productEditAccepted() {
        menuManager.sortProductEditModel()
        var row = menuManager.getProductEditIndex(editorLoader.form.savedProductId)
        productSelectionChanged(row)
        list.scrollToSelectedItem()
        hideEditors()
        if (sweepEmptyGroups())
            tell(qsTr("Empty groups are deleted") + tro.emptyStr)
        menuManager.initializeDayPartEditModel()
        recheckDayParts(menuManager.getProductEditId(row), menuManager.getProductEditLowerTemp(row),
                        menuManager.getProductEditUpperTemp(row), menuManager.getProductEditPanSize(row),
                        menuManager.getProductEditPanSizeX(row), menuManager.getProductEditFanSpeed(row))
    }
    function groupEditorClosed() {
        menuManager.sortGroupEditModel()
        refreshCounts()
        var row = menuManager.getGroupEditIndex(groupEditorLoader.form.savedGroupId)
        productSelectionChanged(Math.max(0, Math.min(row, groupsCount - 1)))
        list.scrollToSelectedItem()
        hideEditors()
        menuManager.initializeDayPartEditModel()
        row = currentRow
        recheckDayParts(menuManager.getGroupEditProductGroupId(row), menuManager.getGroupEditLowerTemp(row),
                        menuManager.getGroupEditUpperTemp(row), menuManager.getGroupEditPanSize(row),
                        menuManager.getGroupEditPanSizeX(row), menuManager.getGroupEditFanSpeed(row))
    }
    function hideEditors() {
        editorLoader.active = false
        groupEditorLoader.active = false
        assignLoader.active = false
        if (letterKeyboard) letterKeyboard.visible = false
        if (numberKeypad) numberKeypad.visible = false
    }

    // The shared question dialog: one question at a time, answered once.
    function ask(title, text, onYes, onNo) {
        dropQuestion(false)
        var dialog = questionDialog.show()
        var handlers = {}
        handlers.dialog = dialog
        handlers.yes = function () { dropQuestion(false); if (onYes) onYes() }
        handlers.no = function () { dropQuestion(false); if (onNo) onNo() }
        dialog.accepted.connect(handlers.yes)
        dialog.cancelled.connect(handlers.no)
        dialog.theTitle = title
        dialog.theText = text
        questionHandlers = handlers
    }
    function dropQuestion(hide) {
        var h = questionHandlers
        if (!h)
            return
        questionHandlers = null
        h.dialog.accepted.disconnect(h.yes)
        h.dialog.cancelled.disconnect(h.no)
        if (hide && questionDialog.item === h.dialog)
            questionDialog.visible = false
    }

    // Leaving: ask to save when something changed.
    function returnPressed() {
        if (!saveBeforeExit)
            return leave()
        if (cabinetManager.activelyHolding)
            return cancelDueToActiveHolding()
        ask(qsTr("Save") + tro.emptyStr, qsTr("Save changes?") + tro.emptyStr, function () {
            menuManager.saveEditModel()
            daypartManager.dayPartEditSave()
            leave()
        }, function () { leave() })
    }
    function leave() {
        saveBeforeExit = false
        hideEditors()
        close()
        showFirstDayPart()
        groupsPage = true
        list.theModel = groupModel
    }

    // ---- Day parts ----

    function showDayParts() { dayPartView = true }
    function dayPartPageItems(realOnly) {
        var items = []
        var first = realOnly ? firstRealPage : 0
        var last = realOnly ? firstRealPage + realPageCount : dayPartPages.count
        for (var i = first; i < last; ++i)
            items.push(dayPartPages.itemAt(i))
        return items
    }
    // Points the pages at the day parts in use; pages are kept when the
    // list has not changed.
    function rebuildDayPartPages() {
        var inUse = []
        for (var i = 0; i < daypartManager.getDayPartsToUseCount(); ++i)
            inUse.push(daypartManager.getDayPartToUse(i))
        var pages = inUse.length > 1 ? [inUse[inUse.length - 1]].concat(inUse, [inUse[0]]) : inUse
        if (JSON.stringify(pages) !== JSON.stringify(pageDayParts))
            pageDayParts = pages
    }
    function loadDayPartPages() {
        var items = dayPartPageItems(false)
        for (var i = 0; i < items.length; ++i)
            items[i].loadDayPartData()
    }
    function showFirstDayPart() {
        for (var i = 0; i < dayPartPages.count; ++i)
            dayPartPages.itemAt(i).endSelection()
        showDayPartPage(firstRealPage)
    }
    function showDayPartPage(index) {
        carouselSnap.stop()
        currentPage = index
        carousel.contentX = index * carousel.width
    }
    // After a swipe: settle on the nearest page; a wrap page hands over to
    // the real page it stands for.
    function settleCarousel() {
        if (carousel.width <= 0 || pageDayParts.length === 0)
            return
        var index = Math.max(0, Math.min(pageDayParts.length - 1, Math.round(carousel.contentX / carousel.width)))
        currentPage = index
        carouselSnap.to = index * carousel.width
        carouselSnap.restart()
    }
    function carouselSettled() {
        if (pageDayParts.length > 1 && currentPage === 0)
            showDayPartPage(realPageCount)
        else if (pageDayParts.length > 1 && currentPage === pageDayParts.length - 1)
            showDayPartPage(firstRealPage)
    }

    // A page asks to fill a position: offer what fits.
    function callAssignBin(dayPart, zoneIndex, binIndex, lowerTemp, upperTemp, panSize, fanSpeed) {
        assignLoader.active = true
        var form = assignLoader.form
        form.theDayPart = dayPart
        form.theZoneIndex = zoneIndex
        form.theBinIndex = binIndex
        form.theLowerTemp = lowerTemp
        form.theUpperTemp = upperTemp
        form.thePanSize = panSize
        form.theFanSpeed = fanSpeed
        form.loadDayPartBinInfo()
    }
    function binAssigned(productId) {
        var form = assignLoader.form
        daypartManager.dayPartEditSetProductId(form.theDayPart, form.theZoneIndex, form.theBinIndex, productId)
        assignLoader.active = false
        saveBeforeExit = true
        loadDayPartPages()
    }
    // A page hands over the positions chosen for clearing: { dp, zIndex, pIndex }.
    function callRemoveBinsAssignment(list) {
        var records = list.slice()
        ask(qsTr("Remove") + tro.emptyStr, qsTr("Remove Bins day-part assignments?") + tro.emptyStr, function () {
            for (var i = 0; i < records.length; ++i)
                daypartManager.dayPartEditSetProductId(records[i].dp, records[i].zIndex, records[i].pIndex, 0)
            saveBeforeExit = true
            loadDayPartPages()
        }, null)
    }
    // A touch on a locked page.
    function askForPinPad() {
        if (cabinetManager.activelyHolding)
            return message(qsTr("Product Editing Unavailable<br>while timers are active!") + tro.emptyStr)
        if (productsLocked)
            askForCode()
    }
    // After a product or group was saved: clear it where it no longer fits,
    // in every day part in use, and say so.
    function recheckDayParts(id, lower, upper, panSize, fraction, fan) {
        if (Number(id) === 0)
            return loadDayPartPages()
        var cleared = false
        var items = dayPartPageItems(true)
        for (var i = 0; i < items.length; ++i) {
            if (items[i].validateProductInDayParts(id, lower, upper, panSize, fraction, fan))
                cleared = true
        }
        loadDayPartPages()
        if (cleared)
            tell(qsTr("Product will be removed from day-part(s)<br>assignments") + tro.emptyStr)
    }

    // Lock and access code.
    function lockPressed() {
        if (cabinetManager.activelyHolding)
            return message(qsTr("Product Editing Unavailable<br>while timers are active!") + tro.emptyStr)
        if (productsLocked)
            return askForCode()
        productsLocked = true
        dayPartsLocked = true
        configManager.programModeExited("MenuEditPanel", userUnlockLevel)
        userUnlockLevel = 0
    }
    function askForCode() {
        if (failedAttempts > maxFailedAttempts)
            return message(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr)
        dropCodeEntry(false)
        var entry = numberEntry.show()
        entry.input_text = qsTr("PIN #") + tro.emptyStr
        entry.inputTime_validation = false
        entry.edit_started = false
        entry.passwordInput = false
        entry.signEnabled = false
        entry.validateIntInput = false
        var handlers = { entry: entry }
        handlers.accept = function (value) { codeEntered(value) }
        handlers.cancel = function () { dropCodeEntry(true) }
        entry.acceptVal.connect(handlers.accept)
        entry.cancelled.connect(handlers.cancel)
        codeHandlers = handlers
    }
    function dropCodeEntry(hide) {
        var h = codeHandlers
        if (!h)
            return
        codeHandlers = null
        h.entry.acceptVal.disconnect(h.accept)
        h.entry.cancelled.disconnect(h.cancel)
        if (hide && numberEntry.item === h.entry)
            numberEntry.visible = false
    }
    function codeEntered(text) {
        var code = dez ? text : configManager.encryptString(text)
        var level = code === configManager.passwdL3 ? 3 : code === configManager.passwdL2 ? 2
                  : code === configManager.passwdL1 ? 1 : 0
        if (level > 0) {
            productsLocked = false
            dayPartsLocked = false
            failedAttempts = 0
            dropCodeEntry(true)
            if (code === configManager.passwdL4)
                level = 4
            configManager.passcodeEntered("MenuEditPanel", level, true)
            userUnlockLevel = level
            return
        }
        failedAttempts += 1
        if (failedAttempts > maxFailedAttempts) {
            dropCodeEntry(true)
            message(qsTr("Too many failed attempts.\nCall service.") + tro.emptyStr)
        } else {
            codeHandlers.entry.input_text = qsTr("ERROR") + tro.emptyStr
            codeHandlers.entry.edit_started = false
        }
        configManager.passcodeEntered("MenuEditPanel", 1, false)
    }

    // Holding locks the editor, and ends every question and code entry this
    // panel has open; unsaved changes are dropped.
    function cancelDueToActiveHolding() {
        if (!cabinetManager.activelyHolding)
            return
        if (!productsLocked && userUnlockLevel !== 0) {
            configManager.programModeExited("MenuEditPanel", userUnlockLevel)
            userUnlockLevel = 0
        }
        productsLocked = true
        dayPartsLocked = true
        dropQuestion(true)
        dropCodeEntry(true)
        // Nothing may be assigned or cleared while locked.
        assignLoader.active = false
        for (var i = 0; i < dayPartPages.count; ++i)
            dayPartPages.itemAt(i).endSelection()
        if (visible && saveBeforeExit) {
            saveBeforeExit = false
            leave()
            message(qsTr("Products Editing Cancelled<br>due to active timers.") + tro.emptyStr)
        }
    }
    // Built on first opening, from the copies the home screen just made.
    Component.onCompleted: initializeProductEditView()
    Connections {
        target: cabinetManager
        function onActivelyHoldingChanged() { panel.cancelDueToActiveHolding() }
    }

    // Touches that hit no control stay here.
    MouseArea2 { anchors.fill: parent }

    Rectangle {
        id: footer
        objectName: "footer"
        color: uiSkin.dockAreaBackgroundColor
        width: panel.portrait ? parent.width : 90
        height: panel.portrait ? 90 : parent.height
        anchors.left: parent.left
        anchors.bottom: parent.bottom

        Grid {
            columns: panel.portrait ? 5 : 1
            rows: panel.portrait ? 1 : 5
            Repeater {
                model: [
                    { name: "productsButton", icon: "images/menuEditItemIcon.png" },
                    { name: "groupsButton", icon: "images/menuEditGroupIcon.png" },
                    { name: "dayPartsButton", icon: "images/menuEditDayPartIcon.png" },
                    { name: "returnButton", icon: "images/return-button-white.png" }
                ]
                delegate: Rectangle {
                    objectName: modelData.name
                    width: 90
                    height: 90
                    readonly property bool current: panel.dayPartView ? index === 2
                                                                      : (index === 0 && !panel.groupsPage) || (index === 1 && panel.groupsPage)
                    color: press.pressed || current
                           ? Qt.lighter(uiSkin.dockAreaBackgroundColor, 1.6) : "transparent"
                    Image { anchors.centerIn: parent; source: modelData.icon; sourceSize.height: 60; fillMode: Image.PreserveAspectFit }
                    MouseArea2 { id: press; anchors.fill: parent; onClicked: panel.buttonPressed(modelData.name) }
                }
            }
        }
        Image {
            objectName: "logo"
            source: "images/vesproLogo2.png"
            fillMode: Image.PreserveAspectFit
            width: 80
            height: 60
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 5
            MouseArea2 {
                anchors.fill: parent
                onDoubleClicked: if (kivDisplay.screenshotsEnabled) cabinetManager.screenShot()
            }
        }
    }

    Item {
        id: productArea
        visible: !panel.dayPartView
        anchors.left: panel.portrait ? parent.left : footer.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: panel.portrait ? footer.top : parent.bottom

        ProductsListView {
            id: list
            objectName: "list"
            x: 5
            y: 5
            width: panel.portrait ? parent.width - 10 : 330
            height: panel.portrait ? panel.listDivider - 10 : parent.height - 10
            onSelectionChanged: panel.productSelectionChanged(selectedIndex)
        }
        DragDivider {
            objectName: "listDivider"
            visible: panel.portrait
            position: panel.listDivider
            onMoved: panel.listDivider = y
            onDropped: { panel.listDivider = y; list.scrollToSelectedItem() }
        }

        Rectangle {
            id: infoBox
            objectName: "infoBox"
            x: panel.portrait ? 5 : list.x + list.width + 5
            y: panel.portrait ? panel.listDivider + 16 : 5
            width: parent.width - x - 5
            height: parent.height - y - 5
            border.color: "#b0b0b0"
            radius: 4

            Flickable {
                anchors.fill: parent
                anchors.margins: 8
                anchors.bottomMargin: 70
                contentHeight: rows.height
                clip: true
                Column {
                    id: rows
                    width: parent.width
                    spacing: 2
                    // Labels need room for "Upper Temperature" on one line.
                    readonly property int labelWidth: panel.portrait ? 230 : 200
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        visible: cabinetManager.productIdDisplayEnable === true
                        pirName: qsTr("id:") + tro.emptyStr; pirValue: panel.shown.empty ? "" : panel.shown.id
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        objectName: "nameRow"; pirName: qsTr("Name:") + tro.emptyStr; pirValue: panel.shown.name }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        objectName: "upperRow"
                        pirName: (panel.dez ? qsTr("Hold Temp") : qsTr("Upper Temperature")) + tro.emptyStr
                        pirValue: panel.shown.empty ? "" : panel.tempText(panel.shown.upper)
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        objectName: "lowerRow"
                        pirName: (panel.dez ? qsTr("Product temp") : qsTr("Lower Temperature")) + tro.emptyStr
                        pirValue: panel.shown.empty ? "" : panel.tempText(panel.shown.lower)
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        objectName: "holdRow"; visible: !panel.groupsPage
                        pirName: qsTr("Hold time:") + tro.emptyStr; pirValue: Rules.hhmmss(panel.shown.hold)
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        visible: !panel.groupsPage
                        pirName: qsTr("Warning time:") + tro.emptyStr; pirValue: Rules.hhmmss(panel.shown.warning)
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        objectName: "fanRow"; visible: cabinetManager.hasFan === true
                        pirName: qsTr("Fan Speed:") + tro.emptyStr; pirValue: panel.shown.fan
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        visible: !panel.groupsPage && cabinetManager.nfcEnabled === true && !panel.dez
                        pirName: qsTr("Reset time:") + tro.emptyStr; pirValue: Rules.hhmmss(panel.shown.reset)
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        pirName: qsTr("Lid type:") + tro.emptyStr
                        pirValue: panel.shown.empty ? "" : panel.lidText(panel.shown.lid)
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        visible: !panel.groupsPage
                        pirName: qsTr("Bottom type:") + tro.emptyStr
                        pirValue: panel.shown.empty ? "" : panel.bottomText(panel.shown.bottom)
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        pirName: qsTr("Zone splits:") + tro.emptyStr; pirValue: panel.shown.fraction }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        visible: panel.groupsPage; pirName: qsTr("Items:") + tro.emptyStr; pirValue: " " }
                    ProductsGroupListView {
                        objectName: "memberBox"
                        visible: panel.groupsPage
                        width: parent.width
                        height: 150
                        readonly property int groupRow: panel.groupsPage && panel.shown.gid > 1
                                                        ? menuManager.getGroupEditIndex(panel.shown.gid) : -1
                        groupItemsModel: groupRow >= 0 ? menuManager.getGroupEditGroupPList(groupRow) : []
                        defaultIndex: groupRow >= 0 ? menuManager.getGroupEditGroupsDefault(groupRow) : -1
                    }
                    ProductInfoRow {
                        nameWidth: rows.labelWidth; valueWidth: rows.width - rows.labelWidth - 10
                        visible: !panel.groupsPage && cabinetManager.timerColorEnable === true
                                 && configManager.timerColorStatus === true
                        pirName: qsTr("Color:") + tro.emptyStr
                        pirValue: panel.shown.color
                        timerColorEnabled: true
                    }
                }
            }

            Rectangle {
                id: lockButton
                objectName: "lockButton"
                visible: panel.editAllowed
                enabled: visible
                color: lockPress.pressed ? "#d0d0d0" : "#eeeeee"
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.margins: 5
                height: 60
                width: panel.productsLocked ? parent.width - 10 : 70
                Image {
                    anchors.centerIn: parent
                    source: panel.productsLocked || !lockButton.enabled ? "images/lockSmallClosed.png" : "images/lockSmallOpen.png"
                }
                MouseArea2 { id: lockPress; anchors.fill: parent; onClicked: panel.lockPressed() }
            }
            Row {
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 5
                spacing: 10
                layoutDirection: Qt.RightToLeft
                visible: !panel.productsLocked && panel.editAllowed
                Repeater {
                    model: [
                        { name: "deleteButton", icon: "images/deleteProductIcon.png" },
                        { name: "editButton", icon: "images/editProductIcon.png" },
                        { name: "addButton", icon: "images/addProductIcon.png" }
                    ]
                    delegate: Rectangle {
                        objectName: modelData.name
                        readonly property bool isAdd: index === 2
                        visible: isAdd || !panel.currentLocked
                        enabled: isAdd ? (!panel.groupsPage || panel.productsCount > 0) : panel.shownCount > 0
                        opacity: enabled ? 1 : 0.5
                        width: 70
                        height: 60
                        color: editPress.pressed ? Qt.lighter(uiSkin.dockAreaBackgroundColor, 1.6) : uiSkin.dockAreaBackgroundColor
                        Image { anchors.centerIn: parent; source: modelData.icon; sourceSize.height: 50 }
                        MouseArea2 { id: editPress; anchors.fill: parent; onClicked: panel.buttonPressed(modelData.name) }
                    }
                }
            }
        }
    }

    Item {
        id: dayPartArea
        objectName: "dayPartView"
        visible: panel.dayPartView
        anchors.fill: productArea

        Flickable {
            id: carousel
            objectName: "carousel"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: dayPartStrip.top
            clip: true
            contentWidth: width * panel.pageDayParts.length
            contentHeight: height
            flickableDirection: Flickable.HorizontalFlick
            boundsBehavior: Flickable.StopAtBounds
            interactive: !panel.selectingBins && panel.pageDayParts.length > 1
            onMovementEnded: panel.settleCarousel()
            onWidthChanged: panel.showDayPartPage(panel.currentPage)
            NumberAnimation on contentX {
                id: carouselSnap
                running: false
                duration: 200
                easing.type: Easing.OutQuad
                onFinished: panel.carouselSettled()
            }
            Repeater {
                id: dayPartPages
                model: panel.pageDayParts
                delegate: DayPartEditPanel {
                    objectName: "dayPartPage" + index
                    x: index * carousel.width
                    width: carousel.width
                    height: carousel.height
                    dayPartIndex: modelData
                    itemLocked: panel.dayPartsLocked
                    host: panel
                    onAskForPinPad: panel.askForPinPad()
                }
            }
        }

        // Lock button, page dots and what to do.
        Item {
            id: dayPartStrip
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 70
            Rectangle {
                objectName: "dayPartLockButton"
                enabled: !panel.selectingBins
                opacity: enabled ? 1 : 0.5
                color: dayPartLockPress.pressed ? "#d0d0d0" : "#eeeeee"
                x: 5
                anchors.verticalCenter: parent.verticalCenter
                width: 70
                height: 60
                Image {
                    anchors.centerIn: parent
                    source: panel.dayPartsLocked || !parent.enabled ? "images/lockSmallClosed.png" : "images/lockSmallOpen.png"
                }
                MouseArea2 { id: dayPartLockPress; anchors.fill: parent; onClicked: panel.lockPressed() }
            }
            Row {
                objectName: "pageDots"
                visible: !panel.selectingBins && panel.realPageCount > 1
                anchors.horizontalCenter: parent.horizontalCenter
                y: 6
                spacing: 12
                Repeater {
                    model: panel.realPageCount
                    delegate: Rectangle {
                        width: 14
                        height: 14
                        radius: 7
                        color: index === panel.currentPage - panel.firstRealPage
                               || (panel.currentPage === 0 && index === panel.realPageCount - 1)
                               || (panel.currentPage === panel.pageDayParts.length - 1 && index === 0)
                               ? "#404040" : "#c0c0c0"
                        MouseArea2 {
                            anchors.fill: parent
                            anchors.margins: -6
                            onClicked: panel.showDayPartPage(index + panel.firstRealPage)
                        }
                    }
                }
            }
            Text {
                objectName: "dayPartInstruction"
                visible: !panel.selectingBins
                anchors.left: parent.left
                anchors.leftMargin: 85
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                font.pixelSize: 16
                color: "black"
                text: qsTr("Touch a position to choose its product. Touch and hold to clear positions.") + tro.emptyStr
            }
        }
    }

    // The editor windows are made when opened and dropped when closed.
    Loader {
        id: editorLoader
        objectName: "productEditor"
        anchors.fill: parent
        active: false
        sourceComponent: Rectangle {
            property alias form: form
            color: "#80000000"
            MouseArea2 { anchors.fill: parent }
            ProductItemEditPanel {
                id: form
                anchors.centerIn: parent
                letterKeyboard: panel.letterKeyboard
                numberKeypad: panel.numberKeypad
                showMessage: panel.message
                onProductModified: panel.productModified(addedNew)
                onEditAccepted: panel.productEditAccepted()
                onEditCancelled: panel.hideEditors()
            }
        }
        readonly property var form: item ? item.form : null
    }
    Loader {
        id: groupEditorLoader
        objectName: "groupEditor"
        anchors.fill: parent
        active: false
        sourceComponent: Rectangle {
            property alias form: form
            color: "#80000000"
            MouseArea2 { anchors.fill: parent }
            GroupItemEditPanel {
                id: form
                anchors.centerIn: parent
                productModel: panel.productModel
                letterKeyboard: panel.letterKeyboard
                showMessage: panel.message
                askQuestion: panel.ask
                onProductModified: { panel.saveBeforeExit = true; panel.refreshCounts() }
                onHideMe: panel.groupEditorClosed()
            }
        }
        readonly property var form: item ? item.form : null
    }
    Loader {
        id: assignLoader
        objectName: "assignWindow"
        anchors.fill: parent
        active: false
        sourceComponent: Rectangle {
            property alias form: form
            color: "#80000000"
            MouseArea2 { anchors.fill: parent }
            DayPartEditAssignItem {
                id: form
                anchors.fill: parent
                anchors.margins: 10
                onAccepted: panel.binAssigned(productId)
                onCancelled: assignLoader.active = false
            }
        }
        readonly property var form: item ? item.form : null
    }
}
