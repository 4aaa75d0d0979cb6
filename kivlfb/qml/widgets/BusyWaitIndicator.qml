import QtQuick 2.15

// The busy wheel over everything. It hides itself when the longest expected
// time has passed, so a lost stop() can never leave the screen blocked.
Rectangle {
    id: indicator

    readonly property int spokes: 10
    readonly property int spinIntervalMs: 150
    property int maxTime: 0
    property int greySpoke: 0

    function start(maxTimeMs) {
        maxTime = maxTimeMs
        spinTimer.restart()
        maxTimeTimer.restart()
        visible = true
    }
    function stop() {
        spinTimer.stop()
        maxTimeTimer.stop()
        visible = false
    }

    anchors.fill: parent
    z: 30000
    visible: false
    color: "#a0000000"

    MouseArea2 {
        anchors.fill: parent
    }

    Item {
        width: 300
        height: 300
        anchors.centerIn: parent
        Repeater {
            model: indicator.spokes
            delegate: Item {
                width: 20
                height: 250
                anchors.centerIn: parent
                rotation: index * 360 / indicator.spokes
                Rectangle {
                    objectName: "spoke" + index
                    width: 20
                    height: 50
                    anchors.top: parent.top
                    color: index === indicator.greySpoke ? "grey" : "white"
                }
            }
        }
    }

    Timer {
        id: spinTimer
        interval: indicator.spinIntervalMs
        repeat: true
        onTriggered: indicator.greySpoke = (indicator.greySpoke + 1) % indicator.spokes
    }
    Timer {
        id: maxTimeTimer
        interval: indicator.maxTime
        onTriggered: {
            spinTimer.stop()
            indicator.visible = false
            indicator.greySpoke = 0
        }
    }
}
