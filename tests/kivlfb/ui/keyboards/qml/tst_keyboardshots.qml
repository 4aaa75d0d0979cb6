import QtQuick 2.15
import QtTest 1.15

// The keyboards in the main window, landscape and portrait: each lies wholly
// on the screen in every state, and a picture of each is left in
// screenshots/ for a person to look at.
TestCase {
    id: testCase
    name: "KeyboardShots"
    when: windowShown

    property var window: null

    readonly property int korean: 12
    readonly property int chinese: 13

    function findChild(item, objectName) {
        if (!item)
            return null
        if (item.objectName === objectName)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findChild(item.children[i], objectName)
            if (found)
                return found
        }
        return null
    }
    function host(name) {
        var panel = findChild(window.contentItem, "mainPanel")
        for (var i = 0; i < panel.children.length; ++i)
            if (panel.children[i].name === name && panel.children[i].screen !== undefined)
                return panel.children[i]
        fail("no host " + name)
    }
    function createWindow(portrait) {
        cabinetManager.orientationPortrait = portrait
        // A portrait cabinet has its dock along the bottom.
        cabinetManager.pressGoDockPosition = portrait ? 1 : 0
        configManager.usedLanguages = (1 << 0) | (1 << korean) | (1 << chinese)
        var component = Qt.createComponent("qrc:///qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        tryCompare(window.contentItem, "width", window.width)
    }
    function init() {
        verify(harness.reset())
        harness.setScaling(1.0, 1.0)
    }
    function cleanup() {
        if (window)
            window.destroy()
        window = null
    }
    // The item's corners all lie on the main panel, which is the screen.
    function verifyOnScreen(item, what) {
        var panel = findChild(window.contentItem, "mainPanel")
        var topLeft = item.mapToItem(panel, 0, 0)
        var bottomRight = item.mapToItem(panel, item.width, item.height)
        verify(topLeft.x >= 0 && topLeft.y >= 0, what + " starts off the screen at " + topLeft.x + "," + topLeft.y)
        verify(bottomRight.x <= panel.width && bottomRight.y <= panel.height,
               what + " ends off the screen at " + bottomRight.x + "," + bottomRight.y)
    }
    function shoot(item, name) {
        waitForRendering(item)
        verifyOnScreen(item, name)
        verify(screenshots.saveUpright(findChild(window.contentItem, "mainPanel"), name) !== "", name)
    }
    function letterKeyboard() {
        var panel = host("alphakb").show()
        panel.kbmode = 0
        return findChild(panel, "keyboardAlpha")
    }
    function switchTo(kb, languageId) {
        kb.multilingualSupport = true
        while (kb.inputLanguageId !== languageId)
            kb.languageKey()
    }

    function test_keyboards_data() {
        return [
            { tag: "landscape", portrait: false },
            { tag: "portrait", portrait: true },
        ]
    }
    function test_keyboards(data) {
        createWindow(data.portrait)
        var kb = letterKeyboard()
        shoot(kb, "alphakb-letters-" + data.tag)
        kb.modeKey()
        shoot(kb, "alphakb-symbols-" + data.tag)
        kb.modeKey()

        switchTo(kb, korean)
        var jamo = "ㅎㅏㄴㄱㅡ"
        for (var i = 0; i < jamo.length; ++i)
            kb.letterKey(jamo.charAt(i))
        compare(kb.hangulCharResult, "그")
        shoot(kb, "alphakb-korean-" + data.tag)

        switchTo(kb, chinese)
        var letters = "zhong"
        for (i = 0; i < letters.length; ++i)
            kb.letterKey(letters.charAt(i))
        compare(kb.pinyinCharResult.length, 11)
        shoot(kb, "alphakb-pinyin-" + data.tag)
        host("alphakb").visible = false

        var entry = findChild(window.contentItem, "mainPanel").enterNumber({ input_text: "25" })
        shoot(findChild(entry, "numericInputEdit"), "numericInputPanel-number-" + data.tag)
        entry = findChild(window.contentItem, "mainPanel").enterNumber(
                    { inputTime_validation: true, ampm24hr: 1, input_text: "00:12:30" })
        shoot(findChild(entry, "numericInputEdit"), "numericInputPanel-time-" + data.tag)

        var keypad = host("numericKeypad").show()
        shoot(keypad, "numericKeypad-" + data.tag)
    }

    // The longest rows in portrait: Russian and Japanese letters.
    function test_widestLayouts_data() {
        return [
            { tag: "Russian", id: 10 },
            { tag: "Arabic", id: 11 },
            { tag: "Japanese", id: 14 },
            { tag: "German", id: 5 },
        ]
    }
    function test_widestLayouts(data) {
        createWindow(true)
        configManager.usedLanguages = 1 << data.id
        tro.languageId = data.id
        var kb = letterKeyboard()
        kb.multilingualSupport = true
        compare(kb.inputLanguageId, data.id)
        shoot(kb, "alphakb-" + data.tag + "-portrait")
    }
}
