import QtQuick 2.15

// Service page "Sound & Screen Tests": sounds the warning alarm, opens the
// screen colour test and the skin editor. It keeps no state of its own.
Item {
    id: soundTestItem
    objectName: "soundTestItem"

    property int lockLevel: 1
    // Given by the screen that hosts the page.
    property Item colorTestPanel: null
    property Item skinPanel: null

    readonly property color frameColor: "#ffffff"
    readonly property color pressedFrameColor: "#646464"
    readonly property int buttonSize: 140
    readonly property int frameWidth: 4
    readonly property int spacing: 40

    Text {
        id: title
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: soundTestItem.spacing / 2
        text: qsTr("Sound & Screen Tests") + tro.emptyStr
        color: soundTestItem.frameColor
        font.pixelSize: 28
    }

    Row {
        id: checkButtons
        anchors.centerIn: parent
        spacing: soundTestItem.spacing

        Rectangle {
            width: soundTestItem.buttonSize + 2 * soundTestItem.frameWidth
            height: width
            color: "transparent"
            border.width: soundTestItem.frameWidth
            border.color: soundCheckArea.pressed ? soundTestItem.pressedFrameColor
                                                 : soundTestItem.frameColor
            Image {
                anchors.centerIn: parent
                source: soundCheckArea.pressed ? "images/soundCheckButton_pressed.png"
                                               : "images/soundCheckButton.png"
            }
            MouseArea {
                id: soundCheckArea
                objectName: "soundCheckButton"
                anchors.fill: parent
                onClicked: soundManager.playWarningAlarm()
            }
        }

        Rectangle {
            width: soundTestItem.buttonSize + 2 * soundTestItem.frameWidth
            height: width
            color: "transparent"
            border.width: soundTestItem.frameWidth
            border.color: screenCheckArea.pressed ? soundTestItem.pressedFrameColor
                                                  : soundTestItem.frameColor
            Image {
                anchors.centerIn: parent
                source: "images/screenCheckButtonMa.png"
            }
            MouseArea {
                id: screenCheckArea
                objectName: "screenCheckButton"
                anchors.fill: parent
                onClicked: if (soundTestItem.colorTestPanel) soundTestItem.colorTestPanel.visible = true
            }
        }
    }

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: checkButtons.bottom
        anchors.topMargin: soundTestItem.spacing
        width: customizationText.implicitWidth + 2 * soundTestItem.spacing
        height: customizationText.implicitHeight + soundTestItem.spacing
        color: "transparent"
        border.width: soundTestItem.frameWidth
        border.color: customizationArea.pressed ? soundTestItem.pressedFrameColor
                                                : soundTestItem.frameColor
        Text {
            id: customizationText
            anchors.centerIn: parent
            text: qsTr("UI customization") + tro.emptyStr
            color: soundTestItem.frameColor
            font.pixelSize: 22
        }
        MouseArea {
            id: customizationArea
            objectName: "customizationButton"
            anchors.fill: parent
            onClicked: {
                if (soundTestItem.skinPanel) {
                    soundTestItem.skinPanel.initProperties()
                    soundTestItem.skinPanel.visible = true
                }
            }
        }
    }
}
