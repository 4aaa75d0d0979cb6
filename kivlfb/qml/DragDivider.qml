import QtQuick 2.15
import QtQml 2.15
import "widgets"

// The bar between a list and the details below it on a portrait display:
// dragged up or down between minimum and maximum, and on release moved up
// to a whole number of list rows. The owner keeps the position.
Rectangle {
    id: bar

    // Distance of the bar from the top of its parent.
    property int position: 300
    property int minimum: 200
    property int maximum: 590
    property int step: 50

    signal moved(int y)
    signal dropped(int y)

    function snapped(y) {
        var clamped = Math.max(minimum, Math.min(maximum, y))
        return Math.floor(clamped / step) * step
    }

    width: parent ? parent.width : 0
    height: 16
    color: area.drag.active ? "steelblue" : "#b0b0b0"
    Binding on y {
        when: !area.drag.active
        value: bar.position
        restoreMode: Binding.RestoreNone
    }

    Rectangle { anchors.centerIn: parent; width: 60; height: 4; radius: 2; color: "#606060" }
    MouseArea2 {
        id: area
        anchors.fill: parent
        drag.target: bar
        drag.axis: Drag.YAxis
        drag.minimumY: bar.minimum
        drag.maximumY: bar.maximum
        onPositionChanged: if (drag.active) bar.moved(bar.y)
        onReleased: bar.dropped(bar.snapped(bar.y))
    }
}
