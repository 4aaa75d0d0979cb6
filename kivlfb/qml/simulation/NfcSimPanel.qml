import QtQuick 2.15

// The simulated NFC readers as a cook sees the cabinet: one button per bin.
// A tap on an empty bin puts a tagged pan there (the product and tray id
// above); a tap on a bin with a pan takes it away. Every pan gets the next
// tray id, so each one is a new tag to the readers.
Item {
    id: panel

    // A tag carries the product id above bit 40 of its 64-bit uid and the
    // tray id below it; a negative tray id would spill into the product.
    readonly property int maxProductId: 16777215
    readonly property int binCount: cabinetManager.traysPerCabinet
    property int productId: 1
    property int trayId: 1
    // The pan on each bin as "productId/trayId", "" when the bin is empty.
    property var pans: []

    function placePan(bin) {
        if (bin < 0 || bin >= binCount || productId < 1 || trayId < 1)
            return
        cabinetManager.setBinToTray(bin, productId, trayId)
        var list = pans.slice()
        list[bin] = productId + "/" + trayId
        pans = list
        trayId = trayId + 1
    }
    function removePan(bin) {
        if (bin < 0 || bin >= binCount)
            return
        cabinetManager.setBinToTray(bin, 0, 0)
        var list = pans.slice()
        list[bin] = ""
        pans = list
    }
    function panOn(bin) {
        return pans[bin] ? pans[bin] : ""
    }

    Rectangle {
        anchors.fill: parent
        color: "#202428"
    }

    Row {
        id: fields
        x: 8
        y: 8
        spacing: 8

        Repeater {
            model: [
                { label: "Product id", name: "productIdField", top: panel.maxProductId },
                { label: "Tray id", name: "trayIdField", top: 2147483647 }
            ]
            delegate: Row {
                spacing: 4
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData.label
                    color: "white"
                    font.pixelSize: 16
                }
                Rectangle {
                    width: 110
                    height: 32
                    color: "white"
                    TextInput {
                        objectName: modelData.name
                        anchors.fill: parent
                        anchors.margins: 4
                        font.pixelSize: 18
                        verticalAlignment: TextInput.AlignVCenter
                        validator: IntValidator { bottom: 1; top: modelData.top }
                        text: index === 0 ? panel.productId : panel.trayId
                        onEditingFinished: {
                            if (!acceptableInput)
                                return
                            if (index === 0)
                                panel.productId = parseInt(text)
                            else
                                panel.trayId = parseInt(text)
                        }
                    }
                }
            }
        }
    }

    Grid {
        id: bins
        anchors.top: fields.bottom
        anchors.topMargin: 8
        x: 8
        columns: 4
        spacing: 6

        Repeater {
            model: panel.binCount
            delegate: Rectangle {
                objectName: "bin" + index
                readonly property string pan: panel.panOn(index)
                width: (panel.width - 16 - 3 * bins.spacing) / 4
                height: 48
                radius: 4
                color: pan !== "" ? "#2e7d32" : "#455a64"
                Text {
                    anchors.centerIn: parent
                    horizontalAlignment: Text.AlignHCenter
                    color: "white"
                    font.pixelSize: 14
                    text: "Bin " + index + (parent.pan !== "" ? "\n" + parent.pan : "")
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: parent.pan !== "" ? panel.removePan(index) : panel.placePan(index)
                }
            }
        }
    }
}
