#include "filelogworker.h"

#include "haccplogformat.h"

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
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

const QString FileLogWorker::exportNoStick = QStringLiteral("No USB stick found");
const QString FileLogWorker::exportReadOnly = QStringLiteral("USB stick is read-only");
const QString FileLogWorker::exportFull = QStringLiteral("USB stick is full");
const QString FileLogWorker::exportFailed = QStringLiteral("Export failed");

namespace {
const QString kOk = QStringLiteral("OK");
// Reading a store this large leaves enough freed memory behind to be worth
// handing back to the system at once.
const int kLargeStore = 1 << 20;
const int kSpare = 64 << 10;
const qint64 kCsvWriteBack = 1 << 20;

QString logDir()
{
    return KivRoot::path(QStringLiteral("/root/haccpLogs"));
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

// The kernel stamps a write with a clock of coarse ticks, so a rewrite by
// someone else within the same tick and of the same size would look like our
// own file. Ours carries the precise time of its write instead.
void stampPrecisely(DurableFile &out)
{
    auto *file = static_cast<QFileDevice *>(out.device());
    if (!file->flush())
        return;
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    ::clock_gettime(CLOCK_REALTIME, &times[1]);
    ::futimens(file->handle(), times);
}
} // namespace

FileLogWorker::FileStamp FileLogWorker::FileStamp::of(const QString &path)
{
    FileStamp stamp;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

FileLogWorker::FileLogWorker() = default;

FileLogWorker::~FileLogWorker()
{
    {
        QMutexLocker lock(&m_mutex);
        writeWaitingRemovalsFirst();
    }
    emitSettledRemovals();
}

QString FileLogWorker::storePath()
{
    return KivRoot::path(QStringLiteral("/root/haccpLogs/haccpLog.json"));
}

FileLogWorker::StoreState FileLogWorker::loadStore()
{
    const FileStamp now = FileStamp::of(storePath());
    if (m_loaded && now == m_stamp)
        return now.exists ? StoreState::Read : StoreState::Missing;
    // Someone else's file has taken the place of ours: removals waiting for
    // their write were made to the store it replaced, and go with it, as if
    // written just before.
    settleRemovals(kOk);
    m_loaded = false;
    m_dirty = false;
    if (m_store.bytes().size() >= kLargeStore)
        m_trimDue = true;

    // The store is read with room for weeks of holds behind it: the bytes
    // are kept, and each add grows them.
    QByteArray bytes;
    const BoundedFile::Result read = now.exists
        ? BoundedFile::read(storePath(), BoundedFile::LargeFileLimit, &bytes, kSpare + now.size / 16)
        : BoundedFile::Missing;
    switch (read) {
    case BoundedFile::Missing:
        m_store.clear();
        m_stamp = FileStamp();
        m_loaded = true;
        m_dirty = true;
        m_entriesOnDisk = 0;
        return StoreState::Missing;
    case BoundedFile::Unreadable:
        m_store.clear();
        return StoreState::Unreadable;
    case BoundedFile::TooLarge:
        m_store.clear();
        return StoreState::Damaged;
    case BoundedFile::Read:
        break;
    }
    if (bytes.size() >= kLargeStore)
        m_trimDue = true;
    const HaccpStore::Load load = m_store.load(bytes);
    if (load == HaccpStore::Load::NotALog)
        return StoreState::Damaged;
    m_stamp = now;
    m_loaded = true;
    m_dirty = load == HaccpStore::Load::Normalised;
    m_entriesOnDisk = m_store.count();
    return StoreState::Read;
}

// Everything a change needs before it is made: the directory, and the store
// read. On a failure the removals still waiting fail with it: they are not
// written, and the store is read again from the file.
QString FileLogWorker::prepareChange()
{
    QString failure;
    if (!QDir().mkpath(logDir())) {
        qWarning().noquote() << "HACCP log: cannot create" << logDir();
        failure = QStringLiteral("Cannot create the log directory");
    } else {
        switch (loadStore()) {
        case StoreState::Unreadable:
            qWarning().noquote() << "HACCP log: cannot read" << storePath();
            failure = QStringLiteral("Cannot read the log");
            break;
        case StoreState::Damaged: {
            // Not a log we can read, but maybe one a person can: it goes
            // aside under a name of its own before a fresh log takes its
            // place.
            const QString kept = DamagedFiles::moveAside(storePath());
            if (kept.isEmpty()) {
                qWarning().noquote() << "HACCP log: unreadable store" << storePath()
                                     << "cannot be kept aside; it stays and nothing is logged";
                failure = QStringLiteral("Cannot keep the damaged log");
                break;
            }
            qWarning().noquote() << "HACCP log: unreadable store kept as" << kept;
            m_store.clear();
            m_stamp = FileStamp::of(storePath());
            m_loaded = true;
            m_dirty = true;
            m_entriesOnDisk = 0;
            break;
        }
        case StoreState::Read:
        case StoreState::Missing:
            break;
        }
    }
    if (!failure.isEmpty() && m_waitingRemovals > 0) {
        settleRemovals(failure);
        m_loaded = false;
        m_dirty = false;
    }
    return failure;
}

// Writes the store when it differs from the file, and settles the removals
// that were waiting for it.
QString FileLogWorker::writeStore()
{
    QString result = kOk;
    if (m_dirty) {
        DurableFile out(storePath());
        DurableFile::Result written = DurableFile::OpenFailed;
        if (out.open()) {
            out.write(m_store.bytes());
            stampPrecisely(out);
            written = out.commit();
        }
        m_dirty = false;
        if (written == DurableFile::Replaced) {
            m_stamp = FileStamp::of(storePath());
            m_entriesOnDisk = m_store.count();
        } else {
            qWarning().noquote() << QStringLiteral("HACCP log: cannot write %1 (%2); it keeps its %3 earlier entries")
                                        .arg(storePath(), out.errorString())
                                        .arg(m_entriesOnDisk);
            // The file holds what it held: the store is read from it again.
            m_loaded = false;
            result = QStringLiteral("Cannot write the log");
        }
    }
    settleRemovals(result);
    return result;
}

void FileLogWorker::writeWaitingRemovalsFirst()
{
    if (m_waitingRemovals == 0)
        return;
    loadStore(); // settles them when the file was replaced meanwhile
    if (m_waitingRemovals > 0)
        writeStore();
}

void FileLogWorker::settleRemovals(const QString &result)
{
    for (; m_waitingRemovals > 0; --m_waitingRemovals)
        m_removalResults.append(result);
}

void FileLogWorker::emitSettledRemovals()
{
    QStringList results;
    {
        QMutexLocker lock(&m_mutex);
        results.swap(m_removalResults);
    }
    for (const QString &result : qAsConst(results))
        emit removeHaccpDone(result);
}

void FileLogWorker::giveMemoryBack()
{
    if (!m_trimDue)
        return;
    m_trimDue = false;
#if defined(__GLIBC__)
    // Freed memory stays with the thread's allocator arena otherwise, and a
    // year of log read once would weigh on the program for good.
    ::malloc_trim(0);
#endif
}

void FileLogWorker::writeWaitingRemovals()
{
    {
        QMutexLocker lock(&m_mutex);
        m_writeQueued = false;
        writeWaitingRemovalsFirst();
        giveMemoryBack();
    }
    emitSettledRemovals();
}

void FileLogWorker::doAddHaccpDataLog(const QByteArray &request)
{
    const HaccpData entry = HaccpLogFormat::entryFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = prepareChange();
        if (result.isEmpty()) {
            const int room = m_store.bytes().capacity();
            m_store.add(entry);
            m_dirty = true;
            // Grown into a new block: the old one is freed.
            if (m_store.bytes().capacity() != room && room >= kLargeStore)
                m_trimDue = true;
            result = writeStore();
        }
        giveMemoryBack();
    }
    emitSettledRemovals();
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
        result = prepareChange();
        if (result.isEmpty()) {
            if (m_store.removeStartRecord(entry.binNumber))
                m_dirty = true;
            if (m_dirty) {
                // Written with the next request, which at a stop is the
                // finished record, or on its own right after.
                ++m_waitingRemovals;
                if (!m_writeQueued) {
                    m_writeQueued = true;
                    QMetaObject::invokeMethod(this, &FileLogWorker::writeWaitingRemovals,
                                              Qt::QueuedConnection);
                }
            } else {
                result = kOk;
            }
        }
        giveMemoryBack();
    }
    emitSettledRemovals();
    if (!result.isEmpty())
        emit removeHaccpDone(result);
}

void FileLogWorker::doRemoveOldHaccpDataLogs(const QByteArray &request)
{
    const QString cutoff = HaccpLogFormat::purgeCutoffFromRequest(request);
    QString result;
    {
        QMutexLocker lock(&m_mutex);
        result = prepareChange();
        if (result.isEmpty()) {
            if (m_store.purgeBefore(cutoff) > 0)
                m_dirty = true;
            result = writeStore();
        }
        giveMemoryBack();
    }
    emitSettledRemovals();
    emit removeOldDataDone(result);
}

void FileLogWorker::retrieveAllHaccpData(const QByteArray &request)
{
    const bool all = HaccpLogFormat::retrieveAllFromRequest(request);
    HaccpDataList rows;
    int total = 0;
    {
        QMutexLocker lock(&m_mutex);
        writeWaitingRemovalsFirst();
        if (loadStore() == StoreState::Read) {
            total = m_store.count();
            rows = m_store.modelRows(all ? -1 : 250);
        }
        giveMemoryBack();
    }
    emitSettledRemovals();
    emit retrievAllHaccpDataDone(kOk, total, rows);
}

QString FileLogWorker::writeCsv(const QString &fileName, int traysPerZone, int zonesPerRow,
                                bool withEntries)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        qDebug().noquote() << "Unable to Open File !!!" << (QLatin1Char('"') + fileName + QLatin1Char('"'));
        return exportErrorText(error);
    }
    int error = 0;
    qint64 written = 0;
    qint64 flushed = 0;
    const auto put = [fd, &error, &written, &flushed](const QByteArray &bytes) {
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                error = errno;
                return false;
            }
            done += n;
        }
        written += done;
        // The stick starts on what is written while the rest is made, so
        // that the sync at the end has little left to wait for.
        if (written - flushed >= kCsvWriteBack) {
            ::sync_file_range(fd, flushed, written - flushed, SYNC_FILE_RANGE_WRITE);
            flushed = written;
        }
        return true;
    };
    if (put(HaccpLogFormat::csvHeader()) && withEntries)
        m_store.csvLines(traysPerZone, zonesPerRow, put);
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
        writeWaitingRemovalsFirst();
        if (!QFileInfo(QFileInfo(fileName).path()).isDir()) {
            qDebug().noquote() << "Unable to Open File !!!"
                               << (QLatin1Char('"') + fileName + QLatin1Char('"'));
            result = exportNoStick;
        } else {
            const bool withEntries = loadStore() == StoreState::Read;
            result = writeCsv(fileName, r.traysPerZone, r.zonesPerRow, withEntries);
        }
        giveMemoryBack();
    }
    emitSettledRemovals();
    emit fileExportComplete(result);
}
