import QtQuick 2.15
import "widgets"

// Ten seconds in which no touch does anything, so that the glass can be
// wiped. Showing it again while it counts changes nothing.
Rectangle {
    id: lock

    readonly property int lockSeconds: 10
    property int secondsLeft: lockSeconds
    property alias countTimer: countTimer

    anchors.fill: parent
    color: "#90000000"

    onVisibleChanged: {
        if (visible) {
            secondsLeft = lockSeconds
            countTimer.restart()
        }
    }

    MouseArea2 {
        anchors.fill: parent
    }

    Image {
        id: lockImage
        anchors.centerIn: parent
        source: "images/bigLock.png"
    }
    Text {
        objectName: "lockCount"
        anchors.horizontalCenter: lockImage.horizontalCenter
        anchors.verticalCenter: lockImage.verticalCenter
        anchors.verticalCenterOffset: 20
        text: lock.secondsLeft
        font.pixelSize: 64
        color: "black"
    }

    Timer {
        id: countTimer
        interval: 1000
        repeat: true
        onTriggered: {
            lock.secondsLeft -= 1
            if (lock.secondsLeft <= 0) {
                stop()
                lock.visible = false
            }
        }
    }
}
