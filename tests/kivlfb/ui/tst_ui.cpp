#include "core/kivdefs.h"
#include "ui/languagemodel.h"
#include "ui/translator.h"
#include "ui/screenresources.h"
#include "ui/virtualkeyinput.h"

#include <QDirIterator>
#include <QPointer>
#include <QTemporaryDir>
#include <QImage>
#include <QQmlComponent>
#include <QRegularExpression>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

static void initSounds()
{
    Q_INIT_RESOURCE(sounds);
}

class TestUi : public QObject
{
    Q_OBJECT

private slots:
    // Every image a screen names resolves inside the resources (relative to
    // the screen's own folder) and decodes; a misspelt name would otherwise
    // only leave a silent gap on the screen.
    void screenImagesResolve()
    {
        ScreenResources::registerAll();
        const QRegularExpression imageRef(QStringLiteral("\"((?:\\.\\./)?(?:widgets/)?images/[^\"]+\\.(?:png|gif))\""));
        int files = 0;
        int references = 0;
        QDirIterator it(QStringLiteral(":/qml"), {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++files;
            const QString folder = QFileInfo(path).path();
            auto matches = imageRef.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext()) {
                const QString image = QDir::cleanPath(folder + QLatin1Char('/') + matches.next().captured(1));
                QVERIFY2(QFile::exists(image), qPrintable(path + QStringLiteral(" names ") + image));
                QVERIFY2(!QImage(image).isNull(), qPrintable(image));
                ++references;
            }
        }
        QVERIFY(files > 40);
        QVERIFY(references > 30);
    }

    // The fixed image folders hold what the screens of every subsystem
    // expect, each a picture that decodes.
    void resourceTreeIsComplete_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("count");
        QTest::newRow("screen images") << ":/qml/images" << "*.png" << 118;
        QTest::newRow("screen animations") << ":/qml/images" << "*.gif" << 2;
        QTest::newRow("widget images") << ":/qml/widgets/images" << "*.png" << 17;
        QTest::newRow("keyboard images") << ":/qml/widgets/images/keyboard" << "*.png" << 14;
    }
    void resourceTreeIsComplete()
    {
        QFETCH(QString, folder);
        QFETCH(QString, filter);
        QFETCH(int, count);
        ScreenResources::registerAll();
        const QFileInfoList images = QDir(folder).entryInfoList({filter}, QDir::Files);
        QCOMPARE(images.size(), count);
        for (const QFileInfo &image : images)
            QVERIFY2(!QImage(image.filePath()).isNull(), qPrintable(image.filePath()));
    }

    void soundsAreInTheResources()
    {
        initSounds();
        for (const char *name : {"AlarmWrongProduct2.wav", "AlarmWrongProductUni.wav", "discardAlarm2.wav",
                                 "keystroke.wav", "keystroke2.wav", "nfcChime.wav", "nfcChimeUni.wav",
                                 "warning3.wav", "warningAlarm2.wav"}) {
            QFile sound(QStringLiteral(":/resources/") + QLatin1String(name));
            QVERIFY2(sound.open(QIODevice::ReadOnly), name);
            QCOMPARE(sound.read(4), QByteArray("RIFF"));
        }
    }

    // The keyboards create nothing themselves, but the screens import the
    // registered type; a QML emission of the key signal must reach C++.
    void keyboardTypeIsUsableFromQml()
    {
        qmlRegisterType<VirtualKeyInput>("VirtualKB", 1, 0, "Vki");
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.0\nimport VirtualKB 1.0\nVki { Component.onCompleted: aKeyWasPressed() }",
                          QUrl());
        QSignalSpy created(&component, &QQmlComponent::statusChanged);
        QScopedPointer<QObject> object(component.beginCreate(engine.rootContext()));
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *vki = qobject_cast<VirtualKeyInput *>(object.data());
        QVERIFY(vki);
        QSignalSpy pressed(vki, &VirtualKeyInput::aKeyWasPressed);
        component.completeCreate();
        QCOMPARE(pressed.count(), 1);
    }

    // The rows a cabinet offers follow its customer; the row is the
    // language id.
    void languageModelRows_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<int>("rows");
        using K = KivDefs;
        QTest::newRow("GM") << int(K::CUSTOMER_ID_GM) << 15;
        QTest::newRow("ZuZ") << int(K::CUSTOMER_ID_ZuZ) << 15;
        QTest::newRow("RIVEV") << int(K::CUSTOMER_ID_RIVEV) << 3;
        QTest::newRow("DEZ") << int(K::CUSTOMER_ID_DEZ) << 3;
        QTest::newRow("X") << int(K::CUSTOMER_ID_X) << 15;
        QTest::newRow("VADEV") << int(K::CUSTOMER_ID_VADEV) << 2;
    }

    void languageModelRows()
    {
        QFETCH(int, customer);
        QFETCH(int, rows);
        QObject cabinet;
        cabinet.setProperty("customerId", customer);
        auto *translator = new Translator(&cabinet);
        auto *model = new LanguageModel(translator);
        const QList<QObject *> list = model->property("languageList").value<QList<QObject *>>();
        QCOMPARE(list.size(), rows);
        for (int row = 0; row < list.size(); ++row) {
            QCOMPARE(list.at(row)->property("id").toInt(), row);
            QCOMPARE(list.at(row)->property("name").toString(), translator->getLanguageName(row));
        }
    }

    // A missing translation keeps its row, marked unavailable; a second
    // setup builds new items and says so once.
    void languageModelAvailability()
    {
        QObject cabinet;
        cabinet.setProperty("customerId", int(KivDefs::CUSTOMER_ID_RIVEV));
        auto *translator = new Translator(&cabinet);
        auto *model = new LanguageModel(translator);
        QPointer<QObject> oldItem = model->getLanguageItems().first();

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *name : {"kivtr_eng_USA.qm", "kivtr_fra.qm"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        model->setTranslationPrefix(dir.path() + QLatin1Char('/'));
        QSignalSpy changed(model, &LanguageModel::changed);
        model->setup();
        QCOMPARE(changed.count(), 1);
        QVERIFY(oldItem.isNull());

        const QList<QObject *> list = model->getLanguageItems();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0)->property("isAvailable").toBool(), true);
        QCOMPARE(list.at(1)->property("isAvailable").toBool(), false);
        QCOMPARE(list.at(2)->property("isAvailable").toBool(), true);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
