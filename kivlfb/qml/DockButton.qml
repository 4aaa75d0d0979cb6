import QtQuick 2.15
import "widgets"

// One square icon of the dock, its image centred; the touch area is exposed
// so that each button wires its own gestures.
Item {
    id: button

    property alias source: icon.source
    property alias area: touch

    width: kivDisplay.getFooterIconSize()
    height: width

    Image {
        id: icon
        anchors.centerIn: parent
        width: Math.min(sourceSize.width, button.width)
        height: Math.min(sourceSize.height, button.height)
        fillMode: Image.PreserveAspectFit
    }
    MouseArea2 {
        id: touch
        anchors.fill: parent
        pressAndHoldInterval: mainPanel.longPressMs
    }
}
