import QtQml 2.15

// kivErrorController: the error controller front.
QtObject {
    property QtObject log

    property bool sibLinkBroken: false

    function exportErrorLog() { log.record("kivErrorController.exportErrorLog", arguments) }
}
