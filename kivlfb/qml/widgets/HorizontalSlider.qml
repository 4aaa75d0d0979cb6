import QtQuick 2.15

// A value slider: the knob's centre travels between the bar's two ends and
// every knob move reports the value it stands for.
Item {
    id: slider

    property real minVal: 0
    property real maxVal: 10
    property int marks: 0
    property real value: 0
    property bool snap: false
    property int knobSize: 32
    property real lastValue: 0
    readonly property real factor: width > 0 ? (maxVal - minVal) / width : 0

    signal newValue(int v)

    height: knobSize

    function clamp(v) {
        return Math.max(minVal, Math.min(maxVal, v))
    }
    function placeKnob(fraction) {
        knob.x = fraction * width - knobSize / 2
    }
    function setSliderPositionValue(v) {
        var clamped = clamp(v)
        var range = maxVal - minVal
        placeKnob(range !== 0 ? (clamped - minVal) / range : 0)
        value = clamped
    }
    function setSliderValueFraction(f) {
        placeKnob(f)
        value = minVal + f * (maxVal - minVal)
        newValue(value)
    }

    onWidthChanged: setSliderPositionValue(value)

    Rectangle {
        id: bar
        width: parent.width
        height: 10
        radius: height / 2
        anchors.verticalCenter: parent.verticalCenter
        color: "#606060"
    }

    Repeater {
        model: slider.marks
        delegate: Item {
            readonly property real spacing: slider.width / (slider.marks + 1)
            x: spacing * (index + 1) - 1
            width: 2
            height: slider.height
            Rectangle { width: 2; height: 4; anchors.bottom: parent.verticalCenter; anchors.bottomMargin: 5; color: "#606060" }
            Rectangle { width: 2; height: 4; anchors.top: parent.verticalCenter; anchors.topMargin: 5; color: "#606060" }
        }
    }

    Rectangle {
        id: knob
        objectName: "knob"
        width: slider.knobSize
        height: slider.knobSize
        radius: width / 2
        anchors.verticalCenter: parent.verticalCenter
        opacity: 0.8
        border.width: 2
        border.color: "#606060"
        onXChanged: slider.newValue(slider.minVal + ((x + slider.knobSize / 2) / slider.width) * (slider.maxVal - slider.minVal))

        MouseArea2 {
            objectName: "knobArea"
            anchors.fill: parent
            anchors.margins: -20
            drag.target: knob
            drag.axis: Drag.XAxis
            drag.minimumX: -slider.knobSize / 2
            drag.maximumX: slider.width - slider.knobSize / 2
            drag.threshold: 0
        }
    }
}
