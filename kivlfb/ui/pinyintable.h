#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

// The Chinese candidates of the on-screen keyboard: for each pinyin
// syllable (lowercase, no tone marks, v for u-umlaut) the characters of the
// candidate bar, in their order. The table is data in the resources; it is
// read on the first question, so a cabinet that never types Chinese never
// holds it. Questions are binary searches over the sorted syllables.
class PinyinTable : public QObject
{
    Q_OBJECT

public:
    explicit PinyinTable(QObject *parent = nullptr);

    // The candidates stored under exactly `chars` (case-sensitive, no
    // partial matching); empty when there is no such syllable.
    Q_INVOKABLE QString get(const QString &chars) const;
    // Whether `chars` is the beginning of at least one syllable (a whole
    // syllable counts); false for the empty string.
    Q_INVOKABLE bool isPrefix(const QString &chars) const;
    // The syllables, in order.
    QStringList syllables() const;
    // Whether the table has been read (it is read on the first question).
    bool isLoaded() const { return m_loaded; }

    struct Parsed
    {
        QStringList syllables; // ascending
        QStringList candidates;
        QStringList errors; // one line each, for the log
    };
    // The table's text form: one "syllable candidates" pair a line, the
    // syllables ascending; "#" lines and blank lines are comments. A line
    // that breaks these rules is reported and left out.
    static Parsed parse(const QByteArray &text);

private:
    void load() const;
    int lowerBound(const QString &chars) const;

    mutable bool m_loaded = false;
    mutable QStringList m_syllables;
    mutable QStringList m_candidates;
};
