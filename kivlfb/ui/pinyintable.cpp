#include "pinyintable.h"

#include <QDebug>
#include <QFile>

#include <algorithm>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initPinyinResource()
{
    Q_INIT_RESOURCE(pinyin);
}

namespace {

const char kTableFile[] = ":/pinyin/pinyintable.txt";

bool isSyllable(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return false;
    return true;
}

} // namespace

PinyinTable::PinyinTable(QObject *parent)
    : QObject(parent)
{
}

PinyinTable::Parsed PinyinTable::parse(const QByteArray &text)
{
    Parsed table;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        auto reject = [&](const char *why) {
            table.errors << QStringLiteral("line %1: %2").arg(i + 1).arg(QLatin1String(why));
        };
        const int space = line.indexOf(QLatin1Char(' '));
        const QString syllable = line.left(space);
        const QString candidates = space < 0 ? QString() : line.mid(space + 1);
        if (!isSyllable(syllable)) {
            reject("the syllable is not lowercase a to z");
            continue;
        }
        if (candidates.isEmpty() || candidates.contains(QLatin1Char(' '))) {
            reject("no candidates, or more than one field");
            continue;
        }
        if (!table.syllables.isEmpty() && syllable <= table.syllables.last()) {
            reject("syllable out of order or repeated");
            continue;
        }
        table.syllables << syllable;
        table.candidates << candidates;
    }
    return table;
}

void PinyinTable::load() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    initPinyinResource();
    QFile file{QLatin1String(kTableFile)};
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "Pinyin table: cannot read" << kTableFile;
        return;
    }
    Parsed table = parse(file.readAll());
    for (const QString &error : qAsConst(table.errors))
        qWarning().noquote() << "Pinyin table:" << error;
    m_syllables = std::move(table.syllables);
    m_candidates = std::move(table.candidates);
}

int PinyinTable::lowerBound(const QString &chars) const
{
    load();
    return int(std::lower_bound(m_syllables.cbegin(), m_syllables.cend(), chars) - m_syllables.cbegin());
}

QString PinyinTable::get(const QString &chars) const
{
    const int i = lowerBound(chars);
    if (i < m_syllables.size() && m_syllables.at(i) == chars)
        return m_candidates.at(i);
    return QString();
}

bool PinyinTable::isPrefix(const QString &chars) const
{
    if (chars.isEmpty())
        return false;
    const int i = lowerBound(chars);
    return i < m_syllables.size() && m_syllables.at(i).startsWith(chars);
}

QStringList PinyinTable::syllables() const
{
    load();
    return m_syllables;
}
