import QtQuick 2.15
import QtQml 2.15

// A scroll handle beside a list, as long as the visible share of the list
// and placed by its position. Dragged, it scrolls the list; it is opaque
// while dragged or while the list moves and then fades back. Hidden while
// the whole list is in view. Set x; y follows the list.
Rectangle {
    id: handle

    property Flickable list: null
    // How far beside (across) and above or below (along) the handle a
    // finger still takes it.
    property real reachAcross: 10
    property real reachAlong: 10
    readonly property bool dragging: handleArea.pressed
    readonly property real travel: list ? list.height - height : 0

    width: 15
    height: list ? Math.min(1, list.visibleArea.heightRatio) * list.height : 0
    radius: 5
    color: handleArea.pressed ? "steelblue" : "grey"
    opacity: handleArea.pressed || (list && list.moving) ? 1 : 0.5
    visible: list !== null && list.visibleArea.heightRatio < 1
    Behavior on opacity {
        enabled: !handleArea.pressed && !(handle.list && handle.list.moving)
        NumberAnimation { duration: 600; easing.type: Easing.Linear }
    }

    Binding on y {
        when: handle.list !== null && !handleArea.pressed
        restoreMode: Binding.RestoreNone
        value: handle.list ? handle.list.y + handle.list.visibleArea.yPosition * handle.list.height : 0
    }

    MouseArea2 {
        id: handleArea
        anchors.fill: parent
        anchors.leftMargin: -handle.reachAcross
        anchors.rightMargin: -handle.reachAcross
        anchors.topMargin: -handle.reachAlong
        anchors.bottomMargin: -handle.reachAlong
        drag.target: handle
        drag.axis: Drag.YAxis
        drag.minimumY: handle.list ? handle.list.y : 0
        drag.maximumY: drag.minimumY + handle.travel
        onPositionChanged: {
            if (pressed && handle.travel > 0)
                handle.list.contentY = handle.list.originY + (handle.y - handle.list.y) / handle.travel
                        * (handle.list.contentHeight - handle.list.height)
        }
    }
}
