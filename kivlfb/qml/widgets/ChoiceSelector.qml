import QtQuick 2.15

// Shows one of a few choices at a time; a flick or a tap on an arrow moves
// to the next or previous one. The arrows show only while more choices lie
// that way.
Item {
    id: selector

    property var choices: []
    // What each choice shows, when it differs from the choice (translated).
    property var labels: choices
    property int currentIndex: -1
    readonly property string currentText: currentIndex >= 0 && currentIndex < choices.length ? choices[currentIndex] : ""
    property int fontSize: 20

    readonly property int arrowWidth: 36

    function step(delta) {
        var next = currentIndex + delta
        if (next >= 0 && next < choices.length)
            currentIndex = next
    }

    width: 220
    height: 40

    Rectangle {
        anchors.fill: parent
        color: "#e0e0e0"
        radius: 4
    }
    Text {
        objectName: "previous"
        width: selector.arrowWidth
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignHCenter
        text: "\u25c0"
        font.pixelSize: selector.fontSize
        visible: selector.currentIndex > 0
        MouseArea {
            anchors.fill: parent
            onClicked: selector.step(-1)
        }
    }
    Text {
        objectName: "choice"
        anchors.centerIn: parent
        text: selector.currentIndex >= 0 && selector.currentIndex < selector.labels.length
              ? selector.labels[selector.currentIndex] : ""
        font.pixelSize: selector.fontSize
        color: "black"
    }
    Text {
        objectName: "next"
        anchors.right: parent.right
        width: selector.arrowWidth
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignHCenter
        text: "\u25b6"
        font.pixelSize: selector.fontSize
        visible: selector.currentIndex < selector.choices.length - 1
        MouseArea {
            anchors.fill: parent
            onClicked: selector.step(1)
        }
    }
    // A sideways flick over the choice moves like the arrows.
    MouseArea {
        anchors.fill: parent
        anchors.leftMargin: selector.arrowWidth
        anchors.rightMargin: selector.arrowWidth
        property real startX: 0
        onPressed: startX = mouse.x
        onReleased: {
            var dx = mouse.x - startX
            if (Math.abs(dx) > 20)
                selector.step(dx < 0 ? 1 : -1)
        }
    }
}
