#pragma once

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// The small text files that carry an update offer, its outcome and parked
// identity numbers from one run of the program to the next: one
// "key=value\n" line per entry, no spaces around the "=".
class KeyValueLines
{
public:
    using Entry = QPair<QString, QString>;

    static QByteArray encode(const QVector<Entry> &entries);

    // Every line that holds an "=", in file order: the text before the first
    // "=" and everything after it. Lines without one are skipped; a line may
    // end in "\r\n".
    static QVector<Entry> decode(const QByteArray &text);

    // The value of each of keys, taken from the last line that names it;
    // keys that no line names are absent from the result.
    static QHash<QString, QString> lastValues(const QByteArray &text, const QStringList &keys);
};
