#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>

class QQmlEngine;
class QQuickItem;
class Translator;
class VirtualKeyInput;

// Stands in for the cabinet behind the QML screens: every context object
// the composition root publishes is replaced by a small QML mock with the
// same properties, signals and invokables, and every invokable call is
// written to a shared call log ("callLog") that tests read. The enumeration
// types and the compiled screens are registered as in the program, so the
// screens load from "qrc:///qml/..." exactly as they do on the cabinet.
//
// QML sees the harness itself as "harness": harness.reset() publishes fresh
// mocks (each test starts from the defaults), harness.setScaling(x, y) sets
// the window's scale factors. The vki mock answers from the program's own
// VirtualKeyInput (harness.keyInput()) and types its keys into the window
// that has the focus, as the program does. "screenshots" saves pictures.
class QmlHarness : public QObject
{
    Q_OBJECT

public:
    explicit QmlHarness(QQmlEngine *engine);

    // Types and resources, once per process.
    static void registerTypes();

    Q_INVOKABLE bool reset();
    Q_INVOKABLE void setScaling(qreal x, qreal y);
    Q_INVOKABLE QObject *mock(const QString &name) const;
    // Publishes the program's own translator as "tro" in place of the mock,
    // with the compiled translations, until the next reset() removes it
    // (and its installed translation) again.
    Q_INVOKABLE QObject *useTranslator();
    // The object and every QObject below it: what a screen that is created
    // and released again must leave as it found it.
    Q_INVOKABLE int liveObjects(QObject *root) const;
    // The program's key input, for what the vki mock answers.
    Q_INVOKABLE QObject *keyInput() const;
    // Types a key name into the focused window, as the program's key input
    // does for the keyboards; false when no window is there.
    Q_INVOKABLE bool typeKey(const QString &key);
    // Every syllable the pinyin keyboard knows, in order.
    Q_INVOKABLE QStringList pinyinSyllables() const;

private:
    QQmlEngine *m_engine;
    QPointer<QObject> m_mocks;
    QPointer<Translator> m_translator;
    VirtualKeyInput *m_keyInput;
};

// Pictures of what a test shows, for a person to look at: saved as
// <name>.png in $KIV_SCREENSHOT_DIR, else in "screenshots" below the test's
// working directory. QML sees it as "screenshots".
class Screenshots : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Saves the window that shows `item` and returns the file's path, or an
    // empty text when nothing could be grabbed or written.
    Q_INVOKABLE QString save(QQuickItem *item, const QString &name);
    // The same, turned so that `panel` stands upright, as a person reads
    // a portrait display.
    Q_INVOKABLE QString saveUpright(QQuickItem *panel, const QString &name);
    // The colour of the last saved picture at a window position.
    Q_INVOKABLE QString pixel(int x, int y) const;

    static QString directory();

private:
    QString write(const QImage &image, const QString &name);
    static QImage grab(QQuickItem *item);

    QImage m_last;
};

// The set-up object of Qt Quick Test executables: gives each test file's
// engine a harness.
class QmlHarnessSetup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine);
};
