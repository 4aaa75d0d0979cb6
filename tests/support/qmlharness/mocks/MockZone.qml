import QtQml 2.15

// One heating zone (ZoneManager, published as "zone<n>") with its trays.
QtObject {
    property QtObject log

    property int zoneNumber: 0
    property int traysPerZone: 2
    property var traysListProperty: []
    property bool disabledFlag: false
    property string disableReason: ""
    property bool ecoModeEnabled: false
    property bool heatOffEnabled: false
    property bool suggestEcoModeEnable: false
    property int tempLayout: 0
    property int currentDayPart: 0
    property int nextDayPart: 0
    property bool activelyHolding: false

    function set_nextDayPart(value) {
        log.record(objectName + ".set_nextDayPart", arguments)
        nextDayPart = value
    }
    function cancelSuggetEcoMode() {
        log.record(objectName + ".cancelSuggetEcoMode", arguments)
        suggestEcoModeEnable = false
    }
}
