import QtQuick 2.15

// The letter layouts of the on-screen keyboard, three rows per language
// (Japanese has a fourth above them), and the Latin rows that replace the
// non-Latin ones while "EN" is on. A key is { lower, upper, lowerCode,
// upperCode, h, w }: the labels of the two cases, what each case sends, and
// its size in keys. An upper label or code that is empty sends nothing in
// upper case; a key with both empty is a blank key.
QtObject {
    // A row from its keys: "q" is a letter with its capital as upper case,
    // [lower, upper] a pair ("" for no upper case), "" a blank key. A
    // combining mark as upper case is shown on a dotted circle, and sends
    // the bare mark.
    function keys(list) {
        return list.map(function (entry) {
            var lower = Array.isArray(entry) ? entry[0] : entry
            var upper = Array.isArray(entry) ? entry[1] : entry.toUpperCase()
            var upperLabel = isCombiningMark(upper) ? upper + "\u25CC" : upper
            return { lower: lower, upper: upperLabel, lowerCode: lower, upperCode: upper, h: 1, w: 1 }
        })
    }
    // The Arabic vowel marks and signs of the layouts (fathatan to sukun).
    function isCombiningMark(text) {
        return text.length === 1 && text.charCodeAt(0) >= 0x064B && text.charCodeAt(0) <= 0x0652
    }

    readonly property var usaQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "y", "u", "i", "o", "p"])
    readonly property var usaQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l"])
    readonly property var usaQwertyAlpha_r3: keys(["z", "x", "c", "v", "b", "n", "m", [",", "<"], [".", ">"]])
    readonly property var spaQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "y", "u", "i", "o", "p"])
    readonly property var spaQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l"])
    readonly property var spaQwertyAlpha_r3: keys(["z", "x", "c", "v", "b", "n", "m", "ñ", "ç"])
    readonly property var fraQwertyAlpha_r1: keys(["a", "z", "e", "r", "t", "y", "u", "i", "o", "p"])
    readonly property var fraQwertyAlpha_r2: keys(["q", "s", "d", "f", "g", "h", "j", "k", "l"])
    readonly property var fraQwertyAlpha_r3: keys(["w", "x", "c", "v", "b", "n", "m", ["ù", "ù"], [".", ">"]])
    readonly property var deuQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "z", "u", "i", "o", "p", "ü"])
    readonly property var deuQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l", "ö"])
    readonly property var deuQwertyAlpha_r3: keys([
        "y", "x", "c", "v", "b", "n", "m", "ä", [",", "<"], ["ß", ">"]])
    readonly property var itaQwertyAlpha_r1: keys([
        "q", "w", "e", "r", "t", "y", "u", "i", "o", "p", ["è", "é"]])
    readonly property var itaQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l", ["ò", "ç"]])
    readonly property var itaQwertyAlpha_r3: keys(["z", "x", "c", "v", "b", "n", "m", ["à", "à"], ["ù", "ù"]])
    readonly property var porQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "y", "u", "i", "o", "p"])
    readonly property var porQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l"])
    readonly property var porQwertyAlpha_r3: keys(["z", "x", "c", "v", "b", "n", "m", "ç", [".", ">"]])
    readonly property var rusQwertyAlpha_r1: keys(["й", "ц", "у", "к", "е", "н", "г", "ш", "щ", "з", "х", "ъ"])
    readonly property var rusQwertyAlpha_r2: keys(["ф", "ы", "в", "а", "п", "р", "о", "л", "д", "ж", "э"])
    readonly property var rusQwertyAlpha_r3: keys([
        "я", "ч", "с", "м", "и", "т", "ь", "б", "ю", "ё", [".", ","]])
    readonly property var rusEngQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "", ""])
    readonly property var rusEngQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l", "", ""])
    readonly property var rusEngQwertyAlpha_r3: keys([
        "z", "x", "c", "v", "b", "n", "m", [",", "<"], [".", ">"], "", ""])
    readonly property var arabicQwertyAlpha_r1: keys([
        ["ض", "\u064E"], ["ص", "\u064B"], ["ث", "\u064F"], ["ق", "\u064C"], ["ف", ""], ["غ", "إ"], ["ع", ""],
        ["ه", ""], ["خ", ""], ["ح", ""], ["ج", ""], ["د", ""]])
    readonly property var arabicQwertyAlpha_r2: keys([
        ["ش", "\u0650"], ["س", "\u064D"], ["ي", ""], ["ب", ""], ["ل", "لأ"], ["ا", "أ"], ["ت", ""], ["ن", "،"],
        ["م", ""], ["ك", ""], ["ط", ""]])
    readonly property var arabicQwertyAlpha_r3: keys([
        ["ئ", ""], ["ء", "\u0652"], ["ؤ", ""], ["ر", ""], ["لا", "لآ"], ["ى", "آ"], ["ة", ""], ["و", ""],
        ["ز", ""], ["ظ", ""], ["ذ", "\u0651"]])
    readonly property var arabicEngQwertyAlpha_r1: keys([
        "q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "", ""])
    readonly property var arabicEngQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l", "", ""])
    readonly property var arabicEngQwertyAlpha_r3: keys([
        "z", "x", "c", "v", "b", "n", "m", [",", "<"], [".", ">"], "", ""])
    readonly property var korQwertyAlpha_r1: keys([
        ["ㅂ", "ㅃ"], ["ㅈ", "ㅉ"], ["ㄷ", "ㄸ"], ["ㄱ", "ㄲ"], ["ㅅ", "ㅆ"], ["ㅛ", ""], ["ㅕ", ""], ["ㅑ", ""],
        ["ㅐ", "ㅒ"], ["ㅔ", "ㅖ"]])
    readonly property var korQwertyAlpha_r2: keys([
        ["ㅁ", ""], ["ㄴ", ""], ["ㅇ", ""], ["ㄹ", ""], ["ㅎ", ""], ["ㅗ", ""], ["ㅓ", ""], ["ㅏ", ""], ["ㅣ", ""]])
    readonly property var korQwertyAlpha_r3: keys([
        ["ㅋ", ""], ["ㅌ", ""], ["ㅊ", ""], ["ㅍ", ""], ["ㅠ", ""], ["ㅜ", ""], ["ㅡ", ""], [",", "<"], [".", ">"]])
    readonly property var korEngQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "y", "u", "i", "o", "p"])
    readonly property var korEngQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l"])
    readonly property var korEngQwertyAlpha_r3: keys([
        "z", "x", "c", "v", "b", "n", "m", [",", "<"], [".", ">"]])
    readonly property var zh_cnQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "y", "u", "i", "o", "p"])
    readonly property var zh_cnQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l"])
    readonly property var zh_cnQwertyAlpha_r3: keys(["z", "x", "c", "v", "b", "n", "m", [",", "<"], [".", ">"]])
    readonly property var jpnQwertyAlpha_r0: keys([
        ["ろ", ""], ["ぬ", ""], ["ふ", ""], ["あ", "ぁ"], ["う", "ぅ"], ["え", "ぇ"], ["お", "ぉ"], ["や", "ゃ"],
        ["ゆ", "ゅ"], ["よ", "ょ"], ["わ", "を"], ["ほ", "ー"]])
    readonly property var jpnQwertyAlpha_r1: keys([
        ["た", ""], ["て", ""], ["い", "ぃ"], ["す", ""], ["か", ""], ["ん", ""], ["な", ""], ["に", ""], ["ら", ""],
        ["せ", ""], ["む", ""], ["へ", ""]])
    readonly property var jpnQwertyAlpha_r2: keys([
        ["ち", ""], ["と", ""], ["し", ""], ["は", ""], ["き", ""], ["く", ""], ["ま", ""], ["の", ""], ["り", ""],
        ["れ", ""], ["け", ""]])
    readonly property var jpnQwertyAlpha_r3: keys([
        ["む", ""], ["つ", "っ"], ["さ", ""], ["そ", ""], ["ひ", ""], ["こ", ""], ["み", ""], ["も", "゛"], ["ね", "゜"],
        ["る", "「"], ["め", "」"]])
    readonly property var jpnEngQwertyAlpha_r1: keys(["q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "", ""])
    readonly property var jpnEngQwertyAlpha_r2: keys(["a", "s", "d", "f", "g", "h", "j", "k", "l", "", ""])
    readonly property var jpnEngQwertyAlpha_r3: keys([
        "z", "x", "c", "v", "b", "n", "m", [",", "<"], [".", ">"], "", ""])
}
