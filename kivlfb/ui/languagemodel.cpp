#include "languagemodel.h"

LanguageModel::LanguageModel(Translator *translator)
    : m_translator(translator)
{
}

LanguageModel::~LanguageModel()
{
    qDeleteAll(m_items);
}
