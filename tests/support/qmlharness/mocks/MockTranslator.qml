import QtQml 2.15

// tro: the translator.
QtObject {
    property QtObject log

    readonly property var languageCodes: ["eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld",
                                          "pol", "por", "rus", "ara", "kor", "zh_cn", "jpn"]
    property int languageId: 0
    property string emptyStr: ""

    signal retranslate()
    signal languageChanged(int id)

    function setLanguage(id) {
        log.record("tro.setLanguage", arguments)
        languageId = id
    }
    function getLanguage() { return languageId }
    function getNumOfUsedLanguages() { return languageCodes.length }
    function getNumOfAllLanguages() { return languageCodes.length }
    // Stand-in names: the language code itself.
    function getLanguageName(id) { return languageCodes[id] !== undefined ? languageCodes[id] : "" }
    function getLanguageId(code) { return Math.max(0, languageCodes.indexOf(code)) }
}
