import QtQuick 2.15

// The on-screen letter keyboard: a layout per interface language, numbers
// and symbols, one-shot shift and caps lock, Korean syllables composed from
// jamo, Chinese characters picked from pinyin candidates, a Latin layout for
// the non-Latin languages and, on screens that edit texts per language, the
// language key. Keys reach the focused input through vki.
Item {
    id: kb

    property string key_layout: "USA"
    property int keyLabelSize: 18
    // 0 letters, 1 numbers and symbols.
    property int keyboard_mode: modeLetters
    property int inputLanguageId: 0
    property int systemLanguageId: 0
    property int inputLanguageIndex: 0
    property string inputLanguageName: ""
    property bool multilingualSupport: false
    property bool hangulEnabled: false
    property bool pinyinEnabled: false
    property bool altEngEnabled: false
    property bool portrait: false
    property string hangulInputString: ""
    property string hangulCharResult: ""
    property string pinyinInputString: ""
    property string pinyinCharResult: ""
    property int keyWidth: !portrait ? 50
                                     : (keyboard_mode === modeLetters && narrowLanguage(inputLanguageId) ? 36
                                        : (keyboard_mode === modeLetters && mediumLanguage(inputLanguageId) ? 40 : 44))
    property int keyHeight: 48
    // 1 lower case, 2 upper case for one key, 3 caps lock.
    property int theCase: caseLower
    // The input languages offered by the language key: [{ id, name }].
    property var inputLanguages: []

    readonly property int modeLetters: 0
    readonly property int modeNumbers: 1
    readonly property int caseLower: 1
    readonly property int caseUpper: 2
    readonly property int caseLock: 3
    readonly property int keySpacing: 4
    readonly property int capsLockMs: 400
    readonly property int languageCommitMs: 800
    readonly property int korean: 12
    readonly property int chinese: 13
    readonly property int japanese: 14

    // The keys of the numbers-and-symbols mode, the same for every language.
    readonly property var usaQwertyNums_r1: numberKeys("1234567890".split(""), "!@#$%^&*()".split(""))
    readonly property var usaQwertyNums_r2: numberKeys(["[", "]", "_", "/", "`", "-", "=", ";", "'"],
                                                       ["{", "}", "-", "?", "~", "_", "+", ":", "\""])
    readonly property var usaQwertyNums_r3: numberKeys(["!", "@", "(", ")", "\\", "", "", ",", "."],
                                                       ["", "", "", "", "|", "", "", ",", "."],
                                                       { 7: "'" })

    readonly property var layout: rowsFor(inputLanguageId, altEngEnabled)
    readonly property var row0: keyboard_mode === modeLetters ? layout.r0 : []
    readonly property var row1: keyboard_mode === modeLetters ? layout.r1 : usaQwertyNums_r1
    readonly property var row2: keyboard_mode === modeLetters ? layout.r2 : usaQwertyNums_r2
    readonly property var row3: keyboard_mode === modeLetters ? layout.r3 : usaQwertyNums_r3
    readonly property bool latinKeyShown: keyboard_mode === modeLetters && inputLanguageId >= 10
                                          && inputLanguageId <= japanese
    readonly property int spaceKeys: row1.length - 5 - (latinKeyShown ? 1 : 0)

    function narrowLanguage(id) {
        return id === 10 || id === 11 || id === japanese
    }
    function mediumLanguage(id) {
        return id === 5 || id === 6
    }
    function keysWidth(n) {
        return n > 0 ? n * keyWidth + (n - 1) * keySpacing : 0
    }
    function numberKeys(lower, upper, upperCodes) {
        return lower.map(function (label, i) {
            var upperCode = upperCodes !== undefined && upperCodes[i] !== undefined ? upperCodes[i] : upper[i]
            return { lower: label, upper: upper[i], lowerCode: label, upperCode: upperCode, h: 1, w: 1 }
        })
    }
    // Rows 0 to 3 of a language, or of its Latin replacement.
    function rowsFor(id, latin) {
        var m = models
        var prefixes = { 1: "spa", 2: "fra", 3: "spa", 4: "fra", 5: "deu", 6: "ita", 9: "por",
                         10: "rus", 11: "arabic", 12: "kor", 13: "zh_cn", 14: "jpn" }
        var prefix = prefixes[id] !== undefined ? prefixes[id] : "usa"
        if (latin && id >= 10 && id !== chinese)
            prefix = prefix + "Eng"
        var rows = { r0: [], r1: m[prefix + "QwertyAlpha_r1"], r2: m[prefix + "QwertyAlpha_r2"],
                     r3: m[prefix + "QwertyAlpha_r3"] }
        if (prefix === "jpn")
            rows.r0 = m.jpnQwertyAlpha_r0
        return rows
    }
    function keyLabel(key) {
        return theCase === caseLower ? key.lower : key.upper
    }
    function keyCode(key) {
        return theCase === caseLower ? key.lowerCode : key.upperCode
    }
    function isConsonant(jamo) {
        return jamo.length === 1 && "ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ".indexOf(jamo) >= 0
    }
    function isVowel(jamo) {
        return jamo.length === 1 && jamo >= "ㅏ" && jamo <= "ㅣ"
    }
    function clearPending() {
        hangulInputString = ""
        hangulCharResult = ""
        pinyinInputString = ""
        pinyinCharResult = ""
    }
    function compositionForLanguage() {
        hangulEnabled = inputLanguageId === korean
        pinyinEnabled = inputLanguageId === chinese
    }

    // Opening starts afresh: lower case, letters, no composition, nothing
    // pending, and the input languages of this cabinet when asked for.
    function open() {
        theCase = caseLower
        keyboard_mode = modeLetters
        hangulEnabled = false
        pinyinEnabled = false
        altEngEnabled = false
        clearPending()
        inputLanguages = []
        inputLanguageIndex = 0
        if (!multilingualSupport) {
            inputLanguageId = 0
            inputLanguageName = ""
            return
        }
        systemLanguageId = tro.getLanguage()
        var list = []
        for (var id = 0; id < tro.getNumOfUsedLanguages(); ++id)
            if (configManager.getIsLanguageUsed(id))
                list.push({ id: id, name: tro.getLanguageName(id) })
        inputLanguages = list
        for (var i = 0; i < list.length; ++i)
            if (list[i].id === systemLanguageId)
                inputLanguageIndex = i
        if (list.length > 0) {
            inputLanguageId = list[inputLanguageIndex].id
            inputLanguageName = list[inputLanguageIndex].name
        }
    }
    // Closing gives the interface back its language of the opening.
    function close() {
        languageTimer.stop()
        if (multilingualSupport)
            tro.setLanguage(systemLanguageId)
        multilingualSupport = false
        inputLanguages = []
    }

    function letterKey(code) {
        if (hangulEnabled)
            return hangulKey(code)
        if (pinyinEnabled)
            return pinyinKey(code)
        if (code !== "")
            vki.generateKeyInput(code, 0)
        else
            vki.aKeyWasPressed()
    }
    // The jamo join the pending syllable while they fit; one that does not
    // fit sends the syllable and starts the next one (a final consonant
    // followed by a vowel moves on to the new syllable).
    function hangulKey(k) {
        var pending = hangulInputString
        if (pending === "" || vki.getHangulChar(pending + k) !== k) {
            pending = pending + k
        } else {
            var last = pending.charAt(pending.length - 1)
            if (isVowel(k) && isConsonant(last)) {
                var rest = pending.substring(0, pending.length - 1)
                if (rest !== "")
                    vki.generateKeyInput(vki.getHangulChar(rest), 0)
                pending = last + k
            } else {
                // A consonant, a vowel after a vowel, or punctuation.
                vki.generateKeyInput(vki.getHangulChar(pending), 0)
                pending = k
            }
        }
        hangulInputString = pending
        hangulCharResult = vki.getHangulChar(pending)
        vki.aKeyWasPressed()
    }
    // A letter is taken while the pinyin typed so far still begins some
    // syllable; candidates show for a whole syllable only.
    function pinyinKey(code) {
        var extended = pinyinInputString + code.toLowerCase()
        if (vki.isPinyinPrefix(extended))
            pinyinInputString = extended
        lookUpPinyin()
        vki.aKeyWasPressed()
    }
    function lookUpPinyin() {
        pinyinCharResult = pinyinInputString === "" ? "" : vki.getPinyinChar(pinyinInputString)
        candidateBar.positionViewAtBeginning()
    }
    function pickCandidate(character) {
        vki.generateKeyInput(character, 0)
        pinyinInputString = ""
        pinyinCharResult = ""
    }
    function commitSyllable() {
        vki.generateKeyInput(hangulCharResult, 0)
        hangulInputString = ""
        hangulCharResult = ""
    }

    function shiftKey() {
        var quick = shiftTimer.running
        if (theCase === caseLower)
            theCase = quick ? caseLock : caseUpper
        else if (theCase === caseUpper)
            theCase = quick ? caseLock : caseLower
        else
            theCase = caseLower
        shiftTimer.restart()
    }
    function backKey() {
        if (hangulInputString !== "") {
            hangulInputString = hangulInputString.substring(0, hangulInputString.length - 1)
            hangulCharResult = vki.getHangulChar(hangulInputString)
        } else if (pinyinInputString !== "") {
            pinyinInputString = pinyinInputString.substring(0, pinyinInputString.length - 1)
            lookUpPinyin()
        } else {
            vki.generateKeyInput("_back", 0)
        }
        vki.generateKeyInput("", 0)
    }
    function spaceKey() {
        if (hangulInputString !== "") {
            commitSyllable()
        } else if (pinyinInputString !== "") {
            pinyinInputString = ""
            pinyinCharResult = ""
            vki.aKeyWasPressed()
        } else {
            vki.generateKeyInput("_space", 0)
            if (hangulEnabled || pinyinEnabled)
                vki.generateKeyInput("", 0)
        }
    }
    function returnKey() {
        if (hangulInputString !== "") {
            commitSyllable()
        } else if (pinyinInputString !== "") {
            pinyinInputString = ""
            pinyinCharResult = ""
            vki.aKeyWasPressed()
        } else {
            vki.generateKeyInput("_return", 0)
        }
    }
    function modeKey() {
        if (keyboard_mode === modeLetters) {
            keyboard_mode = modeNumbers
            hangulEnabled = false
            pinyinEnabled = false
        } else {
            keyboard_mode = modeLetters
            if (!altEngEnabled)
                compositionForLanguage()
        }
        clearPending()
    }
    function languageKey() {
        if (inputLanguages.length === 0)
            return
        inputLanguageIndex = (inputLanguageIndex + 1) % inputLanguages.length
        inputLanguageName = inputLanguages[inputLanguageIndex].name
        inputLanguageId = inputLanguages[inputLanguageIndex].id
        compositionForLanguage()
        altEngEnabled = false
        clearPending()
        languageTimer.restart()
    }
    function latinKey() {
        altEngEnabled = !altEngEnabled
        if (altEngEnabled) {
            hangulEnabled = false
            pinyinEnabled = false
        } else {
            compositionForLanguage()
        }
        clearPending()
    }

    width: keys.width
    height: keys.height

    onVisibleChanged: visible ? open() : close()
    // A screen may ask for the language key after showing the keyboard.
    onMultilingualSupportChanged: if (visible && multilingualSupport) open()

    KeyboardAlphaModels {
        id: models
    }

    Timer {
        id: shiftTimer
        interval: kb.capsLockMs
    }
    // The interface follows the input language once the touches stop.
    Timer {
        id: languageTimer
        objectName: "keyboardLanguageTimer"
        interval: kb.languageCommitMs
        onTriggered: tro.setLanguage(kb.inputLanguageId)
    }
    // Upper case lasts for one key.
    Connections {
        target: vki
        function onAKeyWasPressed() {
            if (kb.theCase === kb.caseUpper)
                kb.theCase = kb.caseLower
        }
    }

    Component {
        id: letterKey
        NumericKeyboardButton {
            objectName: "key-" + modelData.lower
            width: kb.keysWidth(modelData.w)
            height: modelData.h > 0 ? modelData.h * kb.keyHeight + (modelData.h - 1) * kb.keySpacing : 0
            label: kb.keyLabel(modelData)
            labelSize: kb.keyLabelSize
            reportVki: false
            onClicked: kb.letterKey(kb.keyCode(modelData))
        }
    }

    // Touches between the keys go nowhere.
    MouseArea2 {
        anchors.fill: parent
    }

    Column {
        id: keys
        objectName: "keyColumn"
        spacing: kb.keySpacing

        Item {
            objectName: "candidateBar"
            width: kb.keysWidth(kb.row1.length)
            height: kb.keyHeight + pendingPinyin.height
            visible: kb.pinyinEnabled && kb.pinyinInputString !== ""

            // The list leaves half a key at each end for its arrows.
            ListView {
                id: candidateBar
                objectName: "candidateList"
                x: kb.keyWidth / 2
                width: parent.width - kb.keyWidth
                height: kb.keyHeight
                orientation: ListView.Horizontal
                snapMode: ListView.SnapToItem
                spacing: kb.keySpacing
                clip: true
                model: kb.pinyinCharResult.split("").filter(function (c) { return c !== "" })
                delegate: NumericKeyboardButton {
                    objectName: "candidate-" + modelData
                    width: kb.keyWidth
                    height: kb.keyHeight
                    label: modelData
                    labelSize: kb.keyLabelSize + 4
                    reportVki: false
                    onClicked: kb.pickCandidate(modelData)
                }
            }
            Image {
                anchors.right: candidateBar.left
                anchors.verticalCenter: candidateBar.verticalCenter
                height: kb.keyHeight
                fillMode: Image.PreserveAspectFit
                source: "../images/trayGroupRight.png"
                visible: !candidateBar.atXEnd
            }
            Image {
                anchors.left: candidateBar.right
                anchors.verticalCenter: candidateBar.verticalCenter
                height: kb.keyHeight
                fillMode: Image.PreserveAspectFit
                source: "../images/trayGroupLeft.png"
                visible: !candidateBar.atXBeginning
            }
            Text {
                id: pendingPinyin
                objectName: "pendingPinyin"
                anchors.top: candidateBar.bottom
                anchors.left: candidateBar.left
                text: kb.pinyinInputString
                font.pixelSize: 16
            }
        }

        NumericKeyboardButton {
            objectName: "syllableKey"
            width: kb.keyWidth
            height: kb.keyHeight
            visible: kb.hangulEnabled && kb.hangulInputString !== ""
            label: kb.hangulCharResult
            labelSize: kb.keyLabelSize + 4
            reportVki: false
            onClicked: kb.commitSyllable()
        }

        Row {
            objectName: "keyRow0"
            spacing: kb.keySpacing
            visible: kb.row0.length > 0
            Repeater {
                model: kb.row0
                delegate: letterKey
            }
        }
        Row {
            objectName: "keyRow1"
            spacing: kb.keySpacing
            Repeater {
                model: kb.row1
                delegate: letterKey
            }
        }
        Row {
            objectName: "keyRow2"
            spacing: kb.keySpacing
            Repeater {
                model: kb.row2
                delegate: letterKey
            }
            NumericKeyboardButton {
                id: backKey
                objectName: "backKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: ""
                reportVki: false
                onClicked: kb.backKey()
                Image {
                    anchors.centerIn: parent
                    source: backKey.pressed ? "images/keyboard/backspace_symbol_pressed.png"
                                            : "images/keyboard/backspace_symbol.png"
                }
            }
        }
        Row {
            objectName: "keyRow3"
            spacing: kb.keySpacing
            NumericKeyboardButton {
                id: shiftKey
                objectName: "shiftKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: ""
                reportVki: false
                onClicked: kb.shiftKey()
                Image {
                    anchors.centerIn: parent
                    source: shiftKey.pressed ? "images/keyboard/shiftKey_symbol_pressed.png"
                                             : kb.theCase === kb.caseLower ? "images/keyboard/shiftKey_symbol.png"
                                             : kb.theCase === kb.caseUpper ? "images/keyboard/shiftKey_symbol_shifted.png"
                                             : "images/keyboard/shiftKey_symbol_capslock.png"
                }
            }
            Repeater {
                model: kb.row3
                delegate: letterKey
            }
        }
        Row {
            objectName: "keyRow4"
            spacing: kb.keySpacing
            NumericKeyboardButton {
                objectName: "modeKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: "1#"
                labelSize: kb.keyLabelSize
                keycode: ""
                onClicked: kb.modeKey()
            }
            NumericKeyboardButton {
                objectName: "languageKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: ""
                keycode: ""
                // Keeps its place when hidden, so the row keeps its width.
                enabled: kb.multilingualSupport
                opacity: enabled ? 1 : 0
                onClicked: kb.languageKey()
                Image {
                    anchors.centerIn: parent
                    source: "images/keyboard/kbLanguageSwitchBlack.png"
                }
            }
            NumericKeyboardButton {
                objectName: "latinKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: "EN"
                labelSize: kb.keyLabelSize
                keycode: ""
                visible: kb.latinKeyShown
                color: kb.altEngEnabled ? Qt.darker(uiSkin.keyboardButtonColor, 1.5) : uiSkin.keyboardButtonColor
                onClicked: kb.latinKey()
            }
            NumericKeyboardButton {
                objectName: "spaceKey"
                width: kb.keysWidth(kb.spaceKeys)
                height: kb.keyHeight
                label: kb.multilingualSupport ? kb.inputLanguageName : ""
                labelSize: kb.keyLabelSize
                reportVki: false
                onClicked: kb.spaceKey()
            }
            NumericKeyboardButton {
                id: leftKey
                objectName: "leftKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: ""
                keycode: "_leftArrow"
                Image {
                    anchors.centerIn: parent
                    source: leftKey.pressed ? "images/keyboard/leftKey_symbol_pressed.png"
                                            : "images/keyboard/leftKey_symbol.png"
                }
            }
            NumericKeyboardButton {
                id: rightKey
                objectName: "rightKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: ""
                keycode: "_rightArrow"
                Image {
                    anchors.centerIn: parent
                    source: rightKey.pressed ? "images/keyboard/rightKey_symbol_pressed.png"
                                             : "images/keyboard/rightKey_symbol.png"
                }
            }
            NumericKeyboardButton {
                id: returnKey
                objectName: "returnKey"
                width: kb.keyWidth
                height: kb.keyHeight
                label: ""
                reportVki: false
                onClicked: kb.returnKey()
                Image {
                    anchors.centerIn: parent
                    source: returnKey.pressed ? "images/keyboard/returnKey_symbol_pressed.png"
                                              : "images/keyboard/returnKey_symbol.png"
                }
            }
        }
    }
}
