import QtQml 2.15

// daypartManager: day parts.
QtObject {
    property QtObject log

    property int nextDayPart: 0
    property var dayPartsToUse: [0, 1]
    property int dayPartsCount: 4
    // Names by day part in the language of the moment; "Day part N" where
    // none is given.
    property var dayPartNames: []

    signal daypartsFileLoadDone()
    signal reloadDaypartsInUse()

    function set_nextDayPart(value) {
        log.record("daypartManager.set_nextDayPart", arguments)
        nextDayPart = value
    }
    function dayPartEditInitialize() { log.record("daypartManager.dayPartEditInitialize", arguments) }
    function dayPartEditSave() { log.record("daypartManager.dayPartEditSave", arguments) }
    function deleteProductGroupFromDayParts(pgid) { log.record("daypartManager.deleteProductGroupFromDayParts", arguments) }
    function getDayPartsToUseCount() { return dayPartsToUse.length }
    function getDayPartToUse(index) { return dayPartsToUse[index] }
    function getDayPartToUseIndex(dayPart) { return dayPartsToUse.indexOf(dayPart) }
    function getDayPartName(dayPart) {
        return dayPartNames[dayPart] !== undefined ? dayPartNames[dayPart] : "Day part " + dayPart
    }
    function getDayPartsCount() { return dayPartsCount }
    function getDayPartIsUsed(dayPart) { return dayPartsToUse.indexOf(dayPart) >= 0 }
    function resetIsUsedDayPart() {
        log.record("daypartManager.resetIsUsedDayPart", arguments)
        dayPartsToUse = []
    }
    function setIsUsedDayPart(index, isUsed) {
        log.record("daypartManager.setIsUsedDayPart", arguments)
        var list = dayPartsToUse.filter(function (d) { return d !== index })
        if (isUsed)
            list.push(index)
        dayPartsToUse = list.sort(function (a, b) { return a - b })
    }
    function saveDayPartsUsed() {
        log.record("daypartManager.saveDayPartsUsed", arguments)
        reloadDaypartsInUse()
    }
}
