import QtQuick 2.15
import TrayBarSc 1.0
import "widgets"

// The product choice of a bin that holds a product group, inside its tray
// bar: a swipeable list of the group's products that turns without end
// (the list carries a copy of the last product before the first and of the
// first after the last, and jumps over the copies when a swipe ends on one),
// or, in split view for groups of at most two, both names side by side.
Item {
    id: carousel

    property Item trayBar: null

    readonly property var productIds: trayBar && trayBar.hasTray ? toArray(trayBar.trayObject.groupPList) : []
    readonly property int productCount: Math.max(0, list.count - 2)
    readonly property var splitIds: trayBar && configManager.splitViewEnabled === true
                                    ? toArray(menuManager.getProductGroupPList(trayBar.groupID)) : []
    readonly property bool splitView: configManager.splitViewEnabled === true && splitIds.length <= 2
    readonly property bool dotsEnabled: configManager.groupDotsEnabled === true
    readonly property alias view: list
    readonly property alias currentIndex: list.currentIndex
    readonly property int positionDelayMs: 50

    function toArray(value) {
        if (!value)
            return []
        var result = []
        for (var i = 0; i < value.length; ++i)
            result.push(value[i])
        return result
    }
    function rebuild() {
        products.clear()
        var ids = productIds
        if (ids.length > 0) {
            products.append({ productId: ids[ids.length - 1] })
            for (var i = 0; i < ids.length; ++i)
                products.append({ productId: ids[i] })
            products.append({ productId: ids[0] })
        }
        positionTimer.restart()
    }
    function positionAt(index) {
        if (!Number.isInteger(index) || index < 0 || index >= list.count)
            return
        list.currentIndex = index
        list.positionViewAtIndex(index, ListView.Beginning)
    }
    // The dot of the product shown: the copies stand for the products they copy.
    function currentDot() {
        var k = list.currentIndex
        if (k <= 0)
            return productCount - 1
        if (k >= list.count - 1)
            return 0
        return k - 1
    }
    function clicked(k) {
        if (trayBar.holdingLook()) {
            trayBar.openCancelPanel()
            return
        }
        if (trayBar.groupID > 0)
            trayBar.subProductSelected(k >= 1 && k <= list.count - 2 ? k - 1 : 0)
        trayBar.userClicked()
    }
    function splitClicked(pn) {
        if (trayBar.holdingLook()) {
            trayBar.openCancelPanel()
            return
        }
        trayBar.subProductSelected(pn)
        trayBar.userClicked()
    }
    function pressedAndHeld() {
        if (trayBar.thestate === TrayBarSchart.TRAY_STATE_READY2HOLD)
            trayBar.requestTransfer()
    }

    onProductIdsChanged: rebuild()
    Component.onCompleted: rebuild()

    ListModel { id: products }

    Timer {
        id: positionTimer
        interval: carousel.positionDelayMs
        onTriggered: carousel.positionAt(carousel.trayBar.currentIndex + 1)
    }

    ListView {
        id: list
        objectName: "carouselList"
        visible: !carousel.splitView
        anchors.centerIn: parent
        width: parent.width - (carousel.trayBar && carousel.trayBar.portrait ? 10 : 0)
        height: parent.height
        clip: true
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        highlightMoveDuration: 300
        maximumFlickVelocity: 1000
        boundsBehavior: Flickable.StopAtBounds
        interactive: carousel.productCount > 1 && !carousel.trayBar.groupSelectionDisable
        model: products

        onCurrentIndexChanged: {
            if (currentIndex > 0 && currentIndex <= count - 2)
                carousel.trayBar.subProductSelected(currentIndex - 1)
        }
        onMovementEnded: {
            if (count < 3)
                return
            if (currentIndex === count - 1)
                carousel.positionAt(1)
            else if (currentIndex === 0)
                carousel.positionAt(count - 2)
        }

        delegate: Item {
            width: list.width
            height: list.height
            Text {
                anchors.centerIn: parent
                width: parent.width - 4
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                elide: Text.ElideRight
                maximumLineCount: carousel.trayBar.sideBySideLabel ? 1 : 2
                font.pixelSize: carousel.trayBar.labelFontSize
                font.bold: true
                text: menuManager.getProductName(model.productId)
            }
            MouseArea2 {
                anchors.fill: parent
                onClicked: carousel.clicked(index)
                onPressAndHold: carousel.pressedAndHeld()
            }
        }
    }

    Row {
        objectName: "groupDots"
        visible: !carousel.splitView && carousel.dotsEnabled
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 7
        spacing: 8
        Repeater {
            model: carousel.productCount
            Rectangle {
                readonly property bool current: index === carousel.currentDot()
                width: 9
                height: 9
                radius: 4.5
                color: current ? "white" : "#303030"
                border.width: current ? 2 : 0
                border.color: "black"
            }
        }
    }
    Image {
        objectName: "groupArrowLeft"
        visible: !carousel.splitView && !carousel.dotsEnabled && list.currentIndex !== 1
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        source: "images/trayGroupRight.png"
    }
    Image {
        objectName: "groupArrowRight"
        visible: !carousel.splitView && !carousel.dotsEnabled && list.currentIndex < list.count - 2
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        source: "images/trayGroupLeft.png"
    }

    Row {
        objectName: "splitHalves"
        visible: carousel.splitView
        anchors.fill: parent
        Repeater {
            model: 2
            Item {
                width: carousel.width / 2
                height: carousel.height
                Text {
                    anchors.centerIn: parent
                    width: parent.width - 8
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    elide: Text.ElideRight
                    maximumLineCount: 2
                    font.pixelSize: carousel.trayBar.labelFontSize
                    font.bold: true
                    text: index < carousel.splitIds.length ? menuManager.getProductName(carousel.splitIds[index]) : ""
                }
                MouseArea2 {
                    objectName: "splitHalf" + index
                    anchors.fill: parent
                    onClicked: carousel.splitClicked(index)
                }
            }
        }
    }
    Image {
        visible: carousel.splitView
        anchors.centerIn: parent
        height: parent.height
        source: "images/groupSplitter.png"
    }
}
