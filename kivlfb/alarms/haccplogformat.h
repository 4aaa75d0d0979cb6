#pragma once

#include "haccpdata.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The HACCP log's requests, which cross from the controller to its worker,
// and the names of its export, as pure functions. The store and what is read
// from it are HaccpStore's. No file or clock access in here.
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

    // The cut-off for a purge at the given local time: one calendar year back.
    static QString purgeCutoff(const QDateTime &localNow);

    // CSV export.
    static QByteArray csvHeader();
    static QString exportFileName(const QString &serialNumber, const QDateTime &localNow);
    static QString safeFileNamePart(const QString &text);
};
