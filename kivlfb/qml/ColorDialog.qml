import QtQuick 2.15
import "widgets"

// Edits a colour by hue, saturation and value. Accept (once a slider has
// moved) reports the new colour; either answer closes the dialog.
DialogFrame {
    id: dialog

    property string title: ""
    property color colorToEdit: "grey"
    property color editedColor: colorToEdit
    property real hue: 0
    property real saturation: 0
    property real lightness: 0
    property bool changed: false
    // Placing the knobs for a loaded colour is not an edit.
    property bool loading: false
    readonly property string newColorText: configManager.colorFromHsv(hue, saturation, lightness)

    signal closeButtonPressed()
    signal newColor(color theColor)

    boxWidth: 450
    boxHeight: 440
    dimOpacity: 0.5

    function load() {
        editedColor = colorToEdit
        hue = Math.abs(configManager.colorGetHueF(colorToEdit))
        saturation = configManager.colorGetSatF(colorToEdit)
        lightness = configManager.colorGetLumF(colorToEdit)
        console.debug("HueF: " + hue)
        console.debug("SatF: " + saturation)
        console.debug("LumF: " + lightness)
        loading = true
        for (var i = 0; i < sliderRows.count; ++i)
            sliderRows.itemAt(i).showPart()
        loading = false
        changed = false
    }
    // The edited component of slider i (hue, saturation, value).
    function part(i) { return [hue, saturation, lightness][i] }
    function setPart(i, fraction) {
        if (loading)
            return
        if (i === 0) hue = fraction
        else if (i === 1) saturation = fraction
        else lightness = fraction
        changed = true
    }
    function close() {
        visible = false
        changed = false
        closeButtonPressed()
    }

    onColorToEditChanged: load()
    Component.onCompleted: load()

    Text {
        parent: dialog.box
        x: 0
        y: 0
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: dialog.title
        font.pixelSize: 24
        font.bold: true
        color: "black"
    }

    Column {
        parent: dialog.box
        x: 0
        y: 70
        spacing: 40

        Repeater {
            id: sliderRows
            model: [
                { label: "H", max: 359 },
                { label: "S", max: 100 },
                { label: "V", max: 100 }
            ]
            delegate: Row {
                function showPart() { slider.setSliderPositionValue(dialog.part(index) * slider.maxVal) }
                spacing: 12
                Component.onCompleted: {
                    dialog.loading = true
                    showPart()
                    dialog.loading = false
                }
                Text {
                    width: 20
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData.label
                    font.pixelSize: 22
                    font.bold: true
                    color: "black"
                }
                HorizontalSlider {
                    id: slider
                    objectName: "slider" + modelData.label
                    width: 250
                    minVal: 0
                    maxVal: modelData.max
                    onNewValue: dialog.setPart(index, v / (maxVal - minVal))
                }
                Text {
                    objectName: "sliderValue" + modelData.label
                    width: 40
                    anchors.verticalCenter: parent.verticalCenter
                    text: Math.round(dialog.part(index) * modelData.max)
                    font.pixelSize: 20
                    color: "black"
                }
            }
        }
    }
    Column {
        parent: dialog.box
        anchors.right: parent.right
        y: 90
        spacing: 20
        Rectangle {
            objectName: "oldSwatch"
            width: 60; height: 50
            color: dialog.colorToEdit
            border.color: "black"
        }
        Rectangle {
            objectName: "newSwatch"
            width: 60; height: 50
            color: dialog.newColorText
            border.color: "black"
        }
    }

    AcceptCancelItem {
        objectName: "acceptCancel"
        parent: dialog.box
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        acceptEnabled: dialog.changed
        onUserAccepted: {
            if (!dialog.changed)
                return
            dialog.newColor(dialog.newColorText)
            dialog.close()
        }
        onUserCancelled: dialog.close()
    }
}
