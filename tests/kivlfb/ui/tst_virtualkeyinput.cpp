// The native side of the on-screen keyboards: the key events made from key
// names, their way to the focused text input of a window, the Korean
// syllable composition and the optional evdev keyboard plug-in.
#include "ui/pinyintable.h"
#include "ui/virtualkeyinput.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QFile>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Stands for the main window: records every key press it is given.
class KeyReceiver : public QObject
{
public:
    struct Press
    {
        int code;
        QString text;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        int count;
    };
    QList<Press> presses;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return QObject::event(e);
        auto *key = static_cast<QKeyEvent *>(e);
        presses.append({key->key(), key->text(), key->modifiers(), key->isAutoRepeat(), key->count()});
        return true;
    }
};

} // namespace

class TestVirtualKeyInput : public QObject
{
    Q_OBJECT

private slots:
    void hangul_data()
    {
        QTest::addColumn<QString>("jamo");
        QTest::addColumn<QString>("result");
        QTest::newRow("first syllable") << "ㄱㅏ" << "\uAC00";
        QTest::newRow("with a final") << "ㅎㅏㄴ" << "\uD55C";
        QTest::newRow("compound vowel") << "ㄱㅗㅏ" << "\uACFC";
        QTest::newRow("compound vowel first, then final") << "ㄱㅗㅏㄱ" << "\uACFD";
        QTest::newRow("cluster final") << "ㄷㅏㄹㄱ" << "\uB2ED";
        QTest::newRow("cluster final nj") << "ㅇㅏㄴㅈ" << "\uC549";
        QTest::newRow("double consonant final") << "ㄱㅏㄲ" << "\uAC02";
        QTest::newRow("last syllable") << "ㅎㅣㅎ" << "\uD7A3";
        QTest::newRow("a bare initial") << "ㄱ" << "ㄱ";
        QTest::newRow("two vowels that make none") << "ㄱㅏㅏ" << "ㅏ";
        QTest::newRow("consonant after an initial") << "ㄱㄲ" << "ㄲ";
        QTest::newRow("no such cluster final") << "ㄱㅏㄱㄱ" << "ㄱ";
        QTest::newRow("three jamo after the vowel") << "ㄷㅏㄹㄱㅅ" << "ㅅ";
        QTest::newRow("vowel first") << "ㅏ" << "ㅏ";
        QTest::newRow("not jamo") << "ab" << "b";
        QTest::newRow("nothing") << "" << "";
    }
    void hangul()
    {
        QFETCH(QString, jamo);
        QFETCH(QString, result);
        VirtualKeyInput vki;
        QCOMPARE(vki.getHangulChar(jamo), result);
    }

    void postedKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("back") << "_back" << int(Qt::Key_Backspace) << "";
        QTest::newRow("return") << "_return" << int(Qt::Key_Return) << "";
        QTest::newRow("left") << "_leftArrow" << int(Qt::Key_Left) << "";
        QTest::newRow("right") << "_rightArrow" << int(Qt::Key_Right) << "";
        QTest::newRow("up") << "_upArrow" << int(Qt::Key_Up) << "";
        QTest::newRow("down") << "_downArrow" << int(Qt::Key_Down) << "";
        QTest::newRow("space") << "_space" << 32 << " ";
        QTest::newRow("digit") << "7" << int(Qt::Key_7) << "7";
        QTest::newRow("Latin-1 letter") << "é" << 0xE9 << "é";
        QTest::newRow("Chinese character") << "中" << 0 << "中";
        QTest::newRow("Hangul syllable") << "한" << 0 << "한";
        QTest::newRow("names are exact") << "_Back" << int('_') << "_Back";
        QTest::newRow("nothing: click only") << "" << 0 << "";
    }
    // Each call posts one plain key press to the parent and announces the
    // touch once, after the key is on its way.
    void postedKeys()
    {
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(QString, text);
        KeyReceiver window;
        VirtualKeyInput vki(&window);
        int seenAtClick = -1;
        connect(&vki, &VirtualKeyInput::aKeyWasPressed, this, [&] {
            QCoreApplication::sendPostedEvents(&window, QEvent::KeyPress);
            seenAtClick = window.presses.size();
        });
        QSignalSpy clicks(&vki, &VirtualKeyInput::aKeyWasPressed);
        vki.generateKeyInput(name, 0);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(seenAtClick, 1);
        QCoreApplication::processEvents();
        QCOMPARE(window.presses.size(), 1);
        const KeyReceiver::Press &press = window.presses.first();
        QCOMPARE(press.code, code);
        QCOMPARE(press.text, text);
        QCOMPARE(press.modifiers, Qt::NoModifier);
        QVERIFY(!press.autoRepeat);
        QCOMPARE(press.count, 1);
    }

    void deliveredKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("back") << "_back" << int(Qt::Key_Backspace) << "";
        QTest::newRow("left carries a blank") << "_leftArrow" << int(Qt::Key_Left) << " ";
        QTest::newRow("right carries a blank") << "_rightArrow" << int(Qt::Key_Right) << " ";
        QTest::newRow("up is not known") << "_upArrow" << 0 << "_";
        QTest::newRow("space") << "_space" << 32 << " ";
        QTest::newRow("first character only") << "ab" << 0 << "a";
    }
    // The one-argument form delivers at once and plays no click.
    void deliveredKeys()
    {
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(QString, text);
        KeyReceiver window;
        VirtualKeyInput vki(&window);
        QSignalSpy clicks(&vki, &VirtualKeyInput::aKeyWasPressed);
        vki.generateKeyInput(name);
        QCOMPARE(window.presses.size(), 1);
        QCOMPARE(window.presses.first().code, code);
        QCOMPARE(window.presses.first().text, text);
        QCOMPARE(clicks.count(), 0);
    }

    // Without a parent there is nowhere to type, but the touch still clicks.
    void noReceiver()
    {
        VirtualKeyInput vki;
        QSignalSpy clicks(&vki, &VirtualKeyInput::aKeyWasPressed);
        vki.generateKeyInput(QStringLiteral("a"), 0);
        vki.generateKeyInput(QStringLiteral("a"));
        QCOMPARE(clicks.count(), 1);
    }

    // Keys given to the main window reach the text input that has the
    // focus, as the keyboards expect; the receiver is looked up at every
    // key, so a move under another window takes effect at once.
    void keysReachTheFocusedInput()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                          "Window { width: 200; height: 100; visible: true\n"
                          "  TextInput { objectName: \"field\"; anchors.fill: parent; focus: true } }",
                          QUrl());
        QScopedPointer<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        auto *window = qobject_cast<QQuickWindow *>(root.data());
        QVERIFY(window);
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QObject *field = window->findChild<QObject *>(QStringLiteral("field"));
        QVERIFY(field);

        KeyReceiver elsewhere;
        VirtualKeyInput vki(&elsewhere);
        vki.setParent(window);
        for (const char *key : {"a", "b", "_back", "中", "_leftArrow", "x", "_space"})
            vki.generateKeyInput(QString::fromUtf8(key), 0);
        QTRY_COMPARE(field->property("text").toString(), QStringLiteral("ax 中"));
        QCOMPARE(elsewhere.presses.size(), 0);
        vki.setParent(nullptr);
    }

    // The table is read only when Chinese is first typed.
    void pinyinAnswersFromTheTable()
    {
        VirtualKeyInput vki;
        QVERIFY(!vki.pinyinTable()->isLoaded());
        QCOMPARE(vki.getPinyinChar(QStringLiteral("ma")), QStringLiteral("妈麻马玛码蚂骂吗嘛"));
        QVERIFY(vki.pinyinTable()->isLoaded());
        QCOMPARE(vki.getPinyinChar(QStringLiteral("zh")), QString());
        QVERIFY(vki.isPinyinPrefix(QStringLiteral("zh")));
        QVERIFY(!vki.isPinyinPrefix(QStringLiteral("zx")));
    }

    void keyboardPluginMissing()
    {
        TempRoot root;
        QVERIFY(root.isValid());
        MessageCatcher catcher;
        VirtualKeyInput vki;
        vki.loadKeyboardPlugin();
        QVERIFY(catcher.contains(QStringLiteral("Did not load keyboard plugin")));
        QVERIFY(!catcher.contains(QStringLiteral("Loaded keyboard plugin")));
        vki.unloadKbPlugin();
        // Nothing was kept: a second try looks again.
        vki.loadKeyboardPlugin();
        QCOMPARE(catcher.messages().filter(QStringLiteral("Did not load keyboard plugin")).size(), 2);
    }

    // Where this machine's Qt has the plug-in, it loads from the re-rooted
    // path, creates its handler and unloads again.
    void keyboardPluginLoads()
    {
        const QString machinePlugin =
            QLibraryInfo::location(QLibraryInfo::PluginsPath) + QStringLiteral("/generic/libqevdevkeyboardplugin.so");
        if (!QFile::exists(machinePlugin))
            QSKIP("this machine's Qt has no evdev keyboard plug-in");
        TempRoot root;
        QVERIFY(root.isValid());
        const QString target = root.filePath(QLatin1String(VirtualKeyInput::kKeyboardPluginPath));
        QVERIFY(QDir().mkpath(QFileInfo(target).path()));
        QVERIFY(QFile::copy(machinePlugin, target));

        MessageCatcher catcher;
        VirtualKeyInput vki;
        vki.loadKeyboardPlugin();
        const QStringList lines = catcher.messages();
        QVERIFY2(catcher.contains(QStringLiteral("Loaded keyboard plugin")), qPrintable(lines.join('\n')));
        QVERIFY(catcher.contains(QStringLiteral("\"IID\"")));
        QVERIFY(catcher.contains(QStringLiteral("Invoking 'create' on keyboard plugin!!!!!!!!!!!!!!!")));
        QVERIFY(catcher.contains(QStringLiteral("Methods: ")));
        QVERIFY(catcher.contains(QStringLiteral("Properties: ")));
        vki.unloadKbPlugin();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        vki.loadKeyboardPlugin();
        QCOMPARE(catcher.messages().filter(QStringLiteral("Loaded keyboard plugin")).size(), 2);
        vki.unloadKbPlugin();
    }
};

QTEST_MAIN(TestVirtualKeyInput)
#include "tst_virtualkeyinput.moc"
