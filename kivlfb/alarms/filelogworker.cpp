#include "filelogworker.h"

#include "haccplogformat.h"

#include "platform/kivclock.h"
#include "platform/kivroot.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

const QString FileLogWorker::exportNoStick = QStringLiteral("No USB stick found");
const QString FileLogWorker::exportReadOnly = QStringLiteral("USB stick is read-only");
const QString FileLogWorker::exportFull = QStringLiteral("USB stick is full");
const QString FileLogWorker::exportFailed = QStringLiteral("Export failed");

namespace {
const QString kOk = QStringLiteral("OK");

QString logDir()
{
    return KivRoot::path(QStringLiteral("/root/haccpLogs"));
}

// Makes a rename in the directory survive a power cut.
void syncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Reads the store; a missing store is an empty one. False when it exists
// but cannot be read.
bool readStore(QByteArray *bytes)
{
    QFile file(FileLogWorker::storePath());
    if (!file.exists()) {
        bytes->clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return true;
}

QString exportErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileLogWorker::exportNoStick;
    case EROFS:
    case EACCES:
    case EPERM:
        return FileLogWorker::exportReadOnly;
    case ENOSPC:
    case EDQUOT:
        return FileLogWorker::exportFull;
    default:
        return FileLogWorker::exportFailed;
    }
}
} // namespace

FileLogWorker::FileLogWorker() = default;

QString FileLogWorker::storePath()
{
    return KivRoot::path(QStringLiteral("/root/haccpLogs/haccpLog.json"));
}

QString FileLogWorker::corruptCopyPath()
{
    return storePath() + QStringLiteral(".corrupt");
}

QString FileLogWorker::rewriteStore(const std::function<void(QJsonArray &)> &change)
{
    if (!QDir().mkpath(logDir())) {
        qWarning().noquote() << "HACCP log: cannot create" << logDir();
        return QStringLiteral("Cannot create the log directory");
    }
    QByteArray bytes;
    if (!readStore(&bytes)) {
        qWarning().noquote() << "HACCP log: cannot read" << storePath();
        return QStringLiteral("Cannot read the log");
    }
    HaccpLogFormat::Store store = HaccpLogFormat::parseStore(bytes);
    if (!store.intact) {
        // Not a log we can read, but maybe one a person can: keep it aside
        // before a fresh log replaces it.
        qWarning().noquote() << "HACCP log: unreadable store kept as" << corruptCopyPath();
        QFile::remove(corruptCopyPath());
        QFile::copy(storePath(), corruptCopyPath());
    }
    change(store.entries);

    QSaveFile file(storePath());
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "HACCP log: cannot write" << storePath() << file.errorString();
        return QStringLiteral("Cannot write the log");
    }
    file.write(HaccpLogFormat::storeBytes(store));
    // commit() flushes, syncs the temporary file and renames it over the store.
    if (!file.commit()) {
        qWarning().noquote() << "HACCP log: cannot write" << storePath() << file.errorString();
        return QStringLiteral("Cannot write the log");
    }
    syncDirectory(logDir());
    return kOk;
}

void FileLogWorker::doAddHaccpDataLog(const QByteArray &request)
{
    const HaccpData entry = HaccpLogFormat::entryFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = rewriteStore([&](QJsonArray &entries) { HaccpLogFormat::addEntry(entries, entry); });
    }
    emit addHaccpDone(result);
}

void FileLogWorker::doRemoveHaccpDataLog(const QByteArray &request)
{
    // Only the bin counts: a start record is known by its bin and its open
    // duration alone.
    const HaccpData entry = HaccpLogFormat::entryFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = rewriteStore([&](QJsonArray &entries) {
            HaccpLogFormat::removeStartRecord(entries, entry.binNumber);
        });
    }
    emit removeHaccpDone(result);
}

void FileLogWorker::doRemoveOldHaccpDataLogs(const QByteArray &request)
{
    const QString cutoff = HaccpLogFormat::purgeCutoffFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = rewriteStore([&](QJsonArray &entries) {
            HaccpLogFormat::purgeBefore(entries, cutoff);
        });
    }
    emit removeOldDataDone(result);
}

void FileLogWorker::retrieveAllHaccpData(const QByteArray &request)
{
    const bool all = HaccpLogFormat::retrieveAllFromRequest(request);
    HaccpDataList rows;
    int total = 0;
    {
        QMutexLocker lock(&m_mutex);
        QByteArray bytes;
        if (readStore(&bytes)) {
            const HaccpLogFormat::Store store = HaccpLogFormat::parseStore(bytes);
            total = store.entries.size();
            rows = HaccpLogFormat::modelRows(store.entries, all ? -1 : 250);
        }
    }
    emit retrievAllHaccpDataDone(kOk, total, rows);
}

QString FileLogWorker::writeCsv(const QString &fileName, const QByteArray &content)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        qDebug().noquote() << "Unable to Open File !!!" << (QLatin1Char('"') + fileName + QLatin1Char('"'));
        return exportErrorText(error);
    }
    int error = 0;
    qint64 done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        done += n;
    }
    // The stick may be pulled right after the message: the whole file must
    // be on it by then.
    if (!error && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        qWarning().noquote() << "HACCP export failed:" << fileName << qt_error_string(error);
        QFile::remove(fileName);
        return exportErrorText(error);
    }
    return kOk;
}

void FileLogWorker::doHaccpFileExport(const QByteArray &request)
{
    const HaccpLogFormat::ExportRequest r = HaccpLogFormat::exportFromRequest(request);
    const QString fileName =
        KivRoot::path(HaccpLogFormat::exportFileName(r.serialNumber, KivClock::now()));
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        if (!QFileInfo(QFileInfo(fileName).path()).isDir()) {
            qDebug().noquote() << "Unable to Open File !!!"
                               << (QLatin1Char('"') + fileName + QLatin1Char('"'));
            result = exportNoStick;
        } else {
            QByteArray content = HaccpLogFormat::csvHeader();
            QByteArray bytes;
            if (readStore(&bytes))
                content += HaccpLogFormat::csvLines(HaccpLogFormat::parseStore(bytes).entries,
                                                    r.traysPerZone, r.zonesPerRow);
            result = writeCsv(fileName, content);
        }
    }
    emit fileExportComplete(result);
}
