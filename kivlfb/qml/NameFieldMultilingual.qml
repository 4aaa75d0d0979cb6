import QtQuick 2.15
import "widgets"
import "menurules.js" as Rules

// The "Name" field of the product and group forms: it shows one language's
// entry of a names list. While the letter keyboard is open, choosing another
// input language keeps the typed name with the language it was typed in
// (and gives it to every empty entry); closing the keyboard returns to the
// display language.
FieldEditStr {
    id: nameField

    property var namesList: []
    property int currentInputLangId: 0
    // The letter keyboard's host, given by the form's owner.
    property var letterKeyboard: null

    label: qsTr("Name") + tro.emptyStr
    maxLength: 32

    function load(names) {
        currentInputLangId = tro.getLanguage()
        namesList = names ? names.slice() : []
        value = nameIn(currentInputLangId)
    }
    function nameIn(lang) {
        return namesList[lang] !== undefined ? namesList[lang] : ""
    }
    function storeName() {
        var names = namesList.slice()
        while (names.length <= currentInputLangId)
            names.push("")
        names[currentInputLangId] = value
        namesList = names
    }
    function inputLanguageChosen(lang) {
        storeName()
        namesList = Rules.fillEmptyNames(namesList, value)
        currentInputLangId = lang
        value = nameIn(lang)
        selectAll()
    }
    function keyboardClosed() {
        storeName()
        currentInputLangId = tro.getLanguage()
        value = nameIn(currentInputLangId)
    }
    // The names to save: the field's text in its language, and in every
    // empty entry when it is not empty.
    function namesToSave() {
        storeName()
        return value !== "" ? Rules.fillEmptyNames(namesList, value) : namesList.slice()
    }

    onCallKeyboard: {
        if (letterKeyboard) {
            letterKeyboard.show().kbmode = 0
            letterKeyboard.item.multilingualSupport = true
        }
    }
    onHideKeyboard: {
        if (letterKeyboard)
            letterKeyboard.visible = false
    }

    Connections {
        target: nameField.letterKeyboard && nameField.letterKeyboard.item ? nameField.letterKeyboard.item : null
        ignoreUnknownSignals: true
        function onInputLanguageIdChanged() {
            if (nameField.valueBox.activeFocus)
                nameField.inputLanguageChosen(nameField.letterKeyboard.item.inputLanguageId)
        }
        function onVisibleChanged() {
            if (!nameField.letterKeyboard.item.visible && nameField.valueBox.activeFocus)
                nameField.keyboardClosed()
        }
    }
}
