import QtQuick 2.15
import KivDefs 1.0
import "widgets"
import "menurules.js" as Rules

// Creates or changes one product of the menu's edit copy. The form checks
// what the user typed before anything reaches the menu: a failing check
// shows its message and keeps the form open.
Rectangle {
    id: form

    property int savedProductId: 0
    property alias currentInputLangId: nameField.currentInputLangId
    property string timerColorValue: Rules.noTimerColor
    property bool noColor: true

    // The product being edited (0: a new one) and its names by language.
    property int productId: 0
    property alias namesList: nameField.namesList

    // Given by the host: the letter keyboard's host (names per input
    // language follow it), the numeric keypad's host for the number and
    // time fields, and how messages are shown.
    property var letterKeyboard: null
    property var numberKeypad: null
    property var showMessage: function (text) { console.info("Product form: " + text) }

    readonly property bool dez: cabinetManager.customerId === KivDefines.CUSTOMER_ID_DEZ
    readonly property bool celsius: configManager.tempUnit === 1
    readonly property var limits: Rules.tempLimits(cabinetManager.customerId)
    readonly property bool portrait: cabinetManager.orientationPortrait === true
    readonly property bool colorShown: cabinetManager.timerColorEnable && configManager.timerColorStatus
    readonly property bool resetShown: cabinetManager.nfcEnabled && !dez
    readonly property int choiceLabelWidth: portrait ? 220 : 110

    signal productModified(bool addedNew)
    signal editAccepted()
    signal editCancelled()

    width: portrait ? 480 : 800
    height: portrait ? 710 : 480
    color: uiSkin.generalPanelBackgroundColor

    function showKeypad(shown) {
        if (numberKeypad)
            numberKeypad.visible = shown
    }
    function toShown(f) { return celsius ? cabinetManager.convertToCelsius(f) : f }
    function toFahrenheit(v) { return celsius ? cabinetManager.convertToFahrenheit(v) : v }

    function loadProductData(pid, nameList, holdTime, warningTime, lowerTemp, upperTemp, resetTime,
                             lidType, bottomType, panSizeX, fanSpeed, timerColor) {
        productId = pid
        nameField.load(nameList)
        noColor = timerColor === Rules.noTimerColor
        timerColorValue = timerColor
        // Each field is cleared first, so that a change is always announced.
        holdField.value = "00:00:00"
        holdField.value = Rules.hhmmss(holdTime)
        warningField.value = "00:00:00"
        warningField.value = Rules.hhmmss(warningTime)
        upperField.value = toShown(upperTemp)
        lowerField.value = toShown(lowerTemp)
        fanField.value = 0
        if (cabinetManager.hasFan)
            fanField.value = fanSpeed
        resetField.value = Rules.hhmmss(resetTime)
        lidSelector.currentIndex = Rules.lidIndex(lidType)
        bottomSelector.currentIndex = Rules.bottomIndex(bottomType)
        fractionSelector.choices = Rules.fractionChoices(cabinetManager.traysPerZone)
        // A new product starts on the cabinet's smallest fraction.
        fractionSelector.currentIndex = Math.max(0, fractionSelector.choices.indexOf(panSizeX))
    }

    // The values as the menu keeps them, and the first failing check.
    function entered() {
        return {
            hold: Rules.secondsOf(holdField.value),
            warning: Rules.secondsOf(warningField.value),
            reset: Rules.secondsOf(resetField.value),
            name: nameField.value,
            lowerF: toFahrenheit(Number(lowerField.value)),
            upperF: toFahrenheit(Number(upperField.value)),
            fanSpeed: cabinetManager.hasFan ? Number(fanField.value) : 0,
            lid: Rules.lidTypes[lidSelector.currentIndex],
            bottom: Rules.bottomTypes[bottomSelector.currentIndex],
            fraction: fractionSelector.currentText
        }
    }
    function accept() {
        var p = entered()
        var names = nameField.namesToSave()
        var message = ""
        if (menuManager.checkProductInGroups(productId, p.lowerF, p.upperF, p.lid, p.fraction, p.fanSpeed))
            message = qsTr("Product will be removed from group(s)<br>products list")
        var error = Rules.productError(p, cabinetManager.customerId, cabinetManager.hasFan)
        if (error !== "") {
            showMessage(qsTr(error))
            return false
        }
        if (message !== "")
            showMessage(message)
        var wasNew = productId === 0
        savedProductId = menuManager.saveProductEdit(productId, names, p.hold, p.warning, p.lowerF, p.upperF,
                                                     p.reset, p.lid, p.bottom, p.fraction, p.fanSpeed,
                                                     timerColorValue)
        productModified(wasNew)
        editAccepted()
        return true
    }

    // Close and accept, top left.
    Row {
        x: 10
        y: 10
        spacing: 10
        z: 2
        AcceptCancelItem {
            objectName: "acceptCancel"
            width: 210
            onUserAccepted: form.accept()
            onUserCancelled: form.editCancelled()
        }
    }

    Flickable {
        id: fields
        objectName: "fields"
        x: 10
        y: 80
        width: parent.width - 20
        height: parent.height - y - 10
        contentHeight: layout.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        // Landscape: the selectors stand to the right of the fields.
        Grid {
            id: layout
            columns: form.portrait ? 1 : 2
            spacing: 8
            columnSpacing: 10

        Column {
            id: column
            spacing: 8

            NameFieldMultilingual {
                id: nameField
                objectName: "nameField"
                letterKeyboard: form.letterKeyboard
                inputFieldWidth: 220
                labelFieldWidth: form.portrait ? 220 : 200
            }
            FieldEditInt {
                id: upperField
                onCallKeyboard: form.showKeypad(true)
                onHideKeyboard: form.showKeypad(false)
                objectName: "upperField"
                label: (form.dez ? qsTr("Hold Temp") : qsTr("Upper temperature")) + tro.emptyStr
                units: "T"
                tscale: form.celsius ? "c" : "f"
                minVal: form.celsius ? form.limits.lowC : form.limits.lowF
                maxVal: form.celsius ? form.limits.highC : form.limits.highF
                labelFieldWidth: nameField.labelFieldWidth
                onRestateValue: value = val
            }
            FieldEditInt {
                id: lowerField
                onCallKeyboard: form.showKeypad(true)
                onHideKeyboard: form.showKeypad(false)
                objectName: "lowerField"
                label: (form.dez ? qsTr("Product temp") : qsTr("Lower temperature")) + tro.emptyStr
                units: "T"
                tscale: upperField.tscale
                minVal: upperField.minVal
                maxVal: upperField.maxVal
                labelFieldWidth: nameField.labelFieldWidth
                onRestateValue: value = val
            }
            FieldEditTime {
                id: holdField
                onCallKeyboard: form.showKeypad(true)
                onHideKeyboard: form.showKeypad(false)
                objectName: "holdField"
                label: qsTr("Holding time") + tro.emptyStr
                labelFieldWidth: nameField.labelFieldWidth
                onRestateValue: value = val
            }
            FieldEditTime {
                id: warningField
                onCallKeyboard: form.showKeypad(true)
                onHideKeyboard: form.showKeypad(false)
                objectName: "warningField"
                label: qsTr("Cook more alert time") + tro.emptyStr
                labelFieldWidth: nameField.labelFieldWidth
                onRestateValue: value = val
            }
            FieldEditTime {
                id: resetField
                onCallKeyboard: form.showKeypad(true)
                onHideKeyboard: form.showKeypad(false)
                objectName: "resetField"
                visible: form.resetShown
                label: qsTr("Reset time") + tro.emptyStr
                labelFieldWidth: nameField.labelFieldWidth
                onRestateValue: value = val
            }
            FieldEditInt {
                id: fanField
                onCallKeyboard: form.showKeypad(true)
                onHideKeyboard: form.showKeypad(false)
                objectName: "fanField"
                visible: cabinetManager.hasFan
                label: qsTr("Fan speed") + tro.emptyStr
                units: "%"
                minVal: Rules.fanSpeedMin
                maxVal: Rules.fanSpeedMax
                labelFieldWidth: nameField.labelFieldWidth
                // An entry outside 50-100 % puts the previous value back.
                onRestateValue: value = val
            }
        }
        Column {
            spacing: 8
            Row {
                spacing: 10
                Text {
                    width: form.choiceLabelWidth
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignRight
                    text: qsTr("Zone splits:") + tro.emptyStr
                    font.pixelSize: 18
                }
                ChoiceSelector {
                    id: fractionSelector
                    objectName: "fractionSelector"
                }
            }
            Row {
                spacing: 10
                Text {
                    width: form.choiceLabelWidth
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignRight
                    text: qsTr("Lid type:") + tro.emptyStr
                    font.pixelSize: 18
                }
                ChoiceSelector {
                    id: lidSelector
                    objectName: "lidSelector"
                    choices: Rules.lidTypes
                    labels: [qsTr("None") + tro.emptyStr, qsTr("Solid") + tro.emptyStr, qsTr("Vented") + tro.emptyStr]
                    currentIndex: 0
                }
            }
            Row {
                spacing: 10
                Text {
                    width: form.choiceLabelWidth
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignRight
                    text: qsTr("Bottom type:") + tro.emptyStr
                    font.pixelSize: 18
                }
                ChoiceSelector {
                    id: bottomSelector
                    objectName: "bottomSelector"
                    choices: Rules.bottomTypes
                    labels: [qsTr("Normal") + tro.emptyStr, qsTr("False") + tro.emptyStr]
                    currentIndex: 0
                }
            }
            Row {
                spacing: 10
                visible: form.colorShown
                Text {
                    width: form.choiceLabelWidth
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignRight
                    text: qsTr("Color:") + tro.emptyStr
                    font.pixelSize: 18
                }
                TimerColorSwatch {
                    objectName: "colorField"
                    colorText: form.timerColorValue
                    MouseArea {
                        anchors.fill: parent
                        onClicked: colorPicker.active = true
                    }
                }
            }
        }
        }
    }

    // Created when first opened.
    Loader {
        id: colorPicker
        objectName: "colorPicker"
        anchors.fill: parent
        z: 10
        active: false
        sourceComponent: TimerColorPickerDialog {
            editor: form
            onVisibleChanged: {
                if (!visible)
                    colorPicker.active = false
            }
        }
    }
}
