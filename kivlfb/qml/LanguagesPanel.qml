import QtQuick 2.15
import "widgets"

// Service page "Language": which languages the dock's language button
// offers. The language in use always stays offered; it is changed with the
// dock, not here.
GenericSettingsItem {
    id: languagesPanel

    readonly property int rowHeight: 50
    readonly property int listWidth: 250
    readonly property int scrollBarWidth: 15

    // One entry per model row: { languageId, used }.
    property var usedLanguagesList: []
    property int currentRow: -1
    property bool changes: false

    function loadUsed() {
        var list = []
        var items = languagesModelNew.languageList
        for (var i = 0; i < items.length; ++i) {
            var id = items[i].id
            list.push({ languageId: id, used: configManager.getIsLanguageUsed(id) })
        }
        usedLanguagesList = list
        currentRow = tro.getLanguageId(configManager.get_languageId())
    }
    function setUsed(row, used) {
        // The language in use cannot be taken off the list.
        if (row === currentRow && !used)
            return
        var list = usedLanguagesList
        list[row].used = used
        usedLanguagesList = list
        changes = true
    }
    function accept() {
        for (var i = 0; i < usedLanguagesList.length; ++i)
            configManager.setLanguageIsUsed(usedLanguagesList[i].languageId, usedLanguagesList[i].used)
        tro.setLanguage(currentRow)
        configManager.saveConfigFile()
        changes = false
        if (!cabinetManager.iAmMaster || cabinetManager.hasMirrorDisplay || cabinetManager.hasSecondaryDisplay)
            cabinetManager.sendLanguageSettingsData()
    }
    function cancel() {
        currentRow = tro.getLanguage()
        changes = false
    }

    itemName: "LanguagePanel"
    lockLevel: cabinetManager.iAmMaster ? 1 : -1
    itemLocked: true
    itemModified: changes

    Component.onCompleted: loadUsed()

    Connections {
        target: configManager
        ignoreUnknownSignals: true
        function onUsedLanguagesChanged() {
            languagesPanel.loadUsed()
            languagesPanel.changes = false
        }
        function onLanguageIdChanged() {
            languagesPanel.currentRow = tro.getLanguageId(configManager.get_languageId())
            languagesPanel.changes = false
        }
    }
    Connections {
        target: languagesModelNew
        function onChanged() { languagesPanel.loadUsed() }
    }

    Rectangle {
        anchors.fill: parent
        z: -2
        color: uiSkin.generalPanelBackgroundColor
    }

    Text {
        id: title
        objectName: "languageTitle"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 10
        text: qsTr("Language") + tro.emptyStr
        color: uiSkin.servicePageTitleFontColor
        font.pixelSize: uiSkin.servicePageTitleFontSize
        font.bold: true
    }

    ListView {
        id: list
        objectName: "languageList"
        anchors.top: title.bottom
        anchors.topMargin: 10
        anchors.bottom: buttons.top
        anchors.bottomMargin: 10
        anchors.horizontalCenter: parent.horizontalCenter
        width: languagesPanel.listWidth
        clip: true
        model: languagesModelNew.languageList
        snapMode: ListView.SnapToItem
        boundsBehavior: Flickable.StopAtBounds
        LayoutMirroring.enabled: kivDisplay.isLanguageRightToLeft()
        LayoutMirroring.childrenInherit: true

        delegate: Item {
            id: row
            readonly property var entry: languagesPanel.usedLanguagesList[index]
            readonly property bool used: entry !== undefined && entry.used === true
            objectName: "languageRow" + index
            width: list.width
            height: languagesPanel.rowHeight
            opacity: modelData.isAvailable ? 1.0 : 0.5

            CheckBox {
                id: box
                objectName: "languageCheck" + index
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                width: 40
                height: 40
                is_checked: row.used
                onChecked: languagesPanel.setUsed(index, true)
                onUnchecked: languagesPanel.setUsed(index, false)
            }
            Rectangle {
                anchors.left: box.right
                anchors.leftMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                width: nameText.implicitWidth + 16
                height: nameText.implicitHeight + 10
                color: "transparent"
                border.width: 3
                border.color: index === languagesPanel.currentRow ? "green" : "transparent"
                Text {
                    id: nameText
                    objectName: "languageName" + index
                    anchors.centerIn: parent
                    text: modelData.name
                    color: uiSkin.generalFontColor
                    font.pixelSize: 18
                }
                MouseArea2 {
                    anchors.fill: parent
                    enabled: modelData.isAvailable && index !== languagesPanel.currentRow
                    onClicked: languagesPanel.setUsed(index, !row.used)
                }
            }
        }
    }

    // Scroll bar: its length is the visible share of the list; it stays
    // usable while the page is locked.
    Rectangle {
        id: scrollBar
        objectName: "languageScrollBar"
        z: 1001
        visible: list.contentHeight > list.height
        x: list.x + list.width + 10
        width: languagesPanel.scrollBarWidth
        radius: width / 2
        height: list.height * Math.min(1, list.height / Math.max(1, list.contentHeight))
        y: list.y + (list.height - height) * (list.contentY / Math.max(1, list.contentHeight - list.height))
        color: scrollArea.pressed ? "steelblue" : "grey"
        MouseArea2 {
            id: scrollArea
            anchors.fill: parent
            anchors.margins: -10
            property real pressY: 0
            property real pressContentY: 0
            onPressed: {
                pressY = mapToItem(languagesPanel, mouse.x, mouse.y).y
                pressContentY = list.contentY
                languagesPanel.scrollActive = true
            }
            onReleased: languagesPanel.scrollActive = false
            onCanceled: languagesPanel.scrollActive = false
            onPositionChanged: {
                var travel = list.height - scrollBar.height
                if (travel <= 0)
                    return
                var dy = mapToItem(languagesPanel, mouse.x, mouse.y).y - pressY
                var range = list.contentHeight - list.height
                list.contentY = Math.max(0, Math.min(range, pressContentY + dy * range / travel))
            }
        }
    }

    AcceptCancelItem {
        id: buttons
        objectName: "languageButtons"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        anchors.horizontalCenter: parent.horizontalCenter
        enabled: languagesPanel.changes && languagesPanel.currentRow >= 0
        onUserAccepted: languagesPanel.accept()
        onUserCancelled: languagesPanel.cancel()
    }
}
