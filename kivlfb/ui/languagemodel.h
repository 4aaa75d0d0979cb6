#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Translator;

// One language the cabinet may offer: its display name, its id in the
// language table, and whether its translation file is there.
class LanguageItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ getName NOTIFY changed)
    Q_PROPERTY(int id READ getID NOTIFY changed)
    Q_PROPERTY(bool isAvailable READ isAvailable NOTIFY changed)

public:
    LanguageItem(const QString &name, int id, bool available);

    Q_INVOKABLE QString getName() const { return m_name; }
    Q_INVOKABLE int getID() const { return m_id; }
    Q_INVOKABLE bool isAvailable() const { return m_available; }
    Q_INVOKABLE void setAvailable(bool a) { m_available = a; }

signals:
    void changed();

private:
    QString m_name;
    int m_id;
    bool m_available;
};

// The languages a cabinet may offer, one item per language, for the
// service menu's language page. Some customers offer only the first rows of
// the language table; row index and language id are equal in every case.
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

    // Where the compiled translations are looked for: the resources'
    // root unless a test points elsewhere. Takes effect at the next setup().
    void setTranslationPrefix(const QString &prefix) { m_prefix = prefix; }

    // Rebuilds the list for the cabinet's customer, the translator's parent.
    void setup();

signals:
    void changed();

private:
    int customerId() const;
    bool translationExists(int id) const;

    Translator *m_translator;
    QList<QObject *> m_items;
    QString m_prefix = QStringLiteral(":/");
};
