import QtQuick 2.15
import QtTest 1.15
import "qrc:///qml/widgets"

// The letter keyboard: its layouts, case keys, Korean syllables, pinyin
// candidates and language keys. Keys travel as key events to a focused text
// field, as on the cabinet.
TestCase {
    id: testCase
    name: "KeyboardAlpha"
    when: windowShown
    // A test case is invisible by default; the keys must be touchable.
    visible: true
    width: 800
    height: 480

    readonly property int korean: 12
    readonly property int chinese: 13

    KeyboardAlphaModels {
        id: models
    }
    Component {
        id: spy
        SignalSpy { }
    }
    Component {
        id: sceneComponent
        Item {
            property alias field: field
            property alias keyboard: keyboard
            width: 800
            height: 480
            TextInput { id: field; width: 300; height: 30; focus: true }
            KeyboardAlpha { id: keyboard; y: 40; visible: false }
        }
    }

    // The rows as the layout table writes them: "x" a letter with its
    // capital, "x/y" lower and upper, "x/–" no upper case, "–" a blank key;
    // "◌" is only drawn, never sent.
    function expectedRow(text) {
        return text.split(" ").map(function (token) {
            if (token === "–")
                return { lower: "", upper: "", lowerCode: "", upperCode: "" }
            var slash = token.indexOf("/")
            if (slash > 0) {
                var lower = token.substring(0, slash)
                var upper = token.substring(slash + 1)
                if (upper === "–")
                    upper = ""
                return { lower: lower, upper: upper, lowerCode: lower, upperCode: upper.replace("\u25CC", "") }
            }
            return { lower: token, upper: token.toUpperCase(), lowerCode: token, upperCode: token.toUpperCase() }
        })
    }
    function compareRow(actual, expected, what) {
        compare(actual.length, expected.length, what + " length")
        for (var i = 0; i < expected.length; ++i) {
            var a = actual[i]
            var e = expected[i]
            var where = what + " key " + (i + 1)
            compare(a.lower, e.lower, where + " lower")
            compare(a.upper, e.upper, where + " upper")
            compare(a.lowerCode, e.lowerCode, where + " lower code")
            compare(a.upperCode, e.upperCode, where + " upper code")
            compare(a.w, 1, where + " width")
            compare(a.h, 1, where + " height")
        }
    }

    function test_layoutRows() {
        var table = [
            ["usaQwertyAlpha_r1", "q w e r t y u i o p"],
            ["usaQwertyAlpha_r2", "a s d f g h j k l"],
            ["usaQwertyAlpha_r3", "z x c v b n m ,/< ./>"],
            ["spaQwertyAlpha_r1", "q w e r t y u i o p"],
            ["spaQwertyAlpha_r2", "a s d f g h j k l"],
            ["spaQwertyAlpha_r3", "z x c v b n m ñ ç"],
            ["fraQwertyAlpha_r1", "a z e r t y u i o p"],
            ["fraQwertyAlpha_r2", "q s d f g h j k l"],
            ["fraQwertyAlpha_r3", "w x c v b n m ù/ù ./>"],
            ["deuQwertyAlpha_r1", "q w e r t z u i o p ü"],
            ["deuQwertyAlpha_r2", "a s d f g h j k l ö"],
            ["deuQwertyAlpha_r3", "y x c v b n m ä ,/< ß/>"],
            ["itaQwertyAlpha_r1", "q w e r t y u i o p è/é"],
            ["itaQwertyAlpha_r2", "a s d f g h j k l ò/ç"],
            ["itaQwertyAlpha_r3", "z x c v b n m à/à ù/ù"],
            ["porQwertyAlpha_r1", "q w e r t y u i o p"],
            ["porQwertyAlpha_r2", "a s d f g h j k l"],
            ["porQwertyAlpha_r3", "z x c v b n m ç ./>"],
            ["rusQwertyAlpha_r1", "й ц у к е н г ш щ з х ъ"],
            ["rusQwertyAlpha_r2", "ф ы в а п р о л д ж э"],
            ["rusQwertyAlpha_r3", "я ч с м и т ь б ю ё ./,"],
            ["rusEngQwertyAlpha_r1", "q w e r t y u i o p – –"],
            ["rusEngQwertyAlpha_r2", "a s d f g h j k l – –"],
            ["rusEngQwertyAlpha_r3", "z x c v b n m ,/< ./> – –"],
            ["arabicQwertyAlpha_r1", "ض/َ◌ ص/ً◌ ث/ُ◌ ق/ٌ◌ ف/– غ/إ ع/– ه/– خ/– ح/– ج/– د/–"],
            ["arabicQwertyAlpha_r2", "ش/ِ◌ س/ٍ◌ ي/– ب/– ل/لأ ا/أ ت/– ن/، م/– ك/– ط/–"],
            ["arabicQwertyAlpha_r3", "ئ/– ء/ْ◌ ؤ/– ر/– لا/لآ ى/آ ة/– و/– ز/– ظ/– ذ/ّ◌"],
            ["arabicEngQwertyAlpha_r1", "q w e r t y u i o p – –"],
            ["arabicEngQwertyAlpha_r2", "a s d f g h j k l – –"],
            ["arabicEngQwertyAlpha_r3", "z x c v b n m ,/< ./> – –"],
            ["korQwertyAlpha_r1", "ㅂ/ㅃ ㅈ/ㅉ ㄷ/ㄸ ㄱ/ㄲ ㅅ/ㅆ ㅛ/– ㅕ/– ㅑ/– ㅐ/ㅒ ㅔ/ㅖ"],
            ["korQwertyAlpha_r2", "ㅁ/– ㄴ/– ㅇ/– ㄹ/– ㅎ/– ㅗ/– ㅓ/– ㅏ/– ㅣ/–"],
            ["korQwertyAlpha_r3", "ㅋ/– ㅌ/– ㅊ/– ㅍ/– ㅠ/– ㅜ/– ㅡ/– ,/< ./>"],
            ["korEngQwertyAlpha_r1", "q w e r t y u i o p"],
            ["korEngQwertyAlpha_r2", "a s d f g h j k l"],
            ["korEngQwertyAlpha_r3", "z x c v b n m ,/< ./>"],
            ["zh_cnQwertyAlpha_r1", "q w e r t y u i o p"],
            ["zh_cnQwertyAlpha_r2", "a s d f g h j k l"],
            ["zh_cnQwertyAlpha_r3", "z x c v b n m ,/< ./>"],
            ["jpnQwertyAlpha_r0", "ろ/– ぬ/– ふ/– あ/ぁ う/ぅ え/ぇ お/ぉ や/ゃ ゆ/ゅ よ/ょ わ/を ほ/ー"],
            ["jpnQwertyAlpha_r1", "た/– て/– い/ぃ す/– か/– ん/– な/– に/– ら/– せ/– む/– へ/–"],
            ["jpnQwertyAlpha_r2", "ち/– と/– し/– は/– き/– く/– ま/– の/– り/– れ/– け/–"],
            ["jpnQwertyAlpha_r3", "む/– つ/っ さ/– そ/– ひ/– こ/– み/– も/゛ ね/゜ る/「 め/」"],
            ["jpnEngQwertyAlpha_r1", "q w e r t y u i o p – –"],
            ["jpnEngQwertyAlpha_r2", "a s d f g h j k l – –"],
            ["jpnEngQwertyAlpha_r3", "z x c v b n m ,/< ./> – –"],
        ]
        for (var i = 0; i < table.length; ++i)
            compareRow(models[table[i][0]], expectedRow(table[i][1]), table[i][0])
    }

    // Numbers and symbols, the same for every language; the comma sends an
    // apostrophe in upper case.
    function test_numberRows() {
        var kb = openKeyboard().keyboard
        kb.modeKey()
        var lower = [["1", "2", "3", "4", "5", "6", "7", "8", "9", "0"],
                     ["[", "]", "_", "/", "`", "-", "=", ";", "'"],
                     ["!", "@", "(", ")", "\\", "", "", ",", "."]]
        var upper = [["!", "@", "#", "$", "%", "^", "&", "*", "(", ")"],
                     ["{", "}", "-", "?", "~", "_", "+", ":", "\""],
                     ["", "", "", "", "|", "", "", ",", "."]]
        var rows = [kb.row1, kb.row2, kb.row3]
        for (var r = 0; r < 3; ++r) {
            compare(rows[r].map(function (k) { return k.lower }), lower[r])
            compare(rows[r].map(function (k) { return k.upper }), upper[r])
            compare(rows[r].map(function (k) { return k.lowerCode }), lower[r])
            compare(rows[r].map(function (k) { return k.upperCode }),
                    r === 2 ? ["", "", "", "", "|", "", "", "'", "."] : upper[r])
        }
        compare(kb.row0, [])
    }

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
    function spyOn(target, signalName) {
        return createTemporaryObject(spy, testCase, { target: target, signalName: signalName })
    }
    function openKeyboard(multilingual) {
        var scene = createTemporaryObject(sceneComponent, testCase)
        verify(scene)
        scene.keyboard.multilingualSupport = multilingual === true
        scene.keyboard.visible = true
        scene.field.forceActiveFocus()
        waitForRendering(scene)
        return scene
    }
    function tap(kb, objectName) {
        var key = findChild(kb, objectName)
        verify(key, "no key " + objectName)
        // A row that has just changed is laid out before the touch.
        tryVerify(function () { return !isPolishScheduled(key.parent) && !isPolishScheduled(findChild(kb, "keyColumn")) })
        verify(key.visible && key.enabled, objectName + " cannot be touched")
        mouseClick(key, key.width / 2, key.height / 2)
    }
    function typeLetters(kb, letters) {
        for (var i = 0; i < letters.length; ++i)
            tap(kb, "key-" + letters[i])
    }
    // What the keyboard typed, empty keys (clicks) left out.
    function sent() {
        return callLog.argsOf("vki.generateKeyInput").map(function (a) { return a[0] })
                      .filter(function (k) { return k !== "" })
    }
    // Offers only the languages given, and opens the keyboard while the
    // interface shows the first of them.
    function openWithLanguages(ids) {
        var mask = 0
        for (var i = 0; i < ids.length; ++i)
            mask |= 1 << ids[i]
        configManager.usedLanguages = mask
        tro.languageId = ids[0]
        return openKeyboard(true)
    }
    function init() {
        verify(harness.reset())
    }

    function test_languageLayouts_data() {
        return [
            { tag: "English", id: 0, rows: "usa" },
            { tag: "Spanish", id: 1, rows: "spa" },
            { tag: "French", id: 2, rows: "fra" },
            { tag: "Mexican Spanish", id: 3, rows: "spa" },
            { tag: "Canadian French", id: 4, rows: "fra" },
            { tag: "German", id: 5, rows: "deu" },
            { tag: "Italian", id: 6, rows: "ita" },
            { tag: "Dutch", id: 7, rows: "usa" },
            { tag: "Polish", id: 8, rows: "usa" },
            { tag: "Portuguese", id: 9, rows: "por" },
            { tag: "Russian", id: 10, rows: "rus" },
            { tag: "Russian, Latin", id: 10, latin: true, rows: "rusEng" },
            { tag: "Arabic", id: 11, rows: "arabic" },
            { tag: "Arabic, Latin", id: 11, latin: true, rows: "arabicEng" },
            { tag: "Korean", id: 12, rows: "kor" },
            { tag: "Korean, Latin", id: 12, latin: true, rows: "korEng" },
            { tag: "Chinese", id: 13, rows: "zh_cn" },
            { tag: "Chinese, Latin", id: 13, latin: true, rows: "zh_cn" },
            { tag: "Japanese", id: 14, rows: "jpn", row0: true },
            { tag: "Japanese, Latin", id: 14, latin: true, rows: "jpnEng" },
            { tag: "unknown id", id: 20, rows: "usa" },
        ]
    }
    function test_languageLayouts(data) {
        var kb = openKeyboard().keyboard
        kb.inputLanguageId = data.id
        kb.altEngEnabled = data.latin === true
        compare(JSON.stringify(kb.row1), JSON.stringify(models[data.rows + "QwertyAlpha_r1"]))
        compare(JSON.stringify(kb.row2), JSON.stringify(models[data.rows + "QwertyAlpha_r2"]))
        compare(JSON.stringify(kb.row3), JSON.stringify(models[data.rows + "QwertyAlpha_r3"]))
        compare(JSON.stringify(kb.row0), JSON.stringify(data.row0 ? models.jpnQwertyAlpha_r0 : []))
        compare(findChild(kb, "keyRow0").visible, data.row0 === true)
        compare(findChild(kb, "latinKey").visible, data.id >= 10 && data.id <= 14)
    }

    function test_keySizes_data() {
        var rows = []
        for (var id = 0; id <= 14; ++id) {
            rows.push({ tag: "landscape " + id, id: id, portrait: false, width: 50 })
            rows.push({ tag: "portrait " + id, id: id, portrait: true,
                        width: (id === 10 || id === 11 || id === 14) ? 36 : (id === 5 || id === 6) ? 40 : 44 })
            rows.push({ tag: "portrait numbers " + id, id: id, portrait: true, numbers: true, width: 44 })
        }
        return rows
    }
    // The rows are as wide as each other, the space key taking up the rest
    // of the bottom row, and a portrait keyboard fits the 480-wide screen.
    function test_keySizes(data) {
        var kb = openKeyboard().keyboard
        kb.inputLanguageId = data.id
        kb.portrait = data.portrait
        if (data.numbers)
            kb.modeKey()
        compare(kb.keyWidth, data.width)
        waitForRendering(kb)
        var width = findChild(kb, "keyRow1").width
        compare(findChild(kb, "keyRow2").width, width, "row 2")
        compare(findChild(kb, "keyRow4").width, width, "row 4")
        // Italian has a shorter third row.
        verify(findChild(kb, "keyRow3").width <= width, "row 3")
        verify(width <= (data.portrait ? 480 : 710), "width " + width)
        compare(findChild(kb, "key-" + kb.row1[0].lower).height, 48)
    }

    // One shift touch gives one capital; two within 400 ms lock the case.
    function test_shift() {
        var scene = openKeyboard()
        var kb = scene.keyboard
        typeLetters(kb, "a")
        tap(kb, "shiftKey")
        compare(kb.theCase, 2)
        compare(callLog.count("vki.aKeyWasPressed"), 1)
        typeLetters(kb, "bc")
        compare(kb.theCase, 1)
        wait(450)
        tap(kb, "shiftKey")
        tap(kb, "shiftKey")
        compare(kb.theCase, 3)
        typeLetters(kb, "de")
        compare(kb.theCase, 3)
        tap(kb, "shiftKey")
        compare(kb.theCase, 1)
        typeLetters(kb, "f")
        tryCompare(scene.field, "text", "aBcDEf")
        // Slow touches only switch between lower and upper case.
        tap(kb, "shiftKey")
        wait(450)
        tap(kb, "shiftKey")
        compare(kb.theCase, 1)
    }

    // A key without an upper case types nothing in upper case.
    function test_keysOfOtherLanguages() {
        var scene = openKeyboard()
        var kb = scene.keyboard
        kb.inputLanguageId = 6
        waitForRendering(kb)
        compare(findChild(kb, "keyRow3").children[1].label, "z")
        typeLetters(kb, "z")
        kb.inputLanguageId = 10
        waitForRendering(kb)
        typeLetters(kb, "ё")
        tap(kb, "shiftKey")
        typeLetters(kb, "ё")
        kb.inputLanguageId = 12
        waitForRendering(kb)
        tap(kb, "shiftKey")
        typeLetters(kb, "ㅁ")
        tryCompare(scene.field, "text", "zёЁ")
        compare(sent(), ["z", "ё", "Ё"])
        compare(callLog.argsOf("vki.generateKeyInput").length, 3)
        compare(callLog.count("vki.aKeyWasPressed"), 4)
    }

    function test_korean() {
        var scene = openWithLanguages([0, korean])
        var kb = scene.keyboard
        tap(kb, "languageKey")
        compare(kb.inputLanguageId, korean)
        verify(kb.hangulEnabled)
        typeLetters(kb, "ㅎㅏㄴ")
        compare(sent(), [])
        compare(findChild(kb, "syllableKey").label, "한")
        typeLetters(kb, "ㄱ")
        compare(sent(), ["한"])
        typeLetters(kb, "ㅡㄹ")
        compare(kb.hangulInputString, "ㄱㅡㄹ")
        compare(findChild(kb, "syllableKey").label, "글")
        tap(kb, "spaceKey")
        compare(sent(), ["한", "글"])
        verify(!findChild(kb, "syllableKey").visible)
        tryCompare(scene.field, "text", "한글")
    }

    function test_koreanAssembly_data() {
        return [
            { tag: "a final moves on to a vowel", keys: "ㄱㅏㄴㅏ", sent: ["가"], pending: "ㄴㅏ", shown: "나" },
            { tag: "a cluster final gives up its last part", keys: "ㄷㅏㄹㄱㅏ", sent: ["달"], pending: "ㄱㅏ", shown: "가" },
            { tag: "compound vowel", keys: "ㄱㅗㅏ", sent: [], pending: "ㄱㅗㅏ", shown: "과" },
            { tag: "a vowel after a vowel", keys: "ㄱㅏㅏ", sent: ["가"], pending: "ㅏ", shown: "ㅏ" },
            { tag: "a vowel alone", keys: "ㅏ", sent: [], pending: "ㅏ", shown: "ㅏ" },
            { tag: "punctuation ends the syllable", keys: "ㅎㅏㄴ,", sent: ["한"], pending: ",", shown: "," },
        ]
    }
    function test_koreanAssembly(data) {
        var kb = openWithLanguages([korean]).keyboard
        kb.modeKey()
        kb.modeKey()
        verify(kb.hangulEnabled)
        typeLetters(kb, data.keys)
        compare(sent(), data.sent)
        compare(kb.hangulInputString, data.pending)
        compare(kb.hangulCharResult, data.shown)
    }

    function test_koreanBackAndReturn() {
        var scene = openWithLanguages([korean])
        var kb = scene.keyboard
        kb.latinKey()
        kb.latinKey()
        verify(kb.hangulEnabled)
        typeLetters(kb, "ㅎㅏㄴ")
        tap(kb, "backKey")
        compare(kb.hangulCharResult, "하")
        tap(kb, "backKey")
        tap(kb, "backKey")
        compare(kb.hangulInputString, "")
        compare(kb.hangulCharResult, "")
        compare(sent(), [])
        typeLetters(kb, "ㄱㅏ")
        tap(kb, "returnKey")
        compare(sent(), ["가"])
        tap(kb, "returnKey")
        tap(kb, "backKey")
        compare(sent(), ["가", "_return", "_back"])
        tryCompare(scene.field, "text", "")
    }

    function test_pinyin() {
        var scene = openWithLanguages([0, chinese])
        var kb = scene.keyboard
        tap(kb, "languageKey")
        verify(kb.pinyinEnabled)
        var bar = findChild(kb, "candidateList")
        typeLetters(kb, "bang")
        compare(kb.pinyinInputString, "bang")
        compare(kb.pinyinCharResult, vki.getPinyinChar("bang"))
        verify(findChild(kb, "candidateBar").visible)
        compare(bar.count, kb.pinyinCharResult.length)
        compare(findChild(kb, "pendingPinyin").text, "bang")
        tap(kb, "spaceKey")
        compare(kb.pinyinInputString, "")
        verify(!findChild(kb, "candidateBar").visible)
        // A beginning waits with an empty bar; a letter that begins no
        // syllable is refused.
        typeLetters(kb, "zh")
        compare(kb.pinyinInputString, "zh")
        compare(bar.count, 0)
        verify(findChild(kb, "candidateBar").visible)
        typeLetters(kb, "x")
        compare(kb.pinyinInputString, "zh")
        typeLetters(kb, "ong")
        compare(kb.pinyinCharResult, "中忠终盅钟衷肿种仲众重")
        waitForRendering(kb)
        tap(kb, "candidate-中")
        compare(kb.pinyinInputString, "")
        typeLetters(kb, "zx")
        compare(kb.pinyinInputString, "z")
        tap(kb, "backKey")
        compare(kb.pinyinInputString, "")
        // Capitals are looked up in lower case.
        tap(kb, "shiftKey")
        typeLetters(kb, "m")
        typeLetters(kb, "a")
        compare(kb.pinyinCharResult, "妈麻马玛码蚂骂吗嘛")
        tap(kb, "returnKey")
        compare(kb.pinyinInputString, "")
        compare(sent(), ["中"])
        tryCompare(scene.field, "text", "中")
    }

    // Every syllable can be typed letter by letter and shows its candidates.
    function test_everySyllable() {
        var kb = openWithLanguages([chinese]).keyboard
        kb.modeKey()
        kb.modeKey()
        verify(kb.pinyinEnabled)
        var syllables = harness.pinyinSyllables()
        compare(syllables.length, 396)
        for (var i = 0; i < syllables.length; ++i) {
            for (var j = 0; j < syllables[i].length; ++j)
                kb.letterKey(syllables[i].charAt(j))
            compare(kb.pinyinInputString, syllables[i])
            verify(kb.pinyinCharResult !== "", syllables[i])
            compare(kb.pinyinCharResult, vki.getPinyinChar(syllables[i]))
            kb.spaceKey()
        }
    }

    function test_modeKey() {
        var kb = openWithLanguages([korean]).keyboard
        verify(!kb.hangulEnabled)
        tap(kb, "modeKey")
        compare(kb.keyboard_mode, 1)
        compare(kb.row1[0].lower, "1")
        verify(!findChild(kb, "latinKey").visible)
        tap(kb, "modeKey")
        compare(kb.keyboard_mode, 0)
        verify(kb.hangulEnabled)
        typeLetters(kb, "ㄱ")
        tap(kb, "modeKey")
        verify(!kb.hangulEnabled)
        compare(kb.hangulInputString, "")
        // Back in letters with the Latin layout on, no jamo are composed.
        tap(kb, "modeKey")
        tap(kb, "latinKey")
        tap(kb, "modeKey")
        tap(kb, "modeKey")
        verify(kb.altEngEnabled)
        verify(!kb.hangulEnabled)
    }

    function test_latinKey() {
        var kb = openWithLanguages([chinese]).keyboard
        tap(kb, "languageKey")
        verify(kb.pinyinEnabled)
        typeLetters(kb, "m")
        var key = findChild(kb, "latinKey")
        var plain = String(key.color)
        tap(kb, "latinKey")
        verify(kb.altEngEnabled)
        verify(!kb.pinyinEnabled)
        compare(kb.pinyinInputString, "")
        verify(String(key.color) !== String(plain))
        typeLetters(kb, "m")
        compare(sent(), ["m"])
        tap(kb, "latinKey")
        verify(kb.pinyinEnabled)
        compare(String(key.color), plain)
    }

    // The language key walks the cabinet's languages; the interface follows
    // once the touches stop, and closing brings back the language of the
    // opening.
    function test_languageKeyAndClose() {
        var scene = openWithLanguages([5, 0, korean])
        var kb = scene.keyboard
        compare(kb.inputLanguageId, 5)
        compare(kb.systemLanguageId, 5)
        compare(findChild(kb, "spaceKey").label, "deu")
        // The list follows the language ids: 0, 5, 12.
        tap(kb, "languageKey")
        compare(kb.inputLanguageId, korean)
        compare(findChild(kb, "spaceKey").label, "kor")
        compare(callLog.count("tro.setLanguage"), 0)
        tryCompare(tro, "languageId", korean, 2000)
        compare(callLog.count("tro.setLanguage"), 1)
        tap(kb, "languageKey")
        compare(kb.inputLanguageId, 0)
        verify(!kb.hangulEnabled)
        kb.visible = false
        compare(tro.languageId, 5)
        verify(!kb.multilingualSupport)
        // The language stays put after the close.
        wait(900)
        compare(tro.languageId, 5)
    }

    // Without the language key the keyboard is English, whatever the screen
    // shows; a first language not offered gives way to the first offered.
    function test_opening() {
        configManager.usedLanguages = (1 << 2) | (1 << korean)
        tro.languageId = 5
        var kb = openKeyboard(false).keyboard
        compare(kb.inputLanguageId, 0)
        verify(!findChild(kb, "languageKey").enabled)
        compare(findChild(kb, "spaceKey").label, "")
        kb.visible = false
        kb.multilingualSupport = true
        kb.visible = true
        compare(kb.inputLanguageId, 2)
        compare(callLog.count("tro.setLanguage"), 0)
        // Opening starts afresh.
        kb.modeKey()
        tap(kb, "shiftKey")
        kb.visible = false
        kb.visible = true
        compare(kb.keyboard_mode, 0)
        compare(kb.theCase, 1)
    }
}
