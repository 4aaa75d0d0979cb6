#include "treelogformat.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QStringList>
#include <QTime>

const QString TreeLogFormat::openDuration = QStringLiteral("----");

namespace {
bool isDigits(const QString &text, int from, int count)
{
    for (int i = from; i < from + count; ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Strict "yyyy/MM/dd". Parsed by hand: the log holds tens of thousands of
// dates and every change and every read goes through all of them.
QDate storedDate(const QString &text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('/') || text[7] != QLatin1Char('/')
        || !isDigits(text, 0, 4) || !isDigits(text, 5, 2) || !isDigits(text, 8, 2))
        return QDate();
    return QDate(text.leftRef(4).toInt(), text.midRef(5, 2).toInt(), text.midRef(8, 2).toInt());
}

// Strict "HH:mm:ss".
bool isStoredTime(const QString &text)
{
    return text.size() == 8 && text[2] == QLatin1Char(':') && text[5] == QLatin1Char(':')
        && isDigits(text, 0, 2) && isDigits(text, 3, 2) && isDigits(text, 6, 2)
        && QTime::isValid(text.leftRef(2).toInt(), text.midRef(3, 2).toInt(),
                          text.midRef(6, 2).toInt());
}
} // namespace

// ---------------------------------------------------------------------------
// Store

TreeLogFormat::Store TreeLogFormat::parseStore(const QByteArray &bytes)
{
    Store store;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject()) {
        // Empty bytes too: a store is never written empty, so an empty one
        // is what a failed write left behind, not a fresh log.
        store.intact = false;
        return store;
    }
    store.root = doc.object();
    const auto info = store.root.constFind(QLatin1String("haccpInfo"));
    if (info != store.root.constEnd()) {
        if (info->isArray())
            store.entries = info->toArray();
        else
            store.intact = false;
    }
    return store;
}

QByteArray TreeLogFormat::storeBytes(const Store &store)
{
    QJsonObject root = store.root;
    root.insert(QStringLiteral("haccpInfo"), store.entries);
    root.insert(QStringLiteral("desc"), QStringLiteral("HACCP Data Log"));
    // The framework writes object members sorted by key, as the store wants.
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QJsonObject TreeLogFormat::entryObject(const HaccpData &e)
{
    QJsonObject o;
    o.insert(QStringLiteral("p"), e.name);
    o.insert(QStringLiteral("d"), e.date);
    o.insert(QStringLiteral("t"), e.time);
    o.insert(QStringLiteral("h"), e.duration);
    o.insert(QStringLiteral("e"), e.expired);
    o.insert(QStringLiteral("b"), int(e.binNumber));
    return o;
}

void TreeLogFormat::addEntry(QJsonArray &entries, const HaccpData &entry)
{
    entries.insert(0, entryObject(entry));
}

bool TreeLogFormat::removeStartRecord(QJsonArray &entries, int binNumber)
{
    int i = 0;
    while (i < entries.size()) {
        const QJsonObject o = entries.at(i).toObject();
        if (!o.contains(QLatin1String("d")) || !o.contains(QLatin1String("t"))
            || !o.contains(QLatin1String("b"))) {
            entries.removeAt(i);
            continue;
        }
        if (o.value(QLatin1String("b")).toInt() == binNumber
            && o.value(QLatin1String("h")).toString() == openDuration) {
            entries.removeAt(i);
            return true;
        }
        ++i;
    }
    return false;
}

int TreeLogFormat::purgeBefore(QJsonArray &entries, const QString &cutoffDate)
{
    const QDate cutoff = storedDate(cutoffDate);
    int removed = 0;
    int i = 0;
    while (i < entries.size()) {
        const QJsonObject o = entries.at(i).toObject();
        const QJsonValue d = o.value(QLatin1String("d"));
        // A date that does not parse is earlier than every date; an unreadable
        // cut-off is earlier than every real date, so it removes nothing good.
        const QDate date = storedDate(d.toString());
        if (d.isUndefined() || !date.isValid() || (cutoff.isValid() && date < cutoff)) {
            entries.removeAt(i);
            ++removed;
        } else {
            ++i;
        }
    }
    return removed;
}

// ---------------------------------------------------------------------------
// Screen rows

QString TreeLogFormat::modelDate(const QString &stored)
{
    // "yyyy/MM/dd" -> "MM/dd"
    return storedDate(stored).isValid() ? stored.mid(5) : QString();
}

QString TreeLogFormat::modelTime(const QString &stored)
{
    // "HH:mm:ss" -> "HH:mm"
    return isStoredTime(stored) ? stored.left(5) : QString();
}

QString TreeLogFormat::modelDuration(const QString &storedDuration)
{
    if (storedDuration == openDuration)
        return openDuration;
    // "H...H:mm:ss" with at least two hour digits. Holds of a day or more keep
    // their hours ("123:05"); shorter ones read as a time of day would.
    const QStringList parts = storedDuration.split(QLatin1Char(':'));
    if (parts.size() != 3 || parts[0].size() < 2 || parts[1].size() != 2 || parts[2].size() != 2)
        return QString();
    for (const QString &p : parts) {
        if (!isDigits(p, 0, p.size()))
            return QString();
    }
    if (parts[1].toInt() > 59 || parts[2].toInt() > 59)
        return QString();
    return parts[0] + QLatin1Char(':') + parts[1];
}

HaccpDataList TreeLogFormat::modelRows(const QJsonArray &entries, int limit)
{
    HaccpDataList rows;
    for (const QJsonValue &v : entries) {
        if (limit >= 0 && rows.size() >= limit)
            break;
        const QJsonObject o = v.toObject();
        HaccpData row;
        row.name = o.value(QLatin1String("p")).toString();
        row.date = modelDate(o.value(QLatin1String("d")).toString());
        row.time = modelTime(o.value(QLatin1String("t")).toString());
        row.duration = modelDuration(o.value(QLatin1String("h")).toString());
        row.expired = o.value(QLatin1String("e")).toBool(false);
        row.binNumber = o.value(QLatin1String("b")).toInt(0);
        rows.append(row);
    }
    return rows;
}

// ---------------------------------------------------------------------------
// CSV

QString TreeLogFormat::csvText(const QString &field)
{
    QString text = field;
    // A spreadsheet would run a leading = + - @ as a formula.
    if (!text.isEmpty()
        && (text[0] == QLatin1Char('=') || text[0] == QLatin1Char('+')
            || text[0] == QLatin1Char('-') || text[0] == QLatin1Char('@')))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
        text.replace(QLatin1Char('"'), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QByteArray TreeLogFormat::csvLines(const QJsonArray &entries, int traysPerZone, int zonesPerRow)
{
    const qint64 binsPerShelf = qint64(traysPerZone) * zonesPerRow;
    QByteArray out;
    for (const QJsonValue &v : entries) {
        const QJsonObject o = v.toObject();
        const QString duration = o.value(QLatin1String("h")).toString();
        const bool open = (duration == openDuration);
        const QString discarded = open ? openDuration
            : (o.value(QLatin1String("e")).toBool(false) ? QStringLiteral("Yes")
                                                         : QStringLiteral("No"));
        // Without a shelf layout there is no shelf to name: leave it empty.
        const QString shelf = binsPerShelf > 0
            ? QString::number(o.value(QLatin1String("b")).toInt(0) / binsPerShelf + 1)
            : QString();
        const QString line = csvText(o.value(QLatin1String("p")).toString()) + QLatin1Char(',')
            + shelf + QLatin1Char(',')
            + modelDate(o.value(QLatin1String("d")).toString()) + QLatin1Char(' ')
            + modelTime(o.value(QLatin1String("t")).toString()) + QLatin1Char(',')
            + discarded + QLatin1Char(',') + (open ? openDuration : modelDuration(duration))
            + QLatin1String(",\n");
        out += line.toUtf8();
    }
    return out;
}
