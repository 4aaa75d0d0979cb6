import QtQml 2.15

// platformInfo: the kernel line and the board-support-package text.
QtObject {
    property QtObject log

    property string osKernel: ""
    property string bspInfo: ""

    function getOsKernelInformation() { log.record("platformInfo.getOsKernelInformation", arguments) }
    function getBSPverInformation() { log.record("platformInfo.getBSPverInformation", arguments) }
}
