import QtQuick 2.15
import QtTest 1.15

// The program's own translator and compiled translations behind the
// window: a language switch retranslates what is on screen at once, and
// each language's pictures are left in screenshots/ for a person to read.
MainWindowTestCase {
    id: testCase
    name: "Translations"

    readonly property int english: 0
    readonly property int german: 5

    function openQuestionAndMessage() {
        window.confirmCleaningStart()
        child("mainPanel").showMessage("<b>42</b>", true)
        return { question: child("acceptCancelDialog"), close: findChild(child("messageDialog"), "closeButton") }
    }

    // Both dialogs are up while the language changes under them.
    function test_switchRetranslatesOpenDialogs() {
        var translator = harness.useTranslator()
        translator.setLanguage(english)
        createWindow()
        var shown = openQuestionAndMessage()
        compare(shown.question.theText, "Enter Cleaning Mode?")
        compare(shown.close.label, "Close")

        translator.setLanguage(german)
        compare(shown.question.theText, "Reinigungsmodus starten?")
        compare(shown.close.label, "Schließen")

        translator.setLanguage(english)
        compare(shown.question.theText, "Enter Cleaning Mode?")
        compare(shown.close.label, "Close")
    }

    // A text the caller translated is shown as given, not looked up again.
    function test_translatedQuestionsStayAsGiven() {
        harness.useTranslator().setLanguage(german)
        createWindow()
        child("mainPanel").askQuestion("Schließen?", 0, function () {}, function () {})
        compare(child("acceptCancelDialog").theText, "Schließen?")
    }

    function test_eachLanguage_data() {
        return [
            { tag: "eng_USA", id: 0, close: "Close", question: "Enter Cleaning Mode?" },
            { tag: "spa", id: 1, close: "Cerrar", question: "¿Entrar en modo de limpieza?" },
            { tag: "fra", id: 2, close: "Fermer", question: "Passer en mode nettoyage\u00a0?" },
            { tag: "spa_mx", id: 3, close: "Cerrar", question: "¿Entrar en modo de limpieza?" },
            { tag: "fra_ca", id: 4, close: "Fermer", question: "Passer en mode nettoyage?" },
            { tag: "deu", id: 5, close: "Schließen", question: "Reinigungsmodus starten?" },
            { tag: "ita", id: 6, close: "Chiudi", question: "Avviare la modalità pulizia?" },
            { tag: "nld", id: 7, close: "Sluiten", question: "Reinigingsmodus starten?" },
            { tag: "pol", id: 8, close: "Zamknij", question: "Włączyć tryb czyszczenia?" },
            { tag: "por", id: 9, close: "Fechar", question: "Entrar no modo de limpeza?" },
            { tag: "rus", id: 10, close: "Закрыть", question: "Включить режим чистки?" },
            { tag: "ara", id: 11, close: "إغلاق", question: "الدخول إلى وضع التنظيف؟" },
            { tag: "kor", id: 12, close: "닫기", question: "청소 모드로 전환할까요?" },
            { tag: "zh_cn", id: 13, close: "关闭", question: "进入清洁模式？" },
            { tag: "jpn", id: 14, close: "閉じる", question: "清掃モードにしますか？" },
        ]
    }
    function test_eachLanguage(data) {
        harness.useTranslator().setLanguage(data.id)
        createWindow()
        var shown = openQuestionAndMessage()
        compare(shown.question.theText, data.question)
        compare(shown.close.label, data.close)
    }

    function prepare(screen) {
        var panel = child("mainPanel")
        switch (screen) {
        case "mainWindow":
            return panel
        case "homeScreen":
            panel.showHomeScreen()
            return child("homeScreen")
        case "dialog":
            window.confirmCleaningStart()
            return child("acceptCancelDialog")
        case "productForm":
            // The menu editor's product form, the densest labels there are.
            cabinetManager.hasFan = true
            var form = Qt.createComponent("qrc:///qml/ProductItemEditPanel.qml").createObject(panel)
            form.anchors.centerIn = panel
            var names = []
            for (var n = 0; n < 15; ++n)
                names.push(n === 0 ? "Fries" : "")
            form.loadProductData(7, names, 3600, 600, 165, 200, 0, "Vented", "False", "2/3", 80, "#fffffd")
            return form
        case "restoreQuestion":
            cabinetManager.restoreHoldingFlag = true
            return child("restorHoldingDialog")
        case "letterKeyboard":
            // Opened for a multilingual name, it takes the interface's
            // language and that language's layout.
            configManager.usedLanguages = 1 << tro.getLanguage()
            host("alphakb").visible = true
            var keyboard = child("keyboardAlpha")
            keyboard.multilingualSupport = true
            keyboard.open()
            return keyboard
        case "message":
        case "alarm":
            // An alarm shows its silence button in place of the close one.
            var alarm = screen === "alarm"
            var message = child("mainPanel").createMessage(
                        qsTranslate("main", "<b>System Error</b><br>Heater over temperature error! Power off the cabinet."),
                        10, !alarm)
            message.showDisableAlarmButton = alarm
            return message
        case "servicePage":
            showServiceList()
            tap("filesButton")
            return child("filesImportExportItem")
        case "zoneDiagnostics":
            showServiceList()
            return showPage("zoneDiagnostics")
        case "networkPage":
            showServiceList()
            return showPage("networkSettingsItem")
        case "errorLog":
            // Mirrored for a right-to-left language.
            showServiceList()
            return showPage("errorLogPanel")
        }
        verify(false, "no screen " + screen)
    }
    // Every page of the service list in German, for a person to read.
    function test_germanServicePages_data() {
        return [{ tag: "landscape", portrait: false }, { tag: "portrait", portrait: true }]
    }
    function test_germanServicePages(data) {
        cabinetManager.orientationPortrait = data.portrait
        cabinetManager.pressGoDockPosition = data.portrait ? 1 : 0
        configManager.languageId = "deu"
        harness.useTranslator().setLanguage(german)
        createWindow()
        showServiceList()
        var list = child("pageList")
        var panel = child("mainPanel")
        for (var i = 0; i < list.count; ++i) {
            var name = list.model.get(i).objectName
            showPage(name)
            waitForRendering(panel)
            var file = "lang-deu-page-" + name + (data.portrait ? "-portrait" : "-landscape")
            verify(screenshots.saveUpright(panel, file) !== "", file)
        }
    }

    function test_shots_data() {
        var languages = [{ code: "deu", id: german }, { code: "spa", id: 1 }, { code: "fra", id: 2 },
                         { code: "ita", id: 6 }, { code: "nld", id: 7 }, { code: "ara", id: 11 },
                         { code: "zh_cn", id: 13 }, { code: "jpn", id: 14 }]
        var screens = ["mainWindow", "homeScreen", "dialog", "message", "alarm", "restoreQuestion", "productForm",
                       "letterKeyboard", "servicePage", "zoneDiagnostics", "errorLog", "networkPage"]
        var rows = []
        for (var l = 0; l < languages.length; ++l)
            for (var i = 0; i < screens.length; ++i)
                for (var p = 0; p < 2; ++p)
                    rows.push({ tag: languages[l].code + " " + screens[i] + (p ? " portrait" : " landscape"),
                                id: languages[l].id, code: languages[l].code, screen: screens[i], portrait: p === 1 })
        return rows
    }
    function test_shots(data) {
        cabinetManager.orientationPortrait = data.portrait
        cabinetManager.pressGoDockPosition = data.portrait ? 1 : 0
        configManager.languageId = data.code
        harness.useTranslator().setLanguage(data.id)
        createWindow()
        var shown = prepare(data.screen)
        verify(shown.visible)
        var panel = child("mainPanel")
        waitForRendering(panel)
        var file = "lang-" + data.code + "-" + data.screen + (data.portrait ? "-portrait" : "-landscape")
        verify(screenshots.saveUpright(panel, file) !== "", file)
    }
}
