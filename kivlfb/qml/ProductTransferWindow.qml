import QtQuick 2.15
import "widgets"

// The list of running timers of the same product in other bins (here or in
// another cabinet), earliest end first, from which the user picks the one to
// take over. It closes by itself after 5 s without a touch.
Item {
    id: window

    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property int idleCloseMs: 5000
    readonly property bool selected: list.currentIndex >= 0
    readonly property alias entries: timers
    readonly property alias list: list
    readonly property alias idleTimer: idleTimer

    // "h:mm" of a remaining time; a part of a minute counts as a whole one,
    // and anything outside a day is unknown.
    function formatTransferTime(t) {
        var seconds = Math.floor(Number(t))
        if (!(seconds > 0 && seconds < 86400))
            return "??:??"
        var hours = Math.floor(seconds / 3600)
        var minutes = Math.floor((seconds % 3600) / 60)
        if (hours === 0 && minutes === 0)
            minutes = 1
        return hours + ":" + (minutes < 10 ? "0" : "") + minutes
    }
    // The share of the hold still to run, in pixels of an entry; a timer
    // without a hold time, or past its end, shows no bar.
    function remainingBarWidth(fullWidth, remaining, holdTime) {
        if (!(holdTime > 0))
            return 0
        var w = Math.round(fullWidth * remaining / holdTime)
        if (!isFinite(w) || w < 0)
            return 0
        return Math.min(w, fullWidth)
    }
    function open() {
        timers.clear()
        var count = cabinetManager.getTransferTimersCount()
        for (var i = 0; i < count; ++i) {
            var remaining = Number(cabinetManager.getTransferTimerValue(i, 3)) || 0
            timers.append({
                productText: cabinetManager.getTransferTimerValue(i, 0) + " - " + formatTransferTime(remaining),
                holdTime: Number(cabinetManager.getTransferTimerValue(i, 1)) || 0,
                remainingTime: remaining,
                warningTime: Number(cabinetManager.getTransferTimerValue(i, 2)) || 0,
                useBin: i === 0
            })
        }
        list.currentIndex = -1
        list.positionViewAtBeginning()
        visible = true
        idleTimer.restart()
    }
    function close() {
        idleTimer.stop()
        visible = false
    }
    function clearSelection() {
        list.currentIndex = -1
        idleTimer.restart()
        vki.aKeyWasPressed()
    }
    function accept() {
        idleTimer.stop()
        cabinetManager.doProductTransfer(list.currentIndex)
        vki.aKeyWasPressed()
        visible = false
    }

    Timer {
        id: idleTimer
        interval: window.idleCloseMs
        onTriggered: window.visible = false
    }

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
    }
    MouseArea2 {
        objectName: "outside"
        anchors.fill: parent
        onClicked: window.close()
    }

    Rectangle {
        id: panel
        objectName: "transferPanel"
        anchors.centerIn: parent
        width: 300
        height: window.portrait ? 400 : 330
        color: uiSkin.dockAreaBackgroundColor

        MouseArea2 {
            anchors.fill: parent
            onPressed: idleTimer.restart()
        }
        Text {
            id: title
            objectName: "transferTitle"
            anchors.horizontalCenter: parent.horizontalCenter
            y: 8
            font.pixelSize: 20
            color: "white"
            text: qsTr("Select Timer To Transfer:") + tro.emptyStr
        }

        ListView {
            id: list
            objectName: "transferList"
            anchors { top: title.bottom; topMargin: 10; left: parent.left; leftMargin: 10; right: parent.right; rightMargin: 25 }
            height: parent.height - title.height - 8 - 10 - buttons.height - 20
            clip: true
            spacing: 10
            snapMode: ListView.SnapOneItem
            currentIndex: -1
            model: ListModel { id: timers }
            onMovementStarted: idleTimer.restart()

            delegate: Rectangle {
                objectName: "transferEntry" + index
                width: list.width
                height: 60
                color: model.remainingTime > model.warningTime ? "white" : "yellow"
                Rectangle {
                    objectName: "entryBar"
                    anchors.left: parent.left
                    height: parent.height
                    width: window.remainingBarWidth(parent.width, model.remainingTime, model.holdTime)
                    color: model.useBin ? "#00ff00" : "#606060"
                }
                Text {
                    anchors.centerIn: parent
                    width: parent.width - 8
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    font.pixelSize: 20
                    text: model.productText
                }
                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    border.width: 4
                    border.color: "green"
                    visible: list.currentIndex === index
                }
                MouseArea2 {
                    anchors.fill: parent
                    onClicked: {
                        list.currentIndex = index
                        idleTimer.restart()
                    }
                }
            }
        }

        // Scroll thumb beside the list.
        Rectangle {
            id: thumb
            objectName: "scrollThumb"
            readonly property bool held: thumbArea.pressed
            x: panel.width - width - 5
            y: list.y + (list.visibleArea.yPosition * list.height)
            width: 15
            height: Math.max(20, list.visibleArea.heightRatio * list.height)
            visible: list.contentHeight > list.height
            radius: 4
            color: held ? "steelblue" : "grey"
            opacity: held ? 1.0 : 0.5
            Behavior on opacity { enabled: !thumb.held; NumberAnimation { duration: 600 } }
            Behavior on color { enabled: !thumb.held; ColorAnimation { duration: 600 } }
            MouseArea2 {
                id: thumbArea
                anchors.fill: parent
                anchors.margins: -10
                property real startY: 0
                property real startContentY: 0
                onPressed: {
                    startY = mouse.y
                    startContentY = list.contentY
                    idleTimer.restart()
                }
                onPositionChanged: {
                    var range = list.contentHeight - list.height
                    if (range <= 0)
                        return
                    var track = list.height - thumb.height
                    var moved = (mouse.y - startY) / Math.max(1, track) * range
                    list.contentY = Math.max(list.originY, Math.min(list.originY + range, startContentY + moved))
                    idleTimer.restart()
                }
            }
        }

        Row {
            id: buttons
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            spacing: 20

            Repeater {
                model: ["widgets/images/xRed_noOutline.png", "widgets/images/acceptCheckmark_noOutline.png"]
                Rectangle {
                    objectName: index === 0 ? "clearButton" : "acceptButton"
                    width: 120
                    height: 56
                    radius: 6
                    enabled: window.selected
                    opacity: enabled ? 1.0 : 0.4
                    color: buttonArea.pressed ? Qt.darker(uiSkin.keyboardButtonColor, 2) : uiSkin.keyboardButtonColor
                    Image {
                        anchors.centerIn: parent
                        source: modelData
                    }
                    MouseArea2 {
                        id: buttonArea
                        anchors.fill: parent
                        onClicked: index === 0 ? window.clearSelection() : window.accept()
                    }
                }
            }
        }
    }
}
