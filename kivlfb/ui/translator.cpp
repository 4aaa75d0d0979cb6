#include "translator.h"

#include <array>

namespace {
// Row index = language id.
const std::array<const char *, Translator::numberOfLanguages> languageCodes = {
    "eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld",
    "pol", "por", "rus", "ara", "kor", "zh_cn", "jpn",
};
} // namespace

Translator::Translator(QObject *parent)
    : QObject(parent)
{
}

QString Translator::languageCode(int id)
{
    if (id < 0 || id >= numberOfLanguages)
        return QString();
    return QString::fromLatin1(languageCodes[size_t(id)]);
}

void Translator::set_languageId(int value)
{
    if (value == m_languageId)
        return;
    m_languageId = value;
    emit languageIdChanged(value);
}

int Translator::getLanguageId(const QString &name) const
{
    for (int id = 0; id < numberOfLanguages; ++id) {
        if (name == QLatin1String(languageCodes[size_t(id)]))
            return id;
    }
    return 0;
}

void Translator::setLanguage(int id)
{
    if (id < 0 || id >= numberOfLanguages || id == m_languageId)
        return;
    set_languageId(id);
    emit languageIdStringChanged(languageCode(id));
    emit languageChanged(id);
    emit retranslate();
}

void Translator::setLanguageByString(const QString &code)
{
    setLanguage(getLanguageId(code));
}
