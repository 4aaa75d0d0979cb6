#include "ui/languagemodel.h"
#include "ui/screenresources.h"
#include "ui/virtualkeyinput.h"

#include <QDirIterator>
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

    void languageModelStartsEmpty()
    {
        LanguageModel model(nullptr);
        QVERIFY(!model.translator());
        QVERIFY(model.getLanguageList().isEmpty());
        QCOMPARE(model.property("languageList").value<QList<QObject *>>().size(), 0);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
