import QtQuick 2.15

// The main screen's day-part pop-up: one button per day part in use, named
// in the configured language, the current one underlined. A touch reports
// the day part's number (not its place in the list); the host applies it.
Item {
    id: panel

    property bool portrait: false
    property int stemHeight: 30
    property var manager: daypartManager

    signal dayPartSelectedSignal(int aValue)

    readonly property int stemLength: 90
    readonly property int stemOffset: 64
    readonly property int buttonHeight: 50
    readonly property int buttonSpacing: 20
    readonly property int topMargin: 35
    readonly property int bottomMargin: 40
    readonly property int shadowOffset: 8

    function initializeDayPartListView() {
        entries.clear()
        for (var i = 0; i < manager.getDayPartsToUseCount(); ++i) {
            var dayPart = manager.getDayPartToUse(i)
            entries.append({ dayPart: dayPart, name: manager.getDayPartName(dayPart) })
        }
    }

    width: 430
    height: body.height + (portrait ? stemHeight : 0)

    Component.onCompleted: initializeDayPartListView()

    Connections {
        target: panel.manager
        function onDaypartsFileLoadDone() { panel.initializeDayPartListView() }
        function onReloadDaypartsInUse() { panel.initializeDayPartListView() }
    }
    Connections {
        target: configManager
        function onLanguageIdChanged() { panel.initializeDayPartListView() }
    }

    ListModel { id: entries }

    // The shadow of the body and of its stem.
    Rectangle {
        x: body.x + panel.shadowOffset
        y: body.y + panel.shadowOffset
        width: body.width
        height: body.height
        color: "#80000000"
    }
    Rectangle {
        x: stem.x + panel.shadowOffset
        y: stem.y + panel.shadowOffset
        width: stem.width
        height: stem.height
        color: "#80000000"
    }

    // The body and its stem take the dock's colour: the pop-up comes out of it.
    // Towards the button that opened the pop-up: on the left edge in
    // landscape, below the body in portrait.
    Rectangle {
        id: stem
        color: uiSkin.dockAreaBackgroundColor
        x: panel.portrait ? panel.stemOffset : -width
        y: panel.portrait ? body.height : 0
        width: panel.portrait ? panel.stemLength : 8
        height: panel.portrait ? panel.stemHeight : panel.stemLength
    }

    Rectangle {
        id: body
        width: panel.width
        height: panel.topMargin + panel.bottomMargin
                + Math.max(0, entries.count * (panel.buttonHeight + panel.buttonSpacing) - panel.buttonSpacing)
        color: uiSkin.dockAreaBackgroundColor

        Column {
            x: 20
            y: panel.topMargin
            width: parent.width - 2 * x
            spacing: panel.buttonSpacing

            Repeater {
                id: buttons
                objectName: "dayPartButtons"
                model: entries
                delegate: Rectangle {
                    objectName: "dayPartButton" + model.dayPart
                    width: parent.width
                    height: panel.buttonHeight
                    radius: 10
                    color: area.pressed ? "#808080" : "white"

                    Text {
                        id: label
                        anchors.centerIn: parent
                        text: model.name
                        font.pixelSize: 28
                        color: "black"
                    }
                    Rectangle {
                        objectName: "underline"
                        visible: panel.manager.nextDayPart === model.dayPart
                        anchors.top: label.bottom
                        anchors.horizontalCenter: label.horizontalCenter
                        width: label.width
                        height: 2
                        color: "black"
                    }
                    MouseArea {
                        id: area
                        anchors.fill: parent
                        onClicked: panel.dayPartSelectedSignal(model.dayPart)
                    }
                }
            }
        }
    }
}
