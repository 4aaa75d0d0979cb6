#pragma once

#include "haccpdata.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The HACCP log's formats as pure functions: the requests that cross from the
// controller to its worker, the JSON store, the rows shown on the screen and
// the CSV export. No file or clock access in here.
//
// The store is one compact JSON object, keys in ascending order:
//   {"desc":"HACCP Data Log","haccpInfo":[{"b":5,"d":"2024/03/01","e":false,
//     "h":"00:45:00","p":"Fries","t":"09:15:00"}, ...]}
// newest entry first. Members of the root that we do not know are kept.
class HaccpLogFormat
{
public:
    static const QString openDuration; // "----": the hold has not ended yet

    // Requests (framework data stream, default version).
    static QByteArray entryRequest(const HaccpData &entry);
    static HaccpData entryFromRequest(const QByteArray &request);
    static QByteArray purgeRequest(const QString &cutoffDate);
    static QString purgeCutoffFromRequest(const QByteArray &request);
    static QByteArray readRequest(bool retrieveAll);
    static bool retrieveAllFromRequest(const QByteArray &request);
    struct ExportRequest
    {
        QString serialNumber;
        int traysPerZone = 0;
        int zonesPerRow = 0;
    };
    static QByteArray exportRequest(const ExportRequest &request);
    static ExportRequest exportFromRequest(const QByteArray &request);

    // The store.
    struct Store
    {
        QJsonObject root;
        QJsonArray entries;
        // False when the bytes held something that is not a log (empty bytes
        // included): rewriting would throw it away, so the caller keeps it
        // aside first.
        bool intact = true;
    };
    static Store parseStore(const QByteArray &bytes);
    static QByteArray storeBytes(const Store &store);
    static QJsonObject entryObject(const HaccpData &entry);
    static void addEntry(QJsonArray &entries, const HaccpData &entry);
    // Removes the newest start record of the bin (and malformed entries
    // passed on the way). Returns whether a start record was found.
    static bool removeStartRecord(QJsonArray &entries, int binNumber);
    // Removes entries dated before the cut-off ("yyyy/MM/dd") and entries
    // without a readable date. Returns how many went.
    static int purgeBefore(QJsonArray &entries, const QString &cutoffDate);
    // The cut-off for a purge at the given local time: one calendar year back.
    static QString purgeCutoff(const QDateTime &localNow);

    // Rows for the screen, newest first; limit < 0 means all.
    static HaccpDataList modelRows(const QJsonArray &entries, int limit);
    static QString modelDate(const QString &stored);
    static QString modelTime(const QString &stored);
    static QString modelDuration(const QString &storedDuration);

    // CSV export.
    static QByteArray csvHeader();
    static QByteArray csvLines(const QJsonArray &entries, int traysPerZone, int zonesPerRow);
    static QString csvText(const QString &field);
    static QString exportFileName(const QString &serialNumber, const QDateTime &localNow);
    static QString safeFileNamePart(const QString &text);
};
