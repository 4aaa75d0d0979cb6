import QtQuick 2.15
import KivDefs 1.0
import "widgets"
import "menurules.js" as Rules

// The choice of a product or group for one pan position of a day part:
// every product and group of the editor, with only those that fit the
// position's room and its zone's temperatures and fan speed selectable,
// and the details of the one chosen. The host sets the position and its
// limits, calls loadDayPartBinInfo() and shows the window.
Rectangle {
    id: assign

    property int theDayPart: 0
    property int theZoneIndex: 0
    property int theBinIndex: 0
    property int theLowerTemp: 0
    property int theUpperTemp: 0
    // The room at the position, in bins.
    property real thePanSize: 1
    property int theFanSpeed: 0

    property int currentRow: -1
    property var shown: emptyEntry()
    // Portrait: where the list ends and the details begin.
    property int dividerY: 300

    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property bool dez: cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ
    readonly property bool celsius: configManager.tempUnit === 1

    signal accepted(int productId)
    signal cancelled()

    color: uiSkin.generalPanelBackgroundColor
    border.color: "#b0b0b0"
    radius: 4

    function emptyEntry() {
        return { id: 0, gid: 0, name: "", hold: 0, warning: 0, reset: 0, lower: 0, upper: 0, lid: "",
                 bottom: "", panSize: 0, fraction: "", fan: 0, color: Rules.noTimerColor, empty: true }
    }
    function tempText(f) {
        return celsius ? cabinetManager.convertToCelsius(Number(f)) + "\u00b0C" : Number(f) + "\u00b0F"
    }
    function lidText(lid) {
        if (lid === "Vented") return qsTr("Vented") + tro.emptyStr
        if (lid === "Solid") return qsTr("Solid") + tro.emptyStr
        return qsTr("None") + tro.emptyStr
    }

    // Resets the filter to this position and clears the choice.
    function loadDayPartBinInfo() {
        list.filterLowerTemp = theLowerTemp === 0 ? "" : String(theLowerTemp)
        list.filterUpperTemp = theUpperTemp === 0 ? "" : String(theUpperTemp)
        list.filterPanSize = thePanSize
        list.filterFanSpeed = theFanSpeed
        list.tempRangeFilter = cabinetManager.tempHandling === KivDefines.KIV_ZONE_TEMP_HANDLING_INDIVIDUAL
        productSelectionChanged(-1)
        list.theListViewContentY = 0
    }

    function productSelectionChanged(row) {
        currentRow = row
        list.theSelectedIndex = row
        if (row < 0) {
            shown = emptyEntry()
            return
        }
        var gid = Number(menuManager.dayPartModelGetGroupId(row))
        var e = { id: Number(menuManager.dayPartModelGetId(row)), gid: gid,
                  name: menuManager.dayPartModelGetName(row),
                  lower: menuManager.dayPartModelGetLowerTemp(row), upper: menuManager.dayPartModelGetUpperTemp(row),
                  lid: menuManager.dayPartModelGetLidType(row), color: Rules.noTimerColor, empty: false }
        if (gid === 0) {
            e.hold = menuManager.dayPartModelGetHoldTime(row)
            e.warning = menuManager.dayPartModelGetWarningTime(row)
            e.fan = menuManager.dayPartModelGetFanSpeed(row)
            e.reset = menuManager.dayPartModelGetResetTime(row)
            e.color = menuManager.dayPartModelGetTimerColor(row)
            e.bottom = menuManager.dayPartModelGetBottomType(row) === "False" ? qsTr("False") + tro.emptyStr
                                                                              : qsTr("Normal") + tro.emptyStr
            e.panSize = Number(menuManager.dayPartModelGetPanSize(row))
            e.fraction = menuManager.dayPartModelGetPanSizeX(row)
        } else {
            var groupRow = menuManager.getGroupEditIndex(gid)
            e.hold = 0
            e.warning = 0
            e.fan = 0
            e.reset = 0
            e.bottom = ""
            e.panSize = Number(menuManager.getGroupEditPanSize(groupRow))
            e.fraction = menuManager.getGroupEditPanSizeX(groupRow)
        }
        shown = e
    }

    function accept() {
        if (currentRow < 0)
            return
        var id = Number(menuManager.dayPartModelGetId(currentRow))
        list.theListViewContentY = 0
        accepted(id)
    }
    function cancel() {
        list.theListViewContentY = 0
        cancelled()
    }

    // Touches that hit no control stay here.
    MouseArea2 { anchors.fill: parent }

    ProductsListView {
        id: list
        objectName: "assignList"
        x: 5
        y: 5
        width: assign.portrait ? parent.width - 10 : 330
        height: assign.portrait ? assign.dividerY - y : parent.height - 10
        theModel: dayPartsEditModel
        filtersActive: true
        panSizeMatchExact: false
        filterLidType: ""
        onSelectionChanged: assign.productSelectionChanged(selectedIndex)
    }

    DragDivider {
        id: divider
        objectName: "divider"
        visible: assign.portrait
        onPositionChanged: assign.dividerY = position
        onDropped: list.scrollToSelectedItem()
    }

    Item {
        id: details
        x: assign.portrait ? 5 : list.x + list.width + 5
        y: assign.portrait ? assign.dividerY + divider.height : 5
        width: parent.width - x - 5
        height: parent.height - y - 75

        Flickable {
            anchors.fill: parent
            contentHeight: rows.height
            clip: true
            Column {
                id: rows
                width: parent.width
                spacing: 2
                readonly property int labelWidth: 200
                readonly property int valueWidth: width - labelWidth - 15
                readonly property bool product: !assign.shown.empty && assign.shown.gid === 0
                readonly property bool group: !assign.shown.empty && assign.shown.gid !== 0
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    visible: cabinetManager.productIdDisplayEnable === true
                    pirName: qsTr("id:") + tro.emptyStr; pirValue: assign.shown.empty ? "" : assign.shown.id
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    objectName: "assignNameRow"; pirName: qsTr("Name:") + tro.emptyStr; pirValue: assign.shown.name
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth; visible: rows.product
                    pirName: qsTr("Hold time:") + tro.emptyStr; pirValue: Rules.hhmmss(assign.shown.hold)
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth; visible: rows.product
                    pirName: qsTr("Warning time:") + tro.emptyStr; pirValue: Rules.hhmmss(assign.shown.warning)
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    objectName: "assignUpperRow"
                    pirName: (assign.dez ? qsTr("Hold Temp") : qsTr("Upper Temperature")) + tro.emptyStr
                    pirValue: assign.shown.empty ? "" : assign.tempText(assign.shown.upper)
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    objectName: "assignLowerRow"
                    pirName: (assign.dez ? qsTr("Product temp") : qsTr("Lower Temperature")) + tro.emptyStr
                    pirValue: assign.shown.empty ? "" : assign.tempText(assign.shown.lower)
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    visible: cabinetManager.hasFan === true
                    pirName: qsTr("Fan Speed:") + tro.emptyStr; pirValue: assign.shown.empty ? "" : assign.shown.fan
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    visible: rows.product && cabinetManager.nfcEnabled === true && !assign.dez
                    pirName: qsTr("Reset time:") + tro.emptyStr; pirValue: Rules.hhmmss(assign.shown.reset)
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    pirName: qsTr("Lid type:") + tro.emptyStr
                    pirValue: assign.shown.empty ? "" : assign.lidText(assign.shown.lid)
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth; visible: rows.product
                    pirName: qsTr("Bottom type:") + tro.emptyStr; pirValue: assign.shown.bottom
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    objectName: "assignFractionRow"
                    pirName: qsTr("Zone splits:") + tro.emptyStr; pirValue: assign.shown.fraction
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth; visible: rows.group
                    pirName: qsTr("Items:") + tro.emptyStr; pirValue: " "
                }
                ProductsGroupListView {
                    objectName: "assignMemberBox"
                    visible: rows.group
                    width: parent.width
                    height: 120
                    readonly property int groupRow: rows.group ? menuManager.getGroupEditIndex(assign.shown.gid) : -1
                    groupItemsModel: groupRow >= 0 ? menuManager.getGroupEditGroupPList(groupRow) : []
                    defaultIndex: groupRow >= 0 ? menuManager.getGroupEditGroupsDefault(groupRow) : -1
                }
                ProductInfoRow {
                    nameWidth: rows.labelWidth; valueWidth: rows.valueWidth
                    visible: rows.product && cabinetManager.timerColorEnable === true
                             && configManager.timerColorStatus === true && assign.shown.color !== Rules.noTimerColor
                    pirName: qsTr("Color:") + tro.emptyStr
                    pirValue: assign.shown.color
                    timerColorEnabled: true
                }
            }
        }
    }

    AcceptCancelItem {
        objectName: "assignButtons"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        acceptEnabled: assign.currentRow >= 0
        onUserAccepted: assign.accept()
        onUserCancelled: assign.cancel()
    }
}
