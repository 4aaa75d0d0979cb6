#pragma once

#include "alarms/haccpdata.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The HACCP store as the log worker once handled it: the whole file parsed
// into a JSON document, changed and written back, on every request. Slow
// for a year of holds, but plain; kept as the reference the worker's own
// store is checked against, byte for byte. Not part of the program.
class TreeLogFormat
{
public:
    static const QString openDuration;

    struct Store
    {
        QJsonObject root;
        QJsonArray entries;
        bool intact = true;
    };
    static Store parseStore(const QByteArray &bytes);
    static QByteArray storeBytes(const Store &store);
    static QJsonObject entryObject(const HaccpData &entry);
    static void addEntry(QJsonArray &entries, const HaccpData &entry);
    static bool removeStartRecord(QJsonArray &entries, int binNumber);
    static int purgeBefore(QJsonArray &entries, const QString &cutoffDate);

    static HaccpDataList modelRows(const QJsonArray &entries, int limit);
    static QString modelDate(const QString &stored);
    static QString modelTime(const QString &stored);
    static QString modelDuration(const QString &storedDuration);

    static QByteArray csvLines(const QJsonArray &entries, int traysPerZone, int zonesPerRow);
    static QString csvText(const QString &field);
};
