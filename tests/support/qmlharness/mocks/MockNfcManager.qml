import QtQml 2.15
import QtQml.Models 2.15

// nfcm: pan-tag tracking (published on the primary display only).
QtObject {
    property QtObject log

    // Rows of { tagnum, binNum, prodName }.
    property var tagBinModel: ListModel {}

    function rebuildTagsNotFoundInBins() { log.record("nfcm.rebuildTagsNotFoundInBins", arguments) }
    function removeHiddenTag(tag) { log.record("nfcm.removeHiddenTag", arguments) }
}
