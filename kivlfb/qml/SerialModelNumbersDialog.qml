import QtQuick 2.15
import "widgets"

// The cabinet's serial, model and store numbers, reloaded from the
// configuration every time the dialog opens. The numbers can be typed only
// while `editing` is on; accepting hands them to the main window to store.
Item {
    id: dialog

    property bool editing: false
    readonly property alias serialNumber: serialField.value
    readonly property alias modelNumber: modelField.value
    readonly property alias storeNumber: storeField.value

    signal accepted()
    signal cancelled()

    function load() {
        serialField.value = configManager.serialNumber
        modelField.value = configManager.modelNumber
        storeField.value = configManager.storeNumber
    }
    function finish(accept) {
        alphakb.visible = false
        dialog.visible = false
        if (accept)
            dialog.accepted()
        else
            dialog.cancelled()
        editing = false
    }

    anchors.fill: parent
    onVisibleChanged: if (visible) load()

    DialogFrame {
        id: frame
        boxWidth: 440
        boxHeight: 260
        // Above the middle, so that the keyboard leaves the fields in view.
        box.anchors.verticalCenterOffset: -dialog.height / 6

        Column {
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            y: 10
            spacing: 14
            FieldEditStr {
                id: serialField
                objectName: "serialNumberField"
                label: qsTr("Serial #") + tro.emptyStr
                labelFieldWidth: 140
                editable: dialog.editing
                onCallKeyboard: alphakb.show().kbmode = 0
            }
            FieldEditStr {
                id: modelField
                objectName: "modelNumberField"
                label: qsTr("Model #") + tro.emptyStr
                labelFieldWidth: 140
                editable: dialog.editing
                onCallKeyboard: alphakb.show().kbmode = 0
            }
            FieldEditStr {
                id: storeField
                objectName: "storeNumberField"
                label: qsTr("Store #") + tro.emptyStr
                labelFieldWidth: 140
                editable: dialog.editing
                onCallKeyboard: alphakb.show().kbmode = 0
            }
        }
        AcceptCancelItem {
            objectName: "serialButtons"
            parent: frame.box
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            acceptEnabled: dialog.editing
            onUserAccepted: dialog.finish(true)
            onUserCancelled: dialog.finish(false)
        }
    }
}
