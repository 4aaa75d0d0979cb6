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
};

QTEST_MAIN(TestTranslator)
#include "tst_translator.moc"
