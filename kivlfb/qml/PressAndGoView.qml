import QtQuick 2.15
import CabinetManagerDefs 1.0

// The holding screen: every zone of the cabinet in its rows as the layout
// says, and the window to take over a running timer of the same product.
Item {
    id: pgView

    property int grayTriangleImageWidth: triangleProbe.implicitWidth
    // The temperature-view switch of the dock.
    property bool tempViewEnabled: false

    readonly property bool mirror: cabinetManager.mirrorDisplay === true
    readonly property int zonesPerRow: Math.max(1, cabinetManager.zonesPerRow)
    readonly property int numberOfRows: Math.max(0, cabinetManager.numberOfRows)
    readonly property int trayHeight: cabinetManager.getUiTrayHeight()
    readonly property bool vstack: cabinetManager.zoneViewType === CabmgrDefs.ZONE_VIEW_TYPE_VSTACK
    readonly property int rowHeight: vstack ? Math.round(2.58 * trayHeight) : trayHeight
    readonly property int bannerHeight: cabinetManager.pressGoBannerEnable === true ? 120 : 0
    readonly property alias transferWindow: transferWindow

    // A zone view asks the main window to show a message.
    signal messageRequested(string text, bool showClose)

    function isWidePortraitModel() {
        return cabinetManager.orientationPortrait === true && cabinetManager.zonesPerRow > 1
    }
    function zoneAt(row, position) {
        var zones = cabinetManager.zonesModelList
        var zone = zones ? zones[row * zonesPerRow + position] : null
        return zone !== undefined ? zone : null
    }

    Image {
        id: triangleProbe
        visible: false
        source: "images/leftGrayTriangle.png"
    }

    Item {
        objectName: "banner"
        visible: pgView.bannerHeight > 0
        width: parent.width
        height: pgView.bannerHeight
        Image {
            anchors.centerIn: parent
            source: "images/vesproLogo2.png"
        }
    }

    Component {
        id: zoneComponent
        ZoneView {
            objectName: "zoneView" + zoneNumber
            layout: cabinetManager.zoneViewType
            zoneColor: "transparent"
            gridWidth: pgView.width
            widePortrait: pgView.isWidePortraitModel()
            grayTriangleImageWidth: pgView.grayTriangleImageWidth
            tempViewEnabled: pgView.tempViewEnabled
            onMessageRequested: pgView.messageRequested(text, showClose)
        }
    }

    // Rows of zones.
    Column {
        id: rows
        objectName: "zoneRows"
        visible: !pgView.isWidePortraitModel()
        y: pgView.bannerHeight
        spacing: 5
        Repeater {
            model: rows.visible ? pgView.numberOfRows : 0
            Row {
                readonly property int row: index
                height: pgView.rowHeight
                spacing: 5
                layoutDirection: pgView.mirror ? Qt.RightToLeft : Qt.LeftToRight
                Repeater {
                    model: pgView.zonesPerRow
                    Loader {
                        readonly property QtObject zone: pgView.zoneAt(row, index)
                        active: zone !== null
                        sourceComponent: zoneComponent
                        onLoaded: item.zoneObject = Qt.binding(function () { return zone })
                    }
                }
            }
        }
    }

    // Wide portrait: the first zone of every row above the second ones,
    // each block beside a grey triangle pointing at the other.
    Column {
        id: widePortrait
        objectName: "widePortrait"
        visible: pgView.isWidePortraitModel()
        y: pgView.bannerHeight
        width: parent.width
        spacing: 20

        Row {
            layoutDirection: pgView.mirror ? Qt.RightToLeft : Qt.LeftToRight
            Column {
                id: firstZones
                spacing: 5
                Repeater {
                    model: widePortrait.visible ? pgView.numberOfRows : 0
                    Loader {
                        readonly property QtObject zone: pgView.zoneAt(index, 0)
                        active: zone !== null
                        sourceComponent: zoneComponent
                        onLoaded: item.zoneObject = Qt.binding(function () { return zone })
                    }
                }
            }
            Image {
                height: firstZones.height
                source: pgView.mirror ? "images/rightGrayTriangle.png" : "images/leftGrayTriangle.png"
            }
        }
        Row {
            readonly property bool half: cabinetManager.singleBinZone === 1
            width: half ? (pgView.width + pgView.grayTriangleImageWidth + 2) / 2 : pgView.width
            x: half && !pgView.mirror ? pgView.width - width : 0
            layoutDirection: pgView.mirror ? Qt.RightToLeft : Qt.LeftToRight
            Image {
                height: secondZones.height
                source: pgView.mirror ? "images/leftGrayTriangle.png" : "images/rightGrayTriangle.png"
            }
            Column {
                id: secondZones
                spacing: 5
                Repeater {
                    model: widePortrait.visible ? pgView.numberOfRows : 0
                    Loader {
                        readonly property QtObject zone: pgView.zoneAt(index, 1)
                        active: zone !== null
                        sourceComponent: zoneComponent
                        onLoaded: item.zoneObject = Qt.binding(function () { return zone })
                    }
                }
            }
        }
    }

    ProductTransferWindow {
        id: transferWindow
        objectName: "transferWindow"
        anchors.fill: parent
        visible: false
    }

    Connections {
        target: cabinetManager
        ignoreUnknownSignals: true
        function onShowProductTransferList() { transferWindow.open() }
    }
}
