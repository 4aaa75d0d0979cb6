#include "ui/languagemodel.h"
#include "ui/translator.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of one translation source, as lupdate writes it.
QList<TsMessage> readTs(const QString &path, QString *error)
{
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage m;
            m.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                    m.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << m;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// What a translation must carry over from its source for the screens to
// work: markup, argument markers and the error texts' field markers.
QStringList carriedMarks(const QString &text)
{
    static const QRegularExpression marks(QStringLiteral("<[^>]+>|%\\d|\\\\\\d"));
    QStringList found;
    for (auto it = marks.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QString tsPath(int id)
{
    return QStringLiteral(KIV_TRANSLATIONS_DIR "/kivtr_%1.ts").arg(Translator::languageCode(id));
}

} // namespace

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

    void everyLanguageHasItsCompiledFile_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id < Translator::numberOfLanguages; ++id)
            QTest::newRow(qPrintable(Translator::languageCode(id))) << id;
    }

    void everyLanguageHasItsCompiledFile()
    {
        QFETCH(int, id);
        Translator translator;
        QTranslator compiled;
        QVERIFY2(compiled.load(translator.getLanguageFile(id)), qPrintable(translator.getLanguageFile(id)));
    }

    // The language page offers every language, the presence flag coming
    // from the compiled files in the resources.
    void theLanguageModelListsAllFifteen()
    {
        Translator translator;
        LanguageModel model(&translator);
        const QList<QObject *> items = model.getLanguageList();
        QCOMPARE(items.size(), Translator::numberOfLanguages);
        for (int id = 0; id < items.size(); ++id) {
            auto *item = qobject_cast<LanguageItem *>(items.at(id));
            QVERIFY(item);
            QCOMPARE(item->getID(), id);
            QVERIFY2(item->isAvailable(), qPrintable(Translator::languageCode(id)));
        }
        // A place without the files offers none of them.
        model.setTranslationPrefix(QStringLiteral(":/nowhere/"));
        model.setup();
        QVERIFY(!qobject_cast<LanguageItem *>(model.getLanguageList().at(5))->isAvailable());
    }

    // The installed translation answers the C++ texts too.
    void cppTextsFollowTheLanguage()
    {
        Translator translator;
        translator.setLanguage(Translator::LANGUAGE_ID_DEU);
        QCOMPARE(QCoreApplication::translate("KivErrorController", "Unknown error."), QStringLiteral("Unbekannter Fehler."));
        translator.setLanguage(Translator::LANGUAGE_ID_ENG);
        QCOMPARE(QCoreApplication::translate("KivErrorController", "Unknown error."), QStringLiteral("Unknown error."));
    }

    // A translation that loses a tag, an argument or a field marker breaks
    // the screen that shows it.
    void translationsKeepTheirMarks_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id < Translator::numberOfLanguages; ++id)
            QTest::newRow(qPrintable(Translator::languageCode(id))) << id;
    }

    void translationsKeepTheirMarks()
    {
        QFETCH(int, id);
        QString error;
        const QList<TsMessage> messages = readTs(tsPath(id), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        for (const TsMessage &m : messages) {
            if (m.translation.isEmpty())
                continue;
            QVERIFY2(carriedMarks(m.translation) == carriedMarks(m.source),
                     qPrintable(m.context + QStringLiteral(": ") + m.source + QStringLiteral(" -> ") + m.translation));
        }
    }

    // Data check: every message of every language is translated (an
    // untranslated one shows English). New texts make it fail until their
    // translations are in.
    void everyMessageIsTranslated_data()
    {
        translationsKeepTheirMarks_data();
    }

    void everyMessageIsTranslated()
    {
        QFETCH(int, id);
        QString error;
        const QList<TsMessage> messages = readTs(tsPath(id), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList open;
        for (const TsMessage &m : messages) {
            if (!m.finished || m.translation.isEmpty())
                open << m.context + QStringLiteral(": ") + m.source;
        }
        QVERIFY2(open.isEmpty(), qPrintable(QString::number(open.size()) + QStringLiteral(" untranslated, first: ")
                                             + open.value(0)));
    }
};

QTEST_MAIN(TestTranslator)
#include "tst_translator.moc"
