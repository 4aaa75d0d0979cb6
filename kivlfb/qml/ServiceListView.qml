import QtQuick 2.15
import "errorControl"

// Stand-in for the service list until it is built. It holds the pages that
// exist so far, shows the current one (the first, each time the list is
// shown) and makes the list's reactions to a page becoming current. The
// list itself (swiping between pages, the PIN entry, the return button)
// replaces this, keeping the pages and their reactions.
Item {
    id: serviceList

    // Given by the window: its busy indicator and its shared question (their
    // hosts) and the reading direction.
    property var busyIndicator: null
    property var questionDialog: null
    property bool rightToLeft: false
    property Item currentPage: null
    // No swiping here: a page never becomes current while the list moves.
    readonly property bool moving: false

    readonly property int refreshBusyMs: 300

    signal close()

    function pageBecameCurrent() {
        if (currentPage === errorLogPanel && !moving && !errorLogRefreshGuard.running) {
            if (busyIndicator)
                busyIndicator.show().start(refreshBusyMs)
            errorLogRefreshGuard.start()
            kivErrorController.clearErrorLogList()
            kivErrorController.retrieveAllErrorLogs()
        }
    }

    anchors.fill: parent
    onVisibleChanged: currentPage = visible ? errorLogPanel : null
    onCurrentPageChanged: pageBecameCurrent()

    Rectangle {
        anchors.fill: parent
        color: uiSkin.generalPanelBackgroundColor
    }

    ErrorLogPanel {
        id: errorLogPanel
        objectName: "errorLogPanel"
        anchors.fill: parent
        itemName: "ErrorsLogPanel"
        lockLevel: cabinetManager.iAmMaster ? 2 : -1
        itemActive: serviceList.currentPage === errorLogPanel
        visible: itemActive
        questionDialog: serviceList.questionDialog
        rightToLeft: serviceList.rightToLeft
    }

    // Entering the page twice in quick succession reads the logs once.
    Timer {
        id: errorLogRefreshGuard
        objectName: "errorLogRefreshGuard"
        interval: 30
    }
}
