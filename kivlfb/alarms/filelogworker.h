#pragma once

#include "haccpdata.h"

#include <QByteArray>
#include <QJsonArray>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>

// Does all file work of the HACCP log on a thread of its own, one request at
// a time: add, remove, purge, read for the screen and CSV export. Each request
// arrives as one byte array (see HaccpLogFormat) and holds the mutex, the
// guard of the store, to its end.
//
// Every change rewrites the whole store through DurableFile: a power cut or
// a full disk leaves the old store or the new one, never a torn or empty one,
// and a failed write is logged and answered with a failure text. A store
// that cannot be read is moved aside (DamagedFiles) before a fresh one
// replaces it.
class FileLogWorker : public QObject
{
    Q_OBJECT

public:
    FileLogWorker();

    static QString storePath();

    // Export results other than "OK".
    static const QString exportNoStick;
    static const QString exportReadOnly;
    static const QString exportFull;
    static const QString exportFailed;

public slots:
    void doAddHaccpDataLog(const QByteArray &request);
    void doRemoveHaccpDataLog(const QByteArray &request);
    void doRemoveOldHaccpDataLogs(const QByteArray &request);
    void retrieveAllHaccpData(const QByteArray &request);
    void doHaccpFileExport(const QByteArray &request);

signals:
    void addHaccpDone(const QString &result);
    void removeHaccpDone(const QString &result);
    void removeOldDataDone(const QString &result);
    // The rows are built here and handed over with the completion, so the
    // screen's model changes only on its own thread and all at once.
    void retrievAllHaccpDataDone(const QString &result, int totalCount, const HaccpDataList &rows);
    void fileExportComplete(const QString &result);

private:
    // Read, change, write back; the caller holds the mutex.
    QString rewriteStore(const std::function<void(QJsonArray &)> &change);
    QString writeCsv(const QString &fileName, const QByteArray &content);

    QMutex m_mutex;
};
