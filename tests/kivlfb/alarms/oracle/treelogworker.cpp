#include "treelogworker.h"

#include "treelogformat.h"

#include "alarms/filelogworker.h"
#include "alarms/haccplogformat.h"

#include "platform/boundedfile.h"
#include "platform/damagedfiles.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
const QString kOk = QStringLiteral("OK");

QString logDir()
{
    return KivRoot::path(QStringLiteral("/root/haccpLogs"));
}

// What the store on disk holds. A store that exists but is empty, too
// large or not a log is damaged: it is never read as a good empty log.
enum class StoreState { Read, Missing, Unreadable, Damaged };

StoreState readStore(TreeLogFormat::Store *store)
{
    QByteArray bytes;
    switch (BoundedFile::read(FileLogWorker::storePath(), BoundedFile::LargeFileLimit, &bytes)) {
    case BoundedFile::Missing:
        *store = TreeLogFormat::Store();
        return StoreState::Missing;
    case BoundedFile::Unreadable:
        return StoreState::Unreadable;
    case BoundedFile::TooLarge:
        return StoreState::Damaged;
    case BoundedFile::Read:
        break;
    }
    *store = TreeLogFormat::parseStore(bytes);
    return store->intact ? StoreState::Read : StoreState::Damaged;
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

TreeLogWorker::TreeLogWorker() = default;

QString TreeLogWorker::rewriteStore(const std::function<void(QJsonArray &)> &change)
{
    if (!QDir().mkpath(logDir())) {
        qWarning().noquote() << "HACCP log: cannot create" << logDir();
        return QStringLiteral("Cannot create the log directory");
    }
    TreeLogFormat::Store store;
    switch (readStore(&store)) {
    case StoreState::Unreadable:
        qWarning().noquote() << "HACCP log: cannot read" << FileLogWorker::storePath();
        return QStringLiteral("Cannot read the log");
    case StoreState::Damaged: {
        // Not a log we can read, but maybe one a person can: it goes aside
        // under a name of its own before a fresh log takes its place.
        const QString kept = DamagedFiles::moveAside(FileLogWorker::storePath());
        if (kept.isEmpty()) {
            qWarning().noquote() << "HACCP log: unreadable store" << FileLogWorker::storePath()
                                 << "cannot be kept aside; it stays and nothing is logged";
            return QStringLiteral("Cannot keep the damaged log");
        }
        qWarning().noquote() << "HACCP log: unreadable store kept as" << kept;
        store = TreeLogFormat::Store();
        break;
    }
    case StoreState::Read:
    case StoreState::Missing:
        break;
    }
    const int before = store.entries.size();
    change(store.entries);

    QString error;
    if (DurableFile::replace(FileLogWorker::storePath(), TreeLogFormat::storeBytes(store), &error) != DurableFile::Replaced) {
        qWarning().noquote() << QStringLiteral("HACCP log: cannot write %1 (%2); it keeps its %3 earlier entries")
                                    .arg(FileLogWorker::storePath(), error).arg(before);
        return QStringLiteral("Cannot write the log");
    }
    return kOk;
}

void TreeLogWorker::doAddHaccpDataLog(const QByteArray &request)
{
    const HaccpData entry = HaccpLogFormat::entryFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = rewriteStore([&](QJsonArray &entries) { TreeLogFormat::addEntry(entries, entry); });
    }
    emit addHaccpDone(result);
}

void TreeLogWorker::doRemoveHaccpDataLog(const QByteArray &request)
{
    // Only the bin counts: a start record is known by its bin and its open
    // duration alone.
    const HaccpData entry = HaccpLogFormat::entryFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = rewriteStore([&](QJsonArray &entries) {
            TreeLogFormat::removeStartRecord(entries, entry.binNumber);
        });
    }
    emit removeHaccpDone(result);
}

void TreeLogWorker::doRemoveOldHaccpDataLogs(const QByteArray &request)
{
    const QString cutoff = HaccpLogFormat::purgeCutoffFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = rewriteStore([&](QJsonArray &entries) {
            TreeLogFormat::purgeBefore(entries, cutoff);
        });
    }
    emit removeOldDataDone(result);
}

void TreeLogWorker::retrieveAllHaccpData(const QByteArray &request)
{
    const bool all = HaccpLogFormat::retrieveAllFromRequest(request);
    HaccpDataList rows;
    int total = 0;
    {
        QMutexLocker lock(&m_mutex);
        TreeLogFormat::Store store;
        if (readStore(&store) != StoreState::Unreadable) {
            total = store.entries.size();
            rows = TreeLogFormat::modelRows(store.entries, all ? -1 : 250);
        }
    }
    emit retrievAllHaccpDataDone(kOk, total, rows);
}

QString TreeLogWorker::writeCsv(const QString &fileName, const QByteArray &content)
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

void TreeLogWorker::doHaccpFileExport(const QByteArray &request)
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
            result = FileLogWorker::exportNoStick;
        } else {
            QByteArray content = HaccpLogFormat::csvHeader();
            TreeLogFormat::Store store;
            if (readStore(&store) != StoreState::Unreadable)
                content += TreeLogFormat::csvLines(store.entries, r.traysPerZone, r.zonesPerRow);
            result = writeCsv(fileName, content);
        }
    }
    emit fileExportComplete(result);
}
