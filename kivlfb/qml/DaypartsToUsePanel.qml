import QtQuick 2.15
import "widgets"

// Service page "Day-Parts": which of the defined day parts the site uses.
// The ticks are the page's own until accepted: only accept writes them into
// the day-part manager's in-use list and saves it, so the pop-up and the
// primary display's request check never see an unaccepted choice. The day
// part being held keeps its tick as it is.
GenericSettingsItem {
    id: page

    property var manager: daypartManager
    property bool changesFlag: false
    readonly property int tickedCount: selectedDayPartsCount()

    itemName: "Day-Parts"
    lockLevel: cabinetManager.iAmMaster ? 1 : -1
    itemLocked: true
    itemModified: changesFlag

    // One entry per defined day part, in day-part order.
    property var names: []
    property var ticks: []

    // Re-reads names and ticks from the manager; the ticks only with
    // withTicks, so a change of language keeps what the user has ticked.
    function readRows(withTicks) {
        var count = manager.getDayPartsCount()
        var newNames = [], newTicks = []
        for (var i = 0; i < count; ++i) {
            newNames.push(manager.getDayPartName(i))
            newTicks.push(withTicks || ticks.length !== count ? manager.getDayPartIsUsed(i) : ticks[i])
        }
        names = newNames
        ticks = newTicks
    }
    function loadDayPartsInfo() { readRows(true) }
    function reloadNames() { readRows(false) }
    function setDayPartUseConfig() {
        manager.resetIsUsedDayPart()
        for (var i = 0; i < ticks.length; ++i)
            manager.setIsUsedDayPart(i, ticks[i])
    }
    function selectedDayPartsCount() {
        return ticks.filter(function (used) { return used }).length
    }
    function toggle(dayPart) {
        if (dayPart === manager.nextDayPart)
            return
        var changed = ticks.slice()
        changed[dayPart] = !changed[dayPart]
        ticks = changed
        changesFlag = true
    }
    function accept() {
        setDayPartUseConfig()
        manager.saveDayPartsUsed()
        changesFlag = false
    }
    function cancel() {
        loadDayPartsInfo()
        changesFlag = false
    }

    Component.onCompleted: loadDayPartsInfo()

    Connections {
        target: page.manager
        function onReloadDaypartsInUse() { page.loadDayPartsInfo() }
        function onDaypartsFileLoadDone() { page.loadDayPartsInfo() }
    }
    Connections {
        target: configManager
        function onLanguageIdChanged() { page.reloadNames() }
    }

    Rectangle {
        anchors.fill: parent
        color: uiSkin.generalPanelBackgroundColor
        z: -2
    }

    Text {
        id: title
        x: 20
        y: 12
        text: qsTr("Day-Parts") + tro.emptyStr
        font.pixelSize: 24
        font.bold: true
        color: "black"
    }

    ListView {
        id: list
        objectName: "dayPartRows"
        anchors.top: title.bottom
        anchors.topMargin: 10
        anchors.bottom: buttons.top
        anchors.bottomMargin: 10
        x: 20
        width: parent.width - 40
        clip: true
        spacing: 4
        model: page.names.length
        boundsBehavior: Flickable.StopAtBounds
        delegate: Rectangle {
            objectName: "dayPartRow" + index
            width: list.width
            height: 44
            color: "transparent"
            border.width: index === page.manager.nextDayPart ? 3 : 0
            border.color: "green"

            CheckBox {
                objectName: "tick"
                x: 8
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 16
                height: 36
                is_checked: page.ticks[index] === true
                label: page.names[index] !== undefined ? page.names[index] : ""
                label_font_size: 18
                label_color: "black"
                onChecked: page.toggle(index)
                onUnchecked: page.toggle(index)
            }
        }
    }

    AcceptCancelItem {
        id: buttons
        objectName: "acceptCancel"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        anchors.horizontalCenter: parent.horizontalCenter
        enabled: page.changesFlag && page.tickedCount > 0
        onUserAccepted: page.accept()
        onUserCancelled: page.cancel()
    }
}
