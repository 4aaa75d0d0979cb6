#include "languagemodel.h"

#include "translator.h"

// The model lives as long as the translator it lists.
LanguageModel::LanguageModel(Translator *translator)
    : QObject(translator)
    , m_translator(translator)
{
}

LanguageModel::~LanguageModel()
{
    qDeleteAll(m_items);
}
