import QtQml 2.15

// vki: the virtual key input; aKeyWasPressed() is the key click. Typed keys
// are logged and, like the program's, reach the window that has the focus;
// compositions and candidates come from the program's own class.
QtObject {
    property QtObject log

    signal aKeyWasPressed()

    onAKeyWasPressed: log.record("vki.aKeyWasPressed", [])

    function generateKeyInput(key, modifiers) {
        log.record("vki.generateKeyInput", arguments)
        harness.typeKey(key)
        aKeyWasPressed()
    }
    function getPinyinChar(chars) { return harness.keyInput().getPinyinChar(chars) }
    function isPinyinPrefix(chars) { return harness.keyInput().isPinyinPrefix(chars) }
    function getHangulChar(chars) { return harness.keyInput().getHangulChar(chars) }
}
