#pragma once

#include <QList>
#include <QObject>

class Translator;

// The languages a cabinet may offer, one item per language, for the
// service menu's language page.
class LanguageModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> languageList READ getLanguageList NOTIFY changed)

public:
    explicit LanguageModel(Translator *translator);
    ~LanguageModel() override;

    Translator *translator() const { return m_translator; }
    QList<QObject *> getLanguageList() const { return m_items; }
    Q_INVOKABLE QList<QObject *> getLanguageItems() const { return m_items; }

signals:
    void changed();

private:
    Translator *m_translator;
    QList<QObject *> m_items;
};
