#pragma once

#include "alarms/haccpdata.h"

#include <QByteArray>
#include <QJsonArray>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>

// The HACCP log worker as it once was: every request reads and parses the
// whole store into a JSON document and every change writes it back. Takes
// the same requests and gives the same completions as FileLogWorker, in the
// same file-system root, so tests can run one sequence through both and
// compare what they leave behind. Not part of the program.
class TreeLogWorker : public QObject
{
    Q_OBJECT

public:
    TreeLogWorker();

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
