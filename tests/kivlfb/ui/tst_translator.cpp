#include "ui/translator.h"

#include <QSignalSpy>
#include <QtTest>

class TestTranslator : public QObject
{
    Q_OBJECT

private slots:
    void languageCodesAndIds_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("code");
        QTest::newRow("0") << 0 << "eng_USA";
        QTest::newRow("3") << 3 << "spa_mx";
        QTest::newRow("7") << 7 << "nld";
        QTest::newRow("13") << 13 << "zh_cn";
        QTest::newRow("14") << 14 << "jpn";
    }

    void languageCodesAndIds()
    {
        QFETCH(int, id);
        QFETCH(QString, code);
        Translator translator;
        QCOMPARE(translator.getLanguageIdString(id), code);
        QCOMPARE(translator.getLanguageId(code), id);
    }

    void unknownCodesAndIds()
    {
        Translator translator;
        QCOMPARE(translator.getNumOfAllLanguages(), 15);
        QCOMPARE(translator.getLanguageId("ENG_USA"), 0);
        QCOMPARE(translator.getLanguageId("jpn "), 0);
        QCOMPARE(translator.getLanguageIdString(15), QString());
        QCOMPARE(translator.getLanguageIdString(-1), QString());
    }

    void theLanguageIsUnsetUntilSet()
    {
        Translator translator;
        QCOMPARE(translator.getLanguage(), -1);
        QSignalSpy changed(&translator, &Translator::languageIdChanged);
        translator.set_languageId(2);
        translator.set_languageId(2);
        QCOMPARE(translator.getLanguage(), 2);
        QCOMPARE(translator.languageId(), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 2);
    }

    void namesAndFiles()
    {
        Translator translator;
        QCOMPARE(translator.getLanguageName(0), QStringLiteral("English(US)"));
        QCOMPARE(translator.getLanguageName(10), QString::fromUtf8("P\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9"));
        QCOMPARE(translator.getLanguageName(15), QString());
        QCOMPARE(translator.getLanguageFile(3), QStringLiteral(":/kivtr_spa_mx"));
        QCOMPARE(translator.getLanguageFile(15), QString());
        QCOMPARE(translator.getLanguageFile(-1), QString());
    }

    // A switch announces itself in a fixed order, even when no translation
    // file could be loaded; the current id, an id outside the table and an
    // unknown or wrongly cased code change nothing.
    void switchingLanguages()
    {
        Translator translator;
        QStringList order;
        connect(&translator, &Translator::languageIdChanged, [&](int) { order << "id"; });
        connect(&translator, &Translator::languageChanged, [&](int) { order << "language"; });
        connect(&translator, &Translator::retranslate, [&] { order << "retranslate"; });
        connect(&translator, &Translator::languageIdStringChanged, [&](const QString &) { order << "code"; });

        translator.setLanguage(5);
        QCOMPARE(order, (QStringList{"id", "language", "retranslate", "code"}));
        QCOMPARE(translator.get_languageIdString(), QStringLiteral("deu"));
        QCOMPARE(translator.property("emptyStr").toString(), QString());

        order.clear();
        translator.setLanguage(5);
        translator.setLanguage(15);
        translator.setLanguage(-1);
        translator.setLanguageByString("ENG_USA");
        translator.setLanguageByString("xx");
        QVERIFY(order.isEmpty());
        QCOMPARE(translator.languageId(), 5);

        translator.setLanguageByString("jpn");
        QCOMPARE(translator.languageId(), 14);

        order.clear();
        translator.set_languageIdString("jpn"); // emits even when unchanged
        QCOMPARE(order, QStringList{"code"});
    }
};

QTEST_MAIN(TestTranslator)
#include "tst_translator.moc"
