#include "languagemodel.h"

#include "core/kivdefs.h"
#include "translator.h"

#include <QFile>
#include <QVariant>

LanguageItem::LanguageItem(const QString &name, int id, bool available)
    : m_name(name)
    , m_id(id)
    , m_available(available)
{
}

// The model lives as long as the translator it lists.
LanguageModel::LanguageModel(Translator *translator)
    : QObject(translator)
    , m_translator(translator)
{
    setup();
}

LanguageModel::~LanguageModel()
{
    qDeleteAll(m_items);
}

// The customer of the cabinet that owns the translator; a translator
// without one counts as the standard customer.
int LanguageModel::customerId() const
{
    QObject *cabinet = m_translator ? m_translator->parent() : nullptr;
    return cabinet ? cabinet->property("customerId").toInt() : int(KivDefs::CUSTOMER_ID_GM);
}

bool LanguageModel::translationExists(int id) const
{
    const QString file = m_translator ? m_translator->getLanguageFile(id) : QString();
    // The table names the files at the resources' root (":/...").
    return !file.isEmpty() && QFile::exists(m_prefix + file.mid(2) + QStringLiteral(".qm"));
}

void LanguageModel::setup()
{
    qDeleteAll(m_items);
    m_items.clear();

    for (int id = 0; id < Translator::numberOfLanguages; ++id) {
        const int customer = customerId();
        const bool threeOnly = customer == KivDefs::CUSTOMER_ID_RIVEV || customer == KivDefs::CUSTOMER_ID_DEZ;
        if ((threeOnly && id > 2) || (customer == KivDefs::CUSTOMER_ID_VADEV && id > 1))
            continue;
        const QString name = m_translator ? m_translator->getLanguageName(id) : Translator::languageCode(id);
        m_items.append(new LanguageItem(name, id, translationExists(id)));
    }
    emit changed();
}
