import QtQuick 2.15
import TrayBarSc 1.0
import "widgets"

// One bin of the holding screen. Everything shown follows the bin's tray
// object; the bar keeps only its open panels, the carousel position and
// whether group selection is blocked, and turns touches into signals that
// the zone view routes to the tray.
Item {
    id: bar

    property QtObject trayObject: null
    readonly property bool hasTray: trayObject !== null

    property int holdTimeSetting: hasTray ? trayObject.holdTime : 0
    property int holdTimePreSet: hasTray ? trayObject.holdTimePreSet : 0
    property int holdTemperature: hasTray ? trayObject.holdTemperature : 0
    property int remainingTime: hasTray ? trayObject.remainingTime : 0
    property string remainingTimeString: formatTime(remainingTime, true)
    property string themsg: hasTray ? trayObject.productName : ""
    property int actualTemperature: hasTray ? trayObject.actualTemperature : 0
    property int lidType: hasTray ? trayObject.lidType : 0
    property int bottomType: hasTray ? trayObject.bottomType : 0
    property bool useBin: hasTray ? trayObject.useBin === true : false
    property int groupID: hasTray ? trayObject.groupID : 0
    property string panIdStr: hasTray ? trayObject.panIdStr : ""
    property int thestate: hasTray ? trayObject.trayState : TrayBarSchart.TRAY_STATE_NULL

    // The tray's value for "this product has no timer colour".
    readonly property string noTimerColor: "#fffffd"
    readonly property color greyColor: "#d5d5d5"
    property bool timerColorStatus: cabinetManager.timerColorEnable === true && configManager.timerColorStatus === true
    readonly property bool trayHasTimerColor: hasTray && String(trayObject.timerBackColor).toLowerCase() !== noTimerColor
    property color defaultTimerBackColor: "#00ff00"
    property color defaultTimerForeColor: "black"
    property color timerBackColor: timerColorStatus && trayHasTimerColor ? trayObject.timerBackColor : defaultTimerBackColor
    property color timerForeColor: timerColorStatus && trayHasTimerColor ? trayObject.timerForeColor : defaultTimerForeColor

    property bool groupSelectionDisable: false
    property int currentIndex: 0
    property int mismatchReason: 1
    // Set by the zone view while a bin of the zone reports a mismatch.
    property bool zoneMismatchErrorActive: false

    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property bool sideBySideLabel: !portrait && !(cabinetManager.zonesPerRow > 1)
    readonly property int labelFontSize: configManager.labelFontSize
    readonly property bool discardFlash: configManager.productDiscardFlash === true
    readonly property int cancelPanelMs: 3000
    readonly property int secondsPerDay: 86400

    readonly property alias cancelPanelOpen: cancelPanel.visible
    readonly property alias mismatchPanelOpen: mismatchPanel.visible
    readonly property alias remainingBarWidth: remainingBar.width
    readonly property alias preheatBarWidth: preheatBar.targetWidth
    readonly property alias labelText: nameLabel.text
    readonly property alias suffixText: suffixLabel.text
    readonly property alias backgroundColor: fill.color
    readonly property alias carousel: groupCarousel

    signal userClicked()
    signal userCancel()
    signal subProductSelected(int pn)

    // The time left (or past expiry: the caller adds the sign) as "m:ss"
    // under ten minutes when evaluateScale is set, else "h:mm"; a day or
    // more does not fit the bar.
    function formatTime(t, evaluateScale) {
        var seconds = Math.abs(Math.floor(Number(t)))
        if (!isFinite(seconds) || seconds >= secondsPerDay)
            return "??:??"
        var hours = Math.floor(seconds / 3600)
        var minutes = Math.floor((seconds % 3600) / 60)
        var rest = seconds % 60
        if (evaluateScale && seconds < 600)
            return minutes + ":" + (rest < 10 ? "0" : "") + rest
        return hours + ":" + (minutes < 10 ? "0" : "") + minutes
    }
    function getMisMatchReasonString(reason) {
        switch (reason) {
        case 1: return qsTr("Product Mismatch") + tro.emptyStr
        case 2: return qsTr("Menu Mismatch") + tro.emptyStr
        case 3: return qsTr("Invalid product definition") + tro.emptyStr
        }
        return ""
    }
    function notifyProductChange() { mismatchPanel.visible = true }
    function notifyProductChangeCancel() { mismatchPanel.visible = false }

    function clampWidth(w) {
        if (!isFinite(w) || w < 0)
            return 0
        return Math.min(w, bar.width)
    }
    // A hold time of 0 has no scale: the bar keeps its last width.
    function updateRemainingBar() {
        if (holdTimeSetting === 0)
            return
        remainingBar.width = clampWidth(Math.round(bar.width * remainingTime / holdTimeSetting))
    }
    // Scaled to the hold temperature; with none set yet the bar shows the
    // actual temperature as full, and with no reading at all it is empty.
    function preheatWidth() {
        var scale = holdTemperature !== 0 ? holdTemperature : actualTemperature
        var fraction = scale !== 0 ? actualTemperature / scale : 0
        return clampWidth(bar.width * fraction + 36)
    }
    function holdingLook() {
        return thestate === TrayBarSchart.TRAY_STATE_STANDARD || thestate === TrayBarSchart.TRAY_STATE_WARNING
    }
    function openCancelPanel() {
        cancelPanel.visible = true
        cancelTimer.restart()
    }
    function closeCancelPanel() {
        cancelPanel.visible = false
        cancelTimer.stop()
    }
    function requestTransfer() {
        cabinetManager.showProductTransferWindow(trayObject.binNumber, trayObject.groupIndex, trayObject.productId)
    }
    function lookFor(s) {
        switch (s) {
        case TrayBarSchart.TRAY_STATE_READY2HOLD:
            if (holdTimePreSet !== 0)
                return "startingTimer"
            return groupID > 0 ? "groupReadyToHold" : "readyToHold"
        case TrayBarSchart.TRAY_STATE_STANDARD: return "holding"
        case TrayBarSchart.TRAY_STATE_WARNING: return "warning"
        case TrayBarSchart.TRAY_STATE_DISCARD: return "discard"
        case TrayBarSchart.TRAY_STATE_PREHEATING: return "preheating"
        case TrayBarSchart.TRAY_STATE_WAITING: return "waiting"
        }
        return ""
    }

    state: lookFor(thestate)

    onRemainingTimeChanged: {
        updateRemainingBar()
        if (remainingTime <= 0)
            closeCancelPanel()
    }
    onHoldTimeSettingChanged: updateRemainingBar()
    onWidthChanged: updateRemainingBar()
    onThestateChanged: {
        if (thestate <= TrayBarSchart.TRAY_STATE_READY2HOLD)
            closeCancelPanel()
    }
    Component.onCompleted: updateRemainingBar()

    Connections {
        target: bar.trayObject
        ignoreUnknownSignals: true
        function onGroupIndexChanged() { groupCarousel.positionAt(bar.trayObject.groupIndex + 1) }
        function onCloseCancelPanel() { bar.closeCancelPanel() }
        function onGoToHold() { bar.groupSelectionDisable = false }
        function onDisableGroupSelectionSignal() { bar.groupSelectionDisable = true }
        function onFlashBackground() { flashAnimation.start() }
        function onCancelFlashBackground() {
            flashAnimation.stop()
            frame.border.color = bar.greyColor
        }
    }

    Rectangle {
        id: fill
        objectName: "fill"
        anchors.fill: parent
        color: bar.greyColor
    }
    BorderImage {
        id: bevel
        objectName: "bevel"
        anchors.fill: parent
        source: "images/beveledSquareGray.png"
        border { left: 6; top: 6; right: 6; bottom: 6 }
        horizontalTileMode: BorderImage.Repeat
        verticalTileMode: BorderImage.Repeat
    }

    // A discarded product can be made to blink: grey and red, half a second each.
    Rectangle {
        id: discardFlashLayer
        objectName: "discardFlashLayer"
        anchors.fill: parent
        visible: bar.state === "discard" && bar.discardFlash
        color: "red"
        SequentialAnimation on color {
            running: discardFlashLayer.visible
            loops: Animation.Infinite
            ColorAnimation { to: "gray"; duration: 0 }
            PauseAnimation { duration: 500 }
            ColorAnimation { to: "red"; duration: 0 }
            PauseAnimation { duration: 500 }
        }
    }

    BorderImage {
        id: preheatBar
        objectName: "preheatBar"
        property real targetWidth: bar.preheatWidth()
        anchors.left: parent.left
        height: parent.height
        width: targetWidth
        visible: false
        source: "images/preheatBar.png"
        border { left: 1; top: 1; right: 31; bottom: 1 }
        Behavior on width { NumberAnimation { duration: 1000; easing.type: Easing.Linear } }
    }
    Rectangle {
        id: remainingBar
        objectName: "remainingBar"
        anchors.left: parent.left
        height: parent.height
        width: 0
        visible: false
        color: bar.useBin ? bar.timerBackColor : "#606060"
    }
    Rectangle {
        id: leftStrip
        objectName: "leftStrip"
        width: 20
        height: parent.height
        anchors.left: parent.left
        color: bar.timerBackColor
        visible: false
    }
    Rectangle {
        id: rightStrip
        width: 20
        height: parent.height
        anchors.right: parent.right
        color: bar.timerBackColor
        visible: leftStrip.visible
    }

    TextMetrics {
        id: nameMetrics
        font: nameLabel.font
        text: nameLabel.text
    }
    Grid {
        id: labels
        anchors.centerIn: parent
        columns: bar.sideBySideLabel ? 2 : 1
        columnSpacing: 4
        horizontalItemAlignment: Grid.AlignHCenter
        verticalItemAlignment: Grid.AlignVCenter

        Text {
            id: nameLabel
            objectName: "nameLabel"
            readonly property int limit: bar.sideBySideLabel
                                         ? bar.width - (suffixLabel.visible ? suffixLabel.width : 0) - 4
                                         : bar.width - (bar.portrait ? 10 : 4)
            width: Math.max(0, Math.min(Math.ceil(nameMetrics.advanceWidth) + 1, limit))
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            wrapMode: bar.sideBySideLabel ? Text.NoWrap : Text.WordWrap
            maximumLineCount: bar.sideBySideLabel ? 1 : 2
            font.pixelSize: bar.labelFontSize
            font.bold: true
            color: "black"
            text: ""
        }
        Text {
            id: suffixLabel
            objectName: "suffixLabel"
            visible: false
            font.pixelSize: bar.labelFontSize
            font.bold: true
            color: "black"
            text: ""
        }
    }

    BorderImage {
        objectName: "falseBottom"
        visible: bar.bottomType > 0
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        source: "images/falseBottom.png"
        border { left: 50; right: 50 }
        horizontalTileMode: BorderImage.Round
    }
    BorderImage {
        objectName: "lid"
        visible: bar.lidType > 0
        anchors { left: parent.left; right: parent.right; top: parent.top }
        source: bar.lidType === 1 ? "images/lidSolid.png" : "images/lidSloted.png"
        border { left: bar.lidType === 1 ? 20 : 13; right: bar.lidType === 1 ? 20 : 13 }
    }
    Image {
        objectName: "noTagMarker"
        anchors { left: parent.left; bottom: parent.bottom; margins: 2 }
        source: "images/noTag.png"
        visible: bar.thestate > TrayBarSchart.TRAY_STATE_READY2HOLD
                 && bar.thestate !== TrayBarSchart.TRAY_STATE_WAITING
                 && bar.panIdStr === ""
                 && cabinetManager.nfcEnabled === true
                 && !bar.zoneMismatchErrorActive
    }
    Text {
        anchors { left: parent.left; bottom: parent.bottom; leftMargin: 2 }
        visible: cabinetManager.uiDebug === true
        text: bar.hasTray ? bar.trayObject.objectName + ": " + bar.panIdStr : ""
        font.pixelSize: 10
    }

    MouseArea2 {
        id: barArea
        objectName: "barArea"
        anchors.fill: parent
        anchors.rightMargin: -5
        anchors.bottomMargin: -5
        onClicked: {
            if (bar.holdingLook())
                bar.openCancelPanel()
            else
                bar.userClicked()
        }
        onPressAndHold: {
            if (bar.thestate === TrayBarSchart.TRAY_STATE_READY2HOLD && cabinetManager.touchBasedTransfer === true)
                bar.requestTransfer()
        }
    }

    GroupCarousel {
        id: groupCarousel
        objectName: "groupCarousel"
        anchors.fill: parent
        visible: false
        trayBar: bar
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        color: "transparent"
        border.width: 3
        border.color: bar.greyColor
        SequentialAnimation {
            id: flashAnimation
            loops: Animation.Infinite
            PropertyAction { target: frame; property: "border.color"; value: "black" }
            PauseAnimation { duration: 125 }
            PropertyAction { target: frame; property: "border.color"; value: bar.greyColor }
            PauseAnimation { duration: 125 }
        }
    }

    // Stopping a hold needs a second touch on the tick within 3 s.
    Rectangle {
        id: cancelPanel
        objectName: "cancelPanel"
        anchors.fill: parent
        color: "black"
        visible: false

        MouseArea2 { anchors.fill: parent }
        Item {
            width: parent.width / 2
            height: parent.height
            Image {
                anchors.centerIn: parent
                source: "images/checkmarkGreen.png"
                scale: bar.portrait ? 0.8 : 1.0
            }
            MouseArea2 {
                objectName: "cancelAccept"
                anchors.fill: parent
                onClicked: {
                    bar.closeCancelPanel()
                    bar.userCancel()
                }
            }
        }
        Item {
            x: parent.width / 2
            width: parent.width / 2
            height: parent.height
            Image {
                anchors.centerIn: parent
                source: "images/xRed.png"
                scale: bar.portrait ? 0.8 : 1.0
            }
            MouseArea2 {
                objectName: "cancelReject"
                anchors.fill: parent
                onClicked: bar.closeCancelPanel()
            }
        }
        Text {
            anchors.centerIn: parent
            text: qsTr("Reset?") + tro.emptyStr
            font.pixelSize: 24
            color: "white"
        }
        Timer {
            id: cancelTimer
            interval: bar.cancelPanelMs
            onTriggered: cancelPanel.visible = false
        }
    }

    Rectangle {
        id: mismatchPanel
        objectName: "mismatchPanel"
        anchors.fill: parent
        color: "gray"
        visible: false

        SequentialAnimation on color {
            running: mismatchPanel.visible
            loops: Animation.Infinite
            ColorAnimation { to: "gray"; duration: 0 }
            PauseAnimation { duration: 200 }
            ColorAnimation { to: "yellow"; duration: 0 }
            PauseAnimation { duration: 100 }
        }
        MouseArea2 { anchors.fill: parent }
        Text {
            anchors.centerIn: parent
            width: parent.width - 4
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
            font.pixelSize: bar.labelFontSize
            font.bold: true
            text: bar.getMisMatchReasonString(bar.mismatchReason)
        }
    }

    states: [
        State {
            name: "readyToHold"
            PropertyChanges { target: nameLabel; text: bar.themsg; color: "black" }
            PropertyChanges {
                target: leftStrip
                visible: bar.timerColorStatus && bar.trayHasTimerColor
            }
        },
        State {
            name: "groupReadyToHold"
            PropertyChanges { target: nameLabel; visible: false }
            PropertyChanges { target: groupCarousel; visible: true }
        },
        State {
            name: "startingTimer"
            PropertyChanges { target: bevel; visible: false }
            PropertyChanges { target: fill; color: "black" }
            PropertyChanges { target: nameLabel; text: bar.formatTime(bar.holdTimePreSet, false); color: "silver" }
        },
        State {
            name: "holding"
            PropertyChanges { target: bevel; visible: false }
            PropertyChanges { target: fill; color: "white" }
            PropertyChanges { target: remainingBar; visible: true }
            PropertyChanges {
                target: nameLabel
                text: bar.themsg
                color: bar.useBin ? bar.timerForeColor : "black"
            }
            PropertyChanges {
                target: suffixLabel
                visible: true
                text: "-" + bar.remainingTimeString
                color: bar.useBin ? bar.timerForeColor : "black"
            }
        },
        State {
            name: "warning"
            PropertyChanges { target: bevel; visible: false }
            PropertyChanges { target: fill; color: "yellow" }
            PropertyChanges { target: remainingBar; visible: true }
            PropertyChanges { target: nameLabel; text: bar.themsg; color: bar.timerForeColor }
            PropertyChanges {
                target: suffixLabel
                visible: true
                text: "-" + bar.remainingTimeString
                color: bar.timerForeColor
            }
        },
        State {
            name: "discard"
            PropertyChanges { target: bevel; visible: false }
            PropertyChanges { target: fill; color: "red" }
            PropertyChanges {
                target: nameLabel
                text: bar.discardFlash ? qsTr("DISCARD!") + tro.emptyStr : bar.themsg
                color: "white"
            }
            PropertyChanges {
                target: suffixLabel
                visible: true
                text: bar.discardFlash ? "" : "+" + bar.remainingTimeString
                color: "white"
            }
        },
        State {
            name: "preheating"
            PropertyChanges { target: bevel; visible: false }
            PropertyChanges { target: fill; color: "yellow" }
            PropertyChanges { target: preheatBar; visible: true }
            PropertyChanges { target: nameLabel; text: bar.themsg; color: "black" }
            PropertyChanges { target: suffixLabel; visible: true; text: "" }
        },
        State {
            name: "waiting"
            PropertyChanges { target: bevel; visible: false }
            PropertyChanges { target: fill; color: "black" }
            PropertyChanges { target: nameLabel; text: qsTr("Waiting") + tro.emptyStr; color: "silver" }
        }
    ]
}
