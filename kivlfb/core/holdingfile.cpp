#include "holdingfile.h"

#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const QString kTimeStamp = QStringLiteral("timeStamp");
const QString kTrayBarInfo = QStringLiteral("trayBarInfo");
const QString kNextDayPart = QStringLiteral("nextDayPart");
const QString kZoneCurrent = QStringLiteral("zoneCurrentDaypart");
const QString kZoneNext = QStringLiteral("zoneNextDaypart");
const QString kIndex = QStringLiteral("index");
const QString kValue = QStringLiteral("value");

// A number from the file as a whole number; anything else, or a number no
// field could hold, reads as 0 (a missing key reads as 0 too).
qint64 wholeNumber(const QJsonValue &value)
{
    const double d = value.toDouble();
    if (!std::isfinite(d) || d < -9.2e18 || d > 9.2e18)
        return 0;
    return qint64(d);
}

int smallNumber(const QJsonValue &value)
{
    return int(qBound<qint64>(INT_MIN, wholeNumber(value), INT_MAX));
}

bool isStaleAt(qint64 timeStamp, qint64 now)
{
    // A time stamp in the future (the clock was set back) is not stale.
    return now - timeStamp > HoldingFile::StaleAfterMs;
}

QJsonArray zoneArray(const QVector<int> &dayParts)
{
    QJsonArray zones;
    for (int i = 0; i < dayParts.size(); ++i)
        zones.append(QJsonObject{{kIndex, i}, {kValue, dayParts.at(i)}});
    return zones;
}

void readZoneArray(const QJsonValue &array, QVector<int> *dayParts)
{
    for (const QJsonValue &entry : array.toArray()) {
        const QJsonObject zone = entry.toObject();
        const qint64 index = wholeNumber(zone.value(kIndex));
        if (index >= 0 && index < dayParts->size())
            (*dayParts)[int(index)] = smallNumber(zone.value(kValue));
    }
}

} // namespace

QByteArray HoldingFile::toJson(const State &state, qint64 timeStamp)
{
    QJsonArray records;
    for (const trayInfo &ti : state.records) {
        records.append(QJsonObject{
            {QStringLiteral("binNumber"), int(ti.binNumber)},
            {QStringLiteral("holdActivity"), int(ti.holdActivity)},
            {QStringLiteral("dayPart"), int(ti.dayPart)},
            {QStringLiteral("isGroup"), int(ti.isGroup)},
            {QStringLiteral("groupId"), qint64(ti.groupId)},
            {QStringLiteral("groupIndex"), int(ti.groupIndex)},
            {QStringLiteral("remainingTime"), int(ti.remainingTime)},
            {QStringLiteral("expectedTime"), qint64(ti.expectedTime)},
            {QStringLiteral("processId"), qint64(ti.processId)},
        });
    }
    QJsonObject document;
    document.insert(kTimeStamp, timeStamp);
    document.insert(kTrayBarInfo, records);
    document.insert(kNextDayPart, state.nextDayPart);
    document.insert(kZoneCurrent, zoneArray(state.zoneCurrentDayParts));
    document.insert(kZoneNext, zoneArray(state.zoneNextDayParts));
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

bool HoldingFile::mergeJson(const QByteArray &bytes, qint64 now, State *state, bool *stale)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject document = doc.object();

    *stale = !document.contains(kTimeStamp) || isStaleAt(wholeNumber(document.value(kTimeStamp)), now);

    for (const QJsonValue &entry : document.value(kTrayBarInfo).toArray()) {
        const QJsonObject r = entry.toObject();
        const qint64 bin = wholeNumber(r.value(QStringLiteral("binNumber")));
        if (bin < 0 || bin >= state->records.size())
            continue;
        const int activity = smallNumber(r.value(QStringLiteral("holdActivity")));
        if (*stale || !isHoldInProgress(activity))
            continue;
        trayInfo ti;
        ti.binNumber = quint8(bin);
        ti.holdActivity = quint8(activity);
        ti.dayPart = quint8(smallNumber(r.value(QStringLiteral("dayPart"))));
        ti.isGroup = quint8(smallNumber(r.value(QStringLiteral("isGroup"))));
        ti.groupId = quint32(wholeNumber(r.value(QStringLiteral("groupId"))));
        ti.groupIndex = quint8(smallNumber(r.value(QStringLiteral("groupIndex"))));
        ti.remainingTime = smallNumber(r.value(QStringLiteral("remainingTime")));
        ti.expectedTime = wholeNumber(r.value(QStringLiteral("expectedTime")));
        ti.processId = wholeNumber(r.value(QStringLiteral("processId")));
        state->records[int(bin)] = ti;
    }

    state->nextDayPart = smallNumber(document.value(kNextDayPart));
    state->zoneCurrentDayParts.fill(state->nextDayPart);
    state->zoneNextDayParts.fill(state->nextDayPart);
    readZoneArray(document.value(kZoneCurrent), &state->zoneCurrentDayParts);
    readZoneArray(document.value(kZoneNext), &state->zoneNextDayParts);
    return true;
}

bool HoldingFile::mergeLegacy(const QByteArray &bytes, qint64 now, State *state, bool *stale)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::BigEndian);

    qint64 timeStamp = 0;
    in >> timeStamp;
    State merged = *state;
    const bool isStale = isStaleAt(timeStamp, now);
    for (int i = 0; i < merged.records.size(); ++i) {
        qint8 bin = 0, activity = 0, dayPart = 0, isGroup = 0, groupIndex = 0;
        qint32 groupId = 0, remaining = 0;
        qint64 expected = 0;
        in >> bin >> activity >> dayPart >> isGroup >> groupId >> groupIndex >> remaining >> expected;
        if (isStale || !isHoldInProgress(activity) || bin < 0 || bin >= merged.records.size())
            continue;
        trayInfo ti;
        ti.binNumber = quint8(bin);
        ti.holdActivity = quint8(activity);
        ti.dayPart = quint8(dayPart);
        ti.isGroup = quint8(isGroup);
        ti.groupId = quint32(groupId);
        ti.groupIndex = quint8(groupIndex);
        ti.remainingTime = remaining;
        ti.expectedTime = expected;
        ti.processId = 0; // the older file has none
        merged.records[i] = ti;
    }
    qint32 nextDayPart = 0;
    in >> nextDayPart;
    // A stream that ended inside the records is not a holding file: half a
    // table would restore holds that were never in it.
    if (in.status() != QDataStream::Ok)
        return false;

    merged.nextDayPart = nextDayPart;
    merged.zoneCurrentDayParts.fill(nextDayPart);
    merged.zoneNextDayParts.fill(nextDayPart);
    // Older files may stop after the next day part.
    for (int &dayPart : merged.zoneCurrentDayParts) {
        qint32 value = 0;
        if (in.atEnd())
            break;
        in >> value;
        if (in.status() == QDataStream::Ok)
            dayPart = value;
    }
    for (int &dayPart : merged.zoneNextDayParts) {
        qint32 value = 0;
        if (in.atEnd())
            break;
        in >> value;
        if (in.status() == QDataStream::Ok)
            dayPart = value;
    }
    *state = merged;
    *stale = isStale;
    return true;
}
