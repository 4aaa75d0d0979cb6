import QtQuick 2.15
import "widgets"

// One step of the start-up configuration: a title, a list to choose one
// entry from, room for further fields, and back (cancel) and next
// (accept) buttons. Next waits for a choice.
Rectangle {
    id: page

    property string title: ""
    property var choices: []
    property int choice: -1
    property bool nextEnabled: choice >= 0
    default property alias content: extra.data

    readonly property int rowHeight: 44

    signal next()
    signal back()

    anchors.fill: parent
    color: uiSkin.dockAreaBackgroundColor
    onChoicesChanged: choice = choices.length === 1 ? 0 : -1

    MouseArea2 {
        anchors.fill: parent
    }

    Text {
        id: titleText
        anchors.horizontalCenter: parent.horizontalCenter
        y: 16
        text: page.title
        color: "white"
        font.pixelSize: uiSkin.servicePageTitleFontSize
        font.bold: true
    }

    ListView {
        id: list
        objectName: "configurationChoices"
        anchors.top: titleText.bottom
        anchors.topMargin: 16
        anchors.bottom: extra.top
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width - 40, 400)
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: page.choices
        delegate: Rectangle {
            objectName: "choice" + index
            width: list.width
            height: page.rowHeight
            color: index === page.choice ? uiSkin.keyboardButtonColor : "transparent"
            border.color: uiSkin.keyboardButtonColor
            Text {
                anchors.centerIn: parent
                text: modelData
                font.pixelSize: 20
                color: index === page.choice ? "black" : "white"
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: {
                    vki.aKeyWasPressed()
                    page.choice = index
                }
            }
        }
    }
    Text {
        anchors.centerIn: list
        visible: page.choices.length === 0
        text: qsTr("No configurations found") + tro.emptyStr
        color: "white"
        font.pixelSize: 20
    }

    Item {
        id: extra
        anchors.bottom: buttons.top
        anchors.bottomMargin: 10
        width: parent.width
        height: childrenRect.height
    }

    AcceptCancelItem {
        id: buttons
        objectName: "configurationButtons"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        anchors.horizontalCenter: parent.horizontalCenter
        acceptEnabled: page.nextEnabled
        onUserAccepted: page.next()
        onUserCancelled: page.back()
    }
}
