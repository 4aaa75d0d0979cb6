import QtQuick 2.15
import "widgets"

// A month calendar for picking the system date: six weeks of the shown
// month, steps by month and by year, and the chosen day framed. It opens on
// today as the cabinet's configured time zone sees it, not on the board's
// raw clock.
Item {
    id: calendar

    property date selectedDate: new Date()
    property bool dateModified: false
    property color color: parent && parent.color !== undefined ? parent.color : uiSkin.generalPanelBackgroundColor
    property bool rightToLeft: false

    // The first day of the shown month, and its weekday (0 = Sunday).
    property var presentDate: new Date()
    property int startDay: 0
    // The cell of the selected day in the month it was chosen in, and the
    // cell that carries the frame (-1: none in the shown month).
    property int selectedindex: -1
    property int highlightIndex: -1
    readonly property color textColor: uiSkin.generalFontColor

    readonly property int cellCount: 42
    readonly property int daysPerWeek: 7
    readonly property color lineColor: "#606060"
    readonly property var monthNames: [
        qsTr("January") + tro.emptyStr, qsTr("February") + tro.emptyStr, qsTr("March") + tro.emptyStr,
        qsTr("April") + tro.emptyStr, qsTr("May") + tro.emptyStr, qsTr("June") + tro.emptyStr,
        qsTr("July") + tro.emptyStr, qsTr("August") + tro.emptyStr, qsTr("September") + tro.emptyStr,
        qsTr("October") + tro.emptyStr, qsTr("November") + tro.emptyStr, qsTr("December") + tro.emptyStr
    ]
    readonly property var dayNames: [
        qsTr("Su") + tro.emptyStr, qsTr("Mo") + tro.emptyStr, qsTr("Tu") + tro.emptyStr,
        qsTr("We") + tro.emptyStr, qsTr("Th") + tro.emptyStr, qsTr("Fr") + tro.emptyStr,
        qsTr("Sa") + tro.emptyStr
    ]
    readonly property int presentYear: presentDate.getFullYear()
    readonly property int presentMonth: presentDate.getMonth()
    readonly property int monthLength: daysInMonth(presentYear, presentMonth)

    signal dateEdited()

    width: 470
    height: 360

    // Day 32 rolls into the next month; what it rolls over by gives the
    // length, leap years included.
    function daysInMonth(year, month) {
        return 32 - new Date(year, month, 32).getDate()
    }
    function dayOfCell(index) {
        var day = index - startDay + 1
        return day >= 1 && day <= monthLength ? day : 0
    }
    function showMonth(year, month) {
        presentDate = new Date(year, month, 1)
        startDay = presentDate.getDay()
    }
    function step(months) {
        showMonth(presentYear, presentMonth + months)
        highlightIndex = selectedDate.getFullYear() === presentYear && selectedDate.getMonth() === presentMonth
                ? selectedindex : -1
        dateEdited()
    }
    function selectCell(index) {
        var day = dayOfCell(index)
        if (day === 0)
            return
        dateEdited()
        selectedDate = new Date(presentYear, presentMonth, day)
        selectedindex = index
        highlightIndex = index
    }
    function setToCurrentDate() {
        var text = cabinetManager.getSystemDateString()
        var parts = String(text).split("-")
        var year = parseInt(parts[0], 10)
        var month = parseInt(parts[1], 10) - 1
        var day = parseInt(parts[2], 10)
        if (parts.length !== 3 || isNaN(year) || isNaN(month) || isNaN(day)
                || month < 0 || month > 11 || day < 1 || day > daysInMonth(year, month)) {
            console.warn("CalendarWidget: unusable system date \"" + text + "\"; keeping the shown date")
            return
        }
        showMonth(year, month)
        selectedDate = new Date(year, month, day)
        selectedindex = day + startDay - 1
        highlightIndex = selectedindex
        dateModified = false
    }

    Component.onCompleted: setToCurrentDate()

    Rectangle {
        id: header
        objectName: "calendarHeader"
        width: parent.width
        height: 44
        color: calendar.color
        border.color: calendar.lineColor
        border.width: 1

        Text {
            id: monthTitle
            objectName: "monthTitle"
            anchors.centerIn: parent
            width: 200
            horizontalAlignment: Text.AlignHCenter
            text: calendar.monthNames[calendar.presentMonth] + " " + calendar.presentYear
            font.family: "Arial"
            font.pixelSize: 30
            color: calendar.textColor
        }

        // Each button: a 60 x 40 touch area with one or two arrows.
        component ArrowButton: Item {
            property string arrow: ""
            property bool twoArrows: false
            property int secondShift: 0
            signal clicked()
            width: 60
            height: 40
            anchors.verticalCenter: parent.verticalCenter
            Image {
                anchors.centerIn: parent
                source: parent.arrow
            }
            Image {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: parent.secondShift
                visible: parent.twoArrows
                source: parent.arrow
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: parent.clicked()
            }
        }

        ArrowButton {
            objectName: "previousYear"
            anchors.left: parent.left
            arrow: "images/trayGroupLeft.png"
            twoArrows: true
            secondShift: 7
            onClicked: calendar.step(-12)
        }
        ArrowButton {
            objectName: "previousMonth"
            anchors.right: monthTitle.left
            anchors.rightMargin: 20
            arrow: "images/trayGroupLeft.png"
            onClicked: calendar.step(-1)
        }
        ArrowButton {
            objectName: "nextMonth"
            anchors.left: monthTitle.right
            anchors.leftMargin: 20
            arrow: "images/trayGroupRight.png"
            onClicked: calendar.step(1)
        }
        ArrowButton {
            objectName: "nextYear"
            anchors.right: parent.right
            arrow: "images/trayGroupRight.png"
            twoArrows: true
            secondShift: -7
            onClicked: calendar.step(12)
        }
    }

    Rectangle {
        id: dayArea
        anchors.top: header.bottom
        anchors.topMargin: 5
        width: parent.width
        height: 290
        color: calendar.color
        border.color: calendar.lineColor
        border.width: 1

        Row {
            id: weekdays
            width: parent.width
            height: 30
            Repeater {
                model: calendar.daysPerWeek
                Text {
                    width: weekdays.width / calendar.daysPerWeek
                    height: weekdays.height
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    clip: true
                    text: calendar.dayNames[index]
                    font.family: "Arial"
                    font.bold: true
                    font.pixelSize: calendar.rightToLeft ? 16 : 20
                    color: calendar.textColor
                }
            }
        }
        Rectangle {
            id: rule
            anchors.top: weekdays.bottom
            x: 10
            width: parent.width - 20
            height: 2
            color: calendar.lineColor
        }
        Grid {
            id: days
            objectName: "dayGrid"
            anchors.top: rule.bottom
            anchors.bottom: parent.bottom
            width: parent.width
            columns: calendar.daysPerWeek
            Repeater {
                model: calendar.cellCount
                Item {
                    readonly property int day: calendar.dayOfCell(index)
                    objectName: "dayCell" + index
                    width: days.width / calendar.daysPerWeek
                    height: days.height / 6
                    enabled: day > 0
                    opacity: enabled ? 1.0 : 0.2
                    Text {
                        anchors.centerIn: parent
                        text: parent.day > 0 ? parent.day : ""
                        font.family: "Arial"
                        font.bold: true
                        font.pixelSize: 24
                        color: calendar.textColor
                    }
                    Rectangle {
                        objectName: "selectionFrame"
                        anchors.centerIn: parent
                        width: 45
                        height: parent.height - 4
                        color: "transparent"
                        border.color: "green"
                        border.width: 2
                        visible: index === calendar.highlightIndex
                    }
                    MouseArea2 {
                        anchors.fill: parent
                        onClicked: calendar.selectCell(index)
                    }
                }
            }
        }
    }
}
