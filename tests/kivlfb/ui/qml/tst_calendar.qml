import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml"

TestCase {
    id: testCase
    name: "Calendar"
    when: windowShown
    visible: true
    width: 800
    height: 800

    Component { id: calendarComponent; CalendarWidget { } }
    Component { id: spyComponent; SignalSpy { } }
    Component {
        id: stage
        Rectangle {
            property alias calendar: calendar
            color: "white"
            width: cabinetManager.orientationPortrait ? 480 : 800
            height: cabinetManager.orientationPortrait ? 800 : 480
            CalendarWidget { id: calendar; anchors.centerIn: parent }
        }
    }

    function init() {
        verify(harness.reset())
    }
    function findChild(item, objectName) {
        if (item.objectName === objectName)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findChild(item.children[i], objectName)
            if (found)
                return found
        }
        return null
    }
    function makeCalendar(today) {
        cabinetManager.systemDate = today
        var c = createTemporaryObject(calendarComponent, testCase)
        waitForRendering(c)
        return c
    }
    function cell(c, i) { return findChild(c, "dayCell" + i) }
    function title(c) { return findChild(c, "monthTitle").text }
    function framed(c) {
        var found = []
        for (var i = 0; i < 42; ++i)
            if (findChild(cell(c, i), "selectionFrame").visible)
                found.push(i)
        return found
    }

    function test_monthLength_data() {
        return [
            { tag: "February 2024", year: 2024, month: 1, days: 29 },
            { tag: "February 2023", year: 2023, month: 1, days: 28 },
            { tag: "February 2100", year: 2100, month: 1, days: 28 },
            { tag: "February 2000", year: 2000, month: 1, days: 29 },
            { tag: "December 2023", year: 2023, month: 11, days: 31 },
        ]
    }
    function test_monthLength(data) {
        var c = makeCalendar("2024-01-10")
        compare(c.daysInMonth(data.year, data.month), data.days)
    }

    // March 2025 starts on a Saturday.
    function test_gridOfMarch2025() {
        var c = makeCalendar("2025-03-15")
        compare(title(c), "March 2025")
        compare(c.startDay, 6)
        for (var i = 0; i < 42; ++i) {
            var inMonth = i >= 6 && i <= 36
            compare(cell(c, i).enabled, inMonth, "cell " + i)
            compare(cell(c, i).opacity, inMonth ? 1.0 : 0.2, "cell " + i)
            compare(cell(c, i).day, inMonth ? i - 5 : 0, "cell " + i)
        }
        compare(framed(c), [20])
        // An empty cell takes no tap.
        var edited = createTemporaryObject(spyComponent, testCase, { target: c, signalName: "dateEdited" })
        mouseClick(cell(c, 3))
        mouseClick(cell(c, 40))
        compare(edited.count, 0)
        compare(c.selectedDate.getDate(), 15)
    }

    function test_steps_data() {
        return [
            { tag: "month back over the year", today: "2024-01-10", button: "previousMonth", shown: "December 2023" },
            { tag: "year back", today: "2024-03-10", button: "previousYear", shown: "March 2023" },
            { tag: "month on over the year", today: "2023-12-31", button: "nextMonth", shown: "January 2024" },
            { tag: "year on", today: "2024-02-29", button: "nextYear", shown: "February 2025" },
        ]
    }
    function test_steps(data) {
        var c = makeCalendar(data.today)
        var edited = createTemporaryObject(spyComponent, testCase, { target: c, signalName: "dateEdited" })
        var before = c.selectedDate
        mouseClick(findChild(c, data.button))
        compare(title(c), data.shown)
        compare(edited.count, 1)
        // Stepping shows another month; it does not choose a day.
        compare(c.selectedDate, before)
        compare(framed(c), [])
    }

    function test_frameFollowsTheSelectedMonth() {
        var c = makeCalendar("2025-03-02")
        var edited = createTemporaryObject(spyComponent, testCase, { target: c, signalName: "dateEdited" })
        mouseClick(cell(c, 15 + c.startDay - 1))
        compare(edited.count, 1)
        compare(c.selectedDate.getFullYear(), 2025)
        compare(c.selectedDate.getMonth(), 2)
        compare(c.selectedDate.getDate(), 15)
        mouseClick(findChild(c, "nextMonth"))
        compare(title(c), "April 2025")
        compare(framed(c), [])
        mouseClick(findChild(c, "previousMonth"))
        compare(framed(c), [20])
        compare(edited.count, 3)
    }

    function test_setToCurrentDate() {
        var c = makeCalendar("2025-03-15")
        c.dateModified = true
        mouseClick(findChild(c, "nextYear"))
        cabinetManager.systemDate = "2024-02-29"
        c.setToCurrentDate()
        compare(title(c), "February 2024")
        compare(c.selectedDate.getDate(), 29)
        compare(framed(c), [29 + c.startDay - 1])
        verify(!c.dateModified)

        // A date the cabinet cannot give keeps what is shown.
        cabinetManager.systemDate = "garbage"
        ignoreWarning("CalendarWidget: unusable system date \"garbage\"; keeping the shown date")
        c.setToCurrentDate()
        compare(title(c), "February 2024")
    }

    function test_screenshots_data() {
        return [ { tag: "landscape", portrait: false }, { tag: "portrait", portrait: true } ]
    }
    function test_screenshots(data) {
        cabinetManager.orientationPortrait = data.portrait
        cabinetManager.systemDate = "2025-03-15"
        var s = createTemporaryObject(stage, testCase)
        waitForRendering(s)
        verify(screenshots.save(s, "calendar-march-2025" + (data.portrait ? "-portrait" : "-landscape")) !== "")
    }
}
