import QtQml 2.15

// vki: the virtual key input; aKeyWasPressed() is the key click.
QtObject {
    property QtObject log

    signal aKeyWasPressed()

    onAKeyWasPressed: log.record("vki.aKeyWasPressed", [])

    function generateKeyInput(key, modifiers) { log.record("vki.generateKeyInput", arguments) }
}
