import QtQuick 2.15
import "widgets"

// The display test: three pictures, one after another every ten seconds or
// by a flick, for judging colours, gradients and sharpness.
Rectangle {
    id: colorTest

    readonly property int slideMs: 10000
    property alias slideTimer: slideTimer
    property alias currentIndex: slides.currentIndex

    anchors.fill: parent
    color: "black"

    onVisibleChanged: {
        if (visible) {
            slides.positionViewAtBeginning()
            slides.currentIndex = 0
            slideTimer.restart()
        } else {
            slideTimer.stop()
        }
    }

    MouseArea2 {
        anchors.fill: parent
    }

    ListView {
        id: slides
        objectName: "colorTestSlides"
        anchors.fill: parent
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        highlightMoveDuration: 0
        boundsBehavior: Flickable.StopAtBounds
        interactive: colorTest.visible
        model: ["images/flowerGarden.png", "images/colorbands.png", "images/gradient-h.png"]
        delegate: Image {
            width: slides.width
            height: slides.height
            source: modelData
            fillMode: Image.PreserveAspectFit
            smooth: true
        }
        // Every change of picture gives the new one its full ten seconds.
        onCurrentIndexChanged: if (colorTest.visible) slideTimer.restart()
    }

    Timer {
        id: slideTimer
        interval: colorTest.slideMs
        repeat: true
        onTriggered: slides.currentIndex = (slides.currentIndex + 1) % slides.count
    }

    Image {
        objectName: "colorTestClose"
        x: 15
        y: 15
        source: "images/closeX.png"
        MouseArea2 {
            anchors.fill: parent
            anchors.margins: -10
            onClicked: colorTest.visible = false
        }
    }
}
