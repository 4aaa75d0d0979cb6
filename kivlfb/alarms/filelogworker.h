#pragma once

#include "haccpdata.h"
#include "haccpstore.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

// Does all file work of the HACCP log on a thread of its own, one request at
// a time: add, remove, purge, read for the screen and CSV export. Each request
// arrives as one byte array (see HaccpLogFormat) and holds the mutex, the
// guard of the store, to its end.
//
// The store is read from its file once and kept (HaccpStore); it is read
// again only when the file on disk is no longer the one written or read
// last. Every change rewrites the whole file through DurableFile: a power
// cut or a full disk leaves the old store or the new one, never a torn or
// empty one, and a failed write is logged and answered with a failure text.
// A store that cannot be read is moved aside (DamagedFiles) before a fresh
// one replaces it.
//
// A hold's stop comes as a removal of its start record at once followed by
// the finished record: the removal is written with whatever request comes
// next, so the pair costs one rewrite. Any request other than a change, and
// a queued write of its own when nothing else comes, writes it first.
class FileLogWorker : public QObject
{
    Q_OBJECT

public:
    FileLogWorker();
    // Writes a removal still waiting for its write.
    ~FileLogWorker() override;

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

private slots:
    void writeWaitingRemovals();

private:
    // What the file system says of the store file; equal stamps mean the
    // file was not touched in between.
    struct FileStamp
    {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileStamp &o) const
        {
            return exists == o.exists && device == o.device && inode == o.inode && size == o.size
                && modifiedNs == o.modifiedNs;
        }
        static FileStamp of(const QString &path);
    };
    enum class StoreState { Read, Missing, Unreadable, Damaged };

    // The caller holds the mutex in all of these.
    StoreState loadStore();
    QString prepareChange();
    QString writeStore();
    void writeWaitingRemovalsFirst();
    void settleRemovals(const QString &result);
    QString writeCsv(const QString &fileName, int traysPerZone, int zonesPerRow, bool withEntries);
    void giveMemoryBack();

    // After the mutex is let go: the completions of removals now written.
    void emitSettledRemovals();

    QMutex m_mutex;
    HaccpStore m_store;
    // The file m_store was read from or last written to.
    FileStamp m_stamp;
    bool m_loaded = false;
    // m_store differs from the file: a change is not written yet, or the
    // file is missing or laid out otherwise.
    bool m_dirty = false;
    int m_entriesOnDisk = 0;
    int m_waitingRemovals = 0;
    bool m_writeQueued = false;
    QStringList m_removalResults;
    bool m_trimDue = false;
};
