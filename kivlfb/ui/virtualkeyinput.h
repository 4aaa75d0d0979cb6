#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class PinyinTable;
class QPluginLoader;

// The native side of the on-screen keyboards: key names from QML become key
// events for the parent (the main window, which hands them to the input that
// has the focus), and every touch is announced so that the key click plays.
// It also composes Korean syllables from jamo and answers the Chinese
// candidates of a pinyin syllable.
class VirtualKeyInput : public QObject
{
    Q_OBJECT

public:
    explicit VirtualKeyInput(QObject *parent = nullptr);
    ~VirtualKeyInput() override;

    // Where the evdev keyboard plug-in lives on the target.
    static const char kKeyboardPluginPath[];

    PinyinTable *pinyinTable() const { return m_pinyin; }

signals:
    void aKeyWasPressed();

public slots:
    // Delivers the key at once; no click. Not used by the keyboards.
    void generateKeyInput(QString key);
    // The keyboards' form: posts one key press for the key name ("_back",
    // "_return", "_space", the arrows, or the text to type) to the parent,
    // then announces the touch. The second argument is not used.
    void generateKeyInput(QString key, int modifiers);
    void loadKeyboardPlugin();
    void unloadKbPlugin();
    QString getPinyinChar(QString chars);
    // Whether typing may go on from `chars`: some syllable begins with it.
    bool isPinyinPrefix(QString chars);
    // One syllable from the jamo typed for it, or, when they do not make
    // one, the last jamo typed.
    QString getHangulChar(QString chars);

private:
    PinyinTable *m_pinyin;
    QPluginLoader *m_pluginLoader = nullptr;
    QPointer<QObject> m_keyboardHandler;
};
