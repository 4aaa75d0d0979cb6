#include "keyvaluelines.h"

QByteArray KeyValueLines::encode(const QVector<Entry> &entries)
{
    QByteArray text;
    for (const Entry &entry : entries)
        text += entry.first.toUtf8() + '=' + entry.second.toUtf8() + '\n';
    return text;
}

QVector<KeyValueLines::Entry> KeyValueLines::decode(const QByteArray &text)
{
    QVector<Entry> entries;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const int equals = line.indexOf('=');
        if (equals < 0)
            continue;
        entries.append({QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1))});
    }
    return entries;
}

QHash<QString, QString> KeyValueLines::lastValues(const QByteArray &text, const QStringList &keys)
{
    QHash<QString, QString> values;
    for (const Entry &entry : decode(text))
        if (keys.contains(entry.first))
            values.insert(entry.first, entry.second);
    return values;
}
