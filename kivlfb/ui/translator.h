#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

// The user-interface language. One static table names the 15 languages (the
// row is the language id); the translator owns the one installed Qt
// translator and switches it. Every translatable QML text ends in
// "+ tro.emptyStr", whose change signal is languageChanged, so a switch
// retranslates the screens in place.
class Translator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString emptyStr READ getEmptyString NOTIFY languageChanged)
    Q_PROPERTY(QString languageIdString READ get_languageIdString WRITE set_languageIdString NOTIFY languageIdStringChanged)
    Q_PROPERTY(int languageId READ languageId WRITE set_languageId NOTIFY languageIdChanged)

public:
    enum LanguageId_enum {
        LANGUAGE_ID_ENG = 0,
        LANGUAGE_ID_SPA,
        LANGUAGE_ID_FRA,
        LANGUAGE_ID_SPA_MX,
        LANGUAGE_ID_FRA_CA,
        LANGUAGE_ID_DEU,
        LANGUAGE_ID_ITA,
        LANGUAGE_ID_NDL,
        LANGUAGE_ID_POL,
        LANGUAGE_ID_POR,
        LANGUAGE_ID_RUS,
        LANGUAGE_ID_ARA,
        LANGUAGE_ID_KOR,
        LANGUAGE_ID_ZH_CN,
        LANGUAGE_ID_JPN,
    };
    Q_ENUM(LanguageId_enum)

    static constexpr int numberOfLanguages = 15;

    explicit Translator(QObject *parent = nullptr);
    ~Translator() override;

    // Language code of an id ("eng_USA" for 0); empty outside 0 to 14.
    static QString languageCode(int id);

public slots:
    int getNumOfAllLanguages() const { return numberOfLanguages; }
    int getNumOfUsedLanguages() const { return numberOfLanguages; }
    // The current id; -1 until a language has been set.
    int getLanguage() const { return m_languageId; }
    int languageId() const { return m_languageId; }
    void set_languageId(int value);
    void setLanguage(int languageID);
    void setLanguageByString(const QString &languageString);
    QString getLanguageName(int languageID) const;
    // Id of a language code (exact, case-sensitive); 0 when it is unknown.
    int getLanguageId(const QString &name) const;
    QString getLanguageIdString(int languageID) const { return languageCode(languageID); }
    QString getLanguageFile(int languageID) const;
    QString getEmptyString() const { return QString(); }
    QString get_languageIdString() const { return m_languageIdString; }
    void set_languageIdString(const QString &value);

signals:
    void languageChanged(int id);
    void retranslate();
    void languageIdStringChanged(QString value);
    void ovenLanguageFileChanged(int id);
    void languageIdChanged(int id);

private:
    QTranslator m_translator;
    int m_languageId = -1;
    QString m_languageIdString;
};
