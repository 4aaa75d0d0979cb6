#pragma once

#include <QObject>
#include <QString>

// The user-interface language: its id (0 to 14, the index into every
// 15-entry names list) and the language codes of the 15-row language table.
// Loading and installing translations is not part of this class yet; for now
// it holds the current id that the menu and day-part code read.
class Translator : public QObject
{
    Q_OBJECT

public:
    static constexpr int numberOfLanguages = 15;

    explicit Translator(QObject *parent = nullptr);

    // Language code of an id ("eng_USA" for 0); empty outside 0 to 14.
    static QString languageCode(int id);

public slots:
    int getNumOfAllLanguages() const { return numberOfLanguages; }
    // The current id; -1 until a language has been set.
    int getLanguage() const { return m_languageId; }
    int languageId() const { return m_languageId; }
    void set_languageId(int value);
    // Id of a language code (exact, case-sensitive); 0 when it is unknown.
    int getLanguageId(const QString &name) const;
    QString getLanguageIdString(int languageID) const { return languageCode(languageID); }
    QString get_languageIdString() const { return languageCode(m_languageId); }

    // Switch the language by id or by code. Installing the translated texts
    // comes with the language table; here the id, the code and the
    // notifications follow the switch.
    void setLanguage(int id);
    void setLanguageByString(const QString &code);

signals:
    void languageIdChanged(int id);
    void languageChanged(int id);
    void languageIdStringChanged(QString code);
    void retranslate();

private:
    int m_languageId = -1;
};
