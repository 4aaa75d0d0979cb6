import QtQml 2.15

// One bin's tray bar object (TrayBarSc, published as "tbsc<bin>"): the
// properties the holding screen reads, the signals it emits on the tray and
// the ones the tray sends it. What the screens do to the tray is logged as
// "<objectName>.<member>".
QtObject {
    id: tray

    property QtObject log
    property int binNumber: 0

    property int trayState: 0
    property string productName: ""
    property int productId: 0
    property int holdTime: 0
    property int holdTimePreSet: 0
    property int remainingTime: 0
    property int warningTime: 0
    property int holdTemperature: 0
    property int actualTemperature: 0
    property int lidType: 0
    property int bottomType: 0
    property bool useBin: false
    property int groupID: 0
    property int groupIndex: 0
    property var groupPList: []
    property string panIdStr: ""
    property int panSize: 1
    property string panSizeX: "1/2"
    property string timerBackColor: "#fffffd"
    property string timerForeColor: "#fffffd"
    property int warningReason: 0

    // Emitted by the screens.
    signal userClicked()
    signal cancelHolding()
    signal mirrorClicked()
    signal mirrorCancelHolding()
    signal mirrorSelectSubProduct(int n)
    // Emitted by the tray towards the screens.
    signal productMismatchWarning(int reason)
    signal productMismatchWarningCancel()
    signal closeCancelPanel()
    signal goToHold()
    signal disableGroupSelectionSignal()
    signal flashBackground()
    signal cancelFlashBackground()

    onUserClicked: log.record(objectName + ".userClicked", [])
    onCancelHolding: log.record(objectName + ".cancelHolding", [])
    onMirrorClicked: log.record(objectName + ".mirrorClicked", [])
    onMirrorCancelHolding: log.record(objectName + ".mirrorCancelHolding", [])
    onMirrorSelectSubProduct: log.record(objectName + ".mirrorSelectSubProduct", [n])

    function loadSubProduct(n) { log.record(objectName + ".loadSubProduct", arguments) }
    function holdingActivityUpdate(activity) { log.record(objectName + ".holdingActivityUpdate", arguments) }
}
