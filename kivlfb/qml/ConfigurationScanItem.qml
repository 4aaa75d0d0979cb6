import QtQuick 2.15

// First step of the start-up configuration: the set of preloaded
// configurations (one folder per customer) to choose from.
ConfigurationPage {
    id: scan

    property QtObject selection: null

    title: qsTr("Select Configuration Set") + tro.emptyStr
    onVisibleChanged: if (visible) choices = configManager.get_customConfigs()
    onNext: {
        var set = choices[choice]
        configManager.set_selectedCustomConfig(set)
        selection.customConfig = set
        scan.visible = false
        selectTargetModelGroup.visible = true
    }
    onBack: {
        scan.visible = false
        startUpOrientationDialog.visible = true
    }
}
