import QtQml 2.15

// syncMgr: primary/secondary synchronisation.
QtObject {
    property string syncStatus: ""
    property bool showCloseButton: false

    signal displayErrorMsg(string text, bool showCloseButtonFlag, bool showHide)
}
