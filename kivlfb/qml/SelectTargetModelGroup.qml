import QtQuick 2.15

// Second step: the cabinet model among those the chosen set offers. A
// model without a usable personality file is refused here.
ConfigurationPage {
    id: models

    property QtObject selection: null

    title: qsTr("Select Model") + tro.emptyStr
    onVisibleChanged: if (visible) choices = configManager.get_customConfigModels()
    onNext: {
        var model = choices[choice]
        if (!configManager.validateModelNumber(model)) {
            configFileNotExist.visible = true
            return
        }
        selection.modelNumber = model
        models.visible = false
        configurationDialog.visible = true
    }
    onBack: {
        models.visible = false
        configurationScanItem.visible = true
    }
}
