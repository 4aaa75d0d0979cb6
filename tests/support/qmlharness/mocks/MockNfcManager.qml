import QtQml 2.15

// nfcm: pan-tag tracking (published on the primary display only).
QtObject {
    property QtObject log

    property var tagBinModel: []

    function rebuildTagsNotFoundInBins() { log.record("nfcm.rebuildTagsNotFoundInBins", arguments) }
    function removeHiddenTag(tag) { log.record("nfcm.removeHiddenTag", arguments) }
}
