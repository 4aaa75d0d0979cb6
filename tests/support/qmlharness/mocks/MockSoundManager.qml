import QtQml 2.15

// soundManager: the alarm and chime sounds.
QtObject {
    property QtObject log

    function playWarningAlarm() { log.record("soundManager.playWarningAlarm", arguments) }
}
