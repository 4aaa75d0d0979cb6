#include "virtualkeyinput.h"

#include "platform/kivroot.h"
#include "ui/pinyintable.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGenericPlugin>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPluginLoader>

const char VirtualKeyInput::kKeyboardPluginPath[] = "/usr/lib/qt/plugins/generic/libqevdevkeyboardplugin.so";

namespace {

// Compatibility jamo in the order of the Unicode syllable composition.
const QString kInitials = QStringLiteral("ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ");
// Compound vowels and cluster finals are typed as their two jamo.
const QStringList &vowels()
{
    static const QStringList table = {
        QStringLiteral("ㅏ"), QStringLiteral("ㅐ"), QStringLiteral("ㅑ"), QStringLiteral("ㅒ"),
        QStringLiteral("ㅓ"), QStringLiteral("ㅔ"), QStringLiteral("ㅕ"), QStringLiteral("ㅖ"),
        QStringLiteral("ㅗ"), QStringLiteral("ㅗㅏ"), QStringLiteral("ㅗㅐ"), QStringLiteral("ㅗㅣ"),
        QStringLiteral("ㅛ"), QStringLiteral("ㅜ"), QStringLiteral("ㅜㅓ"), QStringLiteral("ㅜㅔ"),
        QStringLiteral("ㅜㅣ"), QStringLiteral("ㅠ"), QStringLiteral("ㅡ"), QStringLiteral("ㅡㅣ"),
        QStringLiteral("ㅣ"),
    };
    return table;
}
const QStringList &finals()
{
    static const QStringList table = {
        QString(), QStringLiteral("ㄱ"), QStringLiteral("ㄲ"), QStringLiteral("ㄱㅅ"),
        QStringLiteral("ㄴ"), QStringLiteral("ㄴㅈ"), QStringLiteral("ㄴㅎ"), QStringLiteral("ㄷ"),
        QStringLiteral("ㄹ"), QStringLiteral("ㄹㄱ"), QStringLiteral("ㄹㅁ"), QStringLiteral("ㄹㅂ"),
        QStringLiteral("ㄹㅅ"), QStringLiteral("ㄹㅌ"), QStringLiteral("ㄹㅍ"), QStringLiteral("ㄹㅎ"),
        QStringLiteral("ㅁ"), QStringLiteral("ㅂ"), QStringLiteral("ㅂㅅ"), QStringLiteral("ㅅ"),
        QStringLiteral("ㅆ"), QStringLiteral("ㅇ"), QStringLiteral("ㅈ"), QStringLiteral("ㅊ"),
        QStringLiteral("ㅋ"), QStringLiteral("ㅌ"), QStringLiteral("ㅍ"), QStringLiteral("ㅎ"),
    };
    return table;
}
constexpr int kVowelCount = 21;
constexpr int kFinalCount = 28;
constexpr ushort kFirstSyllable = 0xAC00;

struct KeyPress
{
    int code;
    QString text;
};

} // namespace

VirtualKeyInput::VirtualKeyInput(QObject *parent)
    : QObject(parent), m_pinyin(new PinyinTable(this))
{
}

VirtualKeyInput::~VirtualKeyInput()
{
    delete m_keyboardHandler;
    delete m_pluginLoader;
}

void VirtualKeyInput::generateKeyInput(QString key)
{
    KeyPress press{0, key.left(1)};
    if (key == QLatin1String("_back"))
        press = {Qt::Key_Backspace, QString()};
    else if (key == QLatin1String("_return"))
        press = {Qt::Key_Return, QString()};
    else if (key == QLatin1String("_leftArrow"))
        press = {Qt::Key_Left, QStringLiteral(" ")};
    else if (key == QLatin1String("_rightArrow"))
        press = {Qt::Key_Right, QStringLiteral(" ")};
    else if (key == QLatin1String("_space"))
        press = {Qt::Key_Space, QStringLiteral(" ")};
    QObject *receiver = parent();
    if (!receiver)
        return;
    QKeyEvent event(QEvent::KeyPress, press.code, Qt::NoModifier, press.text);
    QCoreApplication::sendEvent(receiver, &event);
}

void VirtualKeyInput::generateKeyInput(QString key, int)
{
    static const struct {
        const char *name;
        int code;
        const char *text;
    } specialKeys[] = {
        {"_back", Qt::Key_Backspace, ""},  {"_return", Qt::Key_Return, ""},   {"_leftArrow", Qt::Key_Left, ""},
        {"_downArrow", Qt::Key_Down, ""},  {"_rightArrow", Qt::Key_Right, ""}, {"_upArrow", Qt::Key_Up, ""},
        {"_space", Qt::Key_Space, " "},
    };
    KeyPress press{0, key};
    if (!key.isEmpty() && key.at(0).unicode() < 256)
        press.code = key.at(0).unicode();
    for (const auto &special : specialKeys) {
        if (key == QLatin1String(special.name)) {
            press = {special.code, QLatin1String(special.text)};
            break;
        }
    }
    // The receiver is looked up at every key: the composition root moves
    // this object under the main window once the window exists.
    if (QObject *receiver = parent())
        QCoreApplication::postEvent(receiver,
                                    new QKeyEvent(QEvent::KeyPress, press.code, Qt::NoModifier, press.text, false, 1));
    else
        qDebug() << "Virtual key input: no window to type into";
    emit aKeyWasPressed();
}

void VirtualKeyInput::loadKeyboardPlugin()
{
    if (m_pluginLoader) {
        qDebug() << "Keyboard plugin already loaded";
        return;
    }
    auto *loader = new QPluginLoader(KivRoot::path(QLatin1String(kKeyboardPluginPath)));
    if (!loader->load()) {
        qDebug() << "Did not load keyboard plugin";
        delete loader;
        return;
    }
    m_pluginLoader = loader;
    qDebug() << "Loaded keyboard plugin";
    qDebug().noquote() << QString::fromUtf8(QJsonDocument(loader->metaData()).toJson(QJsonDocument::Compact));
    qDebug() << "Invoking 'create' on keyboard plugin!!!!!!!!!!!!!!!";
    auto *plugin = qobject_cast<QGenericPlugin *>(loader->instance());
    if (!plugin)
        return;
    m_keyboardHandler = plugin->create(QStringLiteral("EvdevKeyboard"), QString());
    if (!m_keyboardHandler)
        return;
    // What the handler's class adds to QObject; a class without a
    // meta-object of its own adds nothing that can be listed.
    const QMetaObject *meta = m_keyboardHandler->metaObject();
    QStringList methods;
    QStringList properties;
    if (meta != &QObject::staticMetaObject) {
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            methods << QString::fromLatin1(meta->method(i).methodSignature());
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            properties << QString::fromLatin1(meta->property(i).name());
    }
    qDebug().noquote() << "Methods: " + methods.join(QLatin1String(", "));
    qDebug().noquote() << "Properties: " + properties.join(QLatin1String(", "));
}

void VirtualKeyInput::unloadKbPlugin()
{
    // The handler's code lives in the plug-in: it must be gone before the
    // plug-in is unloaded, so it is deleted now rather than later.
    delete m_keyboardHandler;
    if (m_pluginLoader) {
        m_pluginLoader->unload();
        delete m_pluginLoader;
        m_pluginLoader = nullptr;
    }
}

QString VirtualKeyInput::getPinyinChar(QString chars)
{
    return m_pinyin->get(chars);
}

bool VirtualKeyInput::isPinyinPrefix(QString chars)
{
    return m_pinyin->isPrefix(chars);
}

QString VirtualKeyInput::getHangulChar(QString chars)
{
    const int length = chars.size();
    if (length == 0)
        return QString();
    const QString last = chars.right(1);
    const int initial = kInitials.indexOf(chars.at(0));
    if (initial < 0)
        return last;
    if (length == 1)
        return chars;
    // A compound vowel is tried before a simple one.
    int vowel = length >= 3 ? vowels().indexOf(chars.mid(1, 2)) : -1;
    int finalStart = 3;
    if (vowel < 0) {
        vowel = vowels().indexOf(chars.mid(1, 1));
        finalStart = 2;
    }
    if (vowel < 0)
        return last;
    int final = 0;
    if (length > finalStart) {
        final = finals().indexOf(chars.mid(finalStart));
        if (final <= 0)
            return last;
    }
    return QString(QChar(ushort(kFirstSyllable + (initial * kVowelCount + vowel) * kFinalCount + final)));
}
