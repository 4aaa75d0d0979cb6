#include "translator.h"

#include "property/assignifchanged.h"

#include <QCoreApplication>
#include <QDebug>

#include <array>

// The compiled translations live in the controller's static library, whose
// resources must be registered by hand. Q_INIT_RESOURCE must be used
// outside any namespace.
static void initTranslationResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {

struct LanguageInfo {
    const char *displayName; // in the language's own script, UTF-8
    const char *fileBase;    // compiled translation ":/<fileBase>.qm"
    const char *code;
};

// Row index = language id.
const std::array<LanguageInfo, Translator::numberOfLanguages> gLanguageFiles = {{
    {"English(US)", "kivtr_eng_USA", "eng_USA"},
    {"Español", "kivtr_spa", "spa"},
    {"Français", "kivtr_fra", "fra"},
    {"Español(MX)", "kivtr_spa_mx", "spa_mx"},
    {"Français(CA)", "kivtr_fra_ca", "fra_ca"},
    {"Deutsch", "kivtr_deu", "deu"},
    {"Italiano", "kivtr_ita", "ita"},
    {"Nederlands", "kivtr_nld", "nld"},
    {"Polski", "kivtr_pol", "pol"},
    {"Português", "kivtr_por", "por"},
    // A Latin capital P, then Cyrillic: kept exactly as the screens show it.
    {"P\u0443\u0441\u0441\u043a\u0438\u0439", "kivtr_rus", "rus"},
    {"عربي", "kivtr_ara", "ara"},
    {"한국어", "kivtr_kor", "kor"},
    {"中文", "kivtr_zh_cn", "zh_cn"},
    {"日本語", "kivtr_jpn", "jpn"},
}};

bool inTable(int id)
{
    return id >= 0 && id < Translator::numberOfLanguages;
}

} // namespace

Translator::Translator(QObject *parent)
    : QObject(parent)
{
    initTranslationResources();
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(&m_translator);
}

Translator::~Translator()
{
    if (QCoreApplication::instance())
        QCoreApplication::removeTranslator(&m_translator);
}

QString Translator::languageCode(int id)
{
    return inTable(id) ? QString::fromUtf8(gLanguageFiles[size_t(id)].code) : QString();
}

QString Translator::getLanguageName(int languageID) const
{
    return inTable(languageID) ? QString::fromUtf8(gLanguageFiles[size_t(languageID)].displayName) : QString();
}

QString Translator::getLanguageFile(int languageID) const
{
    return inTable(languageID) ? QStringLiteral(":/") + QLatin1String(gLanguageFiles[size_t(languageID)].fileBase)
                               : QString();
}

void Translator::set_languageId(int value)
{
    if (assignIfChanged(m_languageId, value))
        emit languageIdChanged(value);
}

void Translator::set_languageIdString(const QString &value)
{
    m_languageIdString = value;
    emit languageIdStringChanged(value);
}

int Translator::getLanguageId(const QString &name) const
{
    for (int id = 0; id < numberOfLanguages; ++id) {
        if (name == QLatin1String(gLanguageFiles[size_t(id)].code))
            return id;
    }
    return 0;
}

void Translator::setLanguage(int languageID)
{
    if (!inTable(languageID) || languageID == m_languageId)
        return;
    const bool installed = QCoreApplication::instance() != nullptr;
    if (installed)
        QCoreApplication::removeTranslator(&m_translator);
    const QString fileBase = QLatin1String(gLanguageFiles[size_t(languageID)].fileBase);
    // A missing translation leaves the source (English) texts on screen
    // while the rest of the system follows the new language.
    if (!m_translator.load(QStringLiteral(":/") + fileBase))
        qDebug().noquote() << "Failed to load TS file:" << QStringLiteral(":/") + QStringLiteral("/") + fileBase;
    if (installed)
        QCoreApplication::installTranslator(&m_translator);
    set_languageId(languageID);
    emit languageChanged(languageID);
    emit retranslate();
    set_languageIdString(languageCode(languageID));
}

void Translator::setLanguageByString(const QString &languageString)
{
    for (int id = 0; id < numberOfLanguages; ++id) {
        if (languageString == QLatin1String(gLanguageFiles[size_t(id)].code)) {
            setLanguage(id);
            return;
        }
    }
}
