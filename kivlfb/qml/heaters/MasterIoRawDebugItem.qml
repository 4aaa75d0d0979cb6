import QtQuick 2.15
import ".."

// The raw monitoring page: the board's zone-temperature registers as they
// arrive, beside the tag UID the reader last saw in each bin. A settings
// page at level 2 whose list still scrolls while locked.
GenericSettingsItem {
    id: page

    itemName: "MasterIoRawDebugItem"
    lockLevel: 2
    itemLocked: true
    allowInteraction: true

    property QtObject io: masterIOmanager
    // The last UID seen per bin as hexadecimal text, "0" for none.
    property var uids: ["0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                        "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"]
    readonly property int binCount: 20
    readonly property bool narrow: height > width
    readonly property int margin: narrow ? 25 : 50
    readonly property int textSize: narrow ? 13 : 16

    Connections {
        target: page.io
        function onCurrentUIDsChanged(whichBin) {
            if (whichBin < 0 || whichBin >= page.binCount)
                return
            var list = page.uids.slice()
            list[whichBin] = page.io.currentUidText(whichBin)
            page.uids = list
        }
    }

    Text {
        id: title
        anchors.horizontalCenter: parent.horizontalCenter
        y: 10
        width: parent.width - 20
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        text: qsTr("Raw Temp and NFC Tag Monitoring") + tro.emptyStr
        font.pixelSize: uiSkin.servicePageTitleFontSize
        font.bold: true
        color: uiSkin.servicePageTitleFontColor
    }

    ListView {
        id: list
        objectName: "rawList"
        anchors.top: title.bottom
        anchors.topMargin: 10
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: page.margin
        anchors.rightMargin: page.margin
        anchors.bottomMargin: 10
        clip: true
        model: page.binCount
        delegate: Row {
            readonly property QtObject reg: page.io && index + 1 < page.io.mbioRawInfoList.length
                                            ? page.io.mbioRawInfoList[index + 1] : null
            objectName: "rawRow" + index
            height: 26
            spacing: page.narrow ? 6 : 16
            Text { width: page.narrow ? 26 : 40; text: reg ? reg.regIdx : ""; font.pixelSize: page.textSize }
            Text { width: page.narrow ? 116 : 160; text: reg ? reg.regName : ""; font.pixelSize: page.textSize }
            Text { objectName: "value"; width: page.narrow ? 44 : 70; text: reg ? reg.value : ""; font.pixelSize: page.textSize }
            Text { width: page.narrow ? 84 : 110; text: "antenna [" + index + "]"; font.pixelSize: page.textSize }
            Text { objectName: "uid"; text: page.uids[index]; font.pixelSize: page.textSize }
        }
    }
}
