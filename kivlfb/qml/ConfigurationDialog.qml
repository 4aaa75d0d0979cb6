import QtQuick 2.15
import "widgets"

// Last step: which display this is, for a model with two, and the
// cabinet's serial number; then the confirmation.
ConfigurationPage {
    id: displays

    property QtObject selection: null
    readonly property bool twoDisplays: selection !== null && configManager.get_configDisplaysCount(selection.modelNumber) === 2
    readonly property bool leftRight: selection !== null && configManager.get_configDisplaysLeftRight(selection.modelNumber)

    title: qsTr("Select Display") + tro.emptyStr
    nextEnabled: choice >= 0 && serialField.value !== ""
    onVisibleChanged: {
        if (!visible)
            return
        serialField.value = configManager.serialNumber
        choices = twoDisplays ? [qsTr("PRIMARY display") + tro.emptyStr,
                                 (leftRight ? qsTr("SECONDARY display") : qsTr("MIRROR display")) + tro.emptyStr]
                              : [qsTr("Single display") + tro.emptyStr]
    }
    onNext: {
        alphakb.visible = false
        selection.doubleSided = twoDisplays ? 2 : 1
        selection.displaySide = twoDisplays ? choice : 0
        selection.serialNumber = serialField.value
        configConfirmation.visible = true
    }
    onBack: {
        alphakb.visible = false
        displays.visible = false
        selectTargetModelGroup.visible = true
    }

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        width: serialField.width + 20
        height: serialField.height + 12
        color: uiSkin.generalPanelBackgroundColor
        FieldEditStr {
            id: serialField
            objectName: "configurationSerialNumber"
            anchors.centerIn: parent
            label: qsTr("Serial #") + tro.emptyStr
            labelFieldWidth: 120
            onCallKeyboard: alphakb.show().kbmode = 0
            onHideKeyboard: alphakb.visible = false
        }
    }
}
