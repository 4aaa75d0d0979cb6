import QtQml 2.15

// daypartManager: day parts.
QtObject {
    property QtObject log

    property int nextDayPart: 0
    property var dayPartsToUse: [0, 1]

    signal daypartsFileLoadDone()

    function set_nextDayPart(value) {
        log.record("daypartManager.set_nextDayPart", arguments)
        nextDayPart = value
    }
    function dayPartEditInitialize() { log.record("daypartManager.dayPartEditInitialize", arguments) }
    function getDayPartsToUseCount() { return dayPartsToUse.length }
    function getDayPartToUse(index) { return dayPartsToUse[index] }
    function getDayPartToUseIndex(dayPart) { return dayPartsToUse.indexOf(dayPart) }
    function getDayPartName(dayPart) { return "Day part " + dayPart }
}
