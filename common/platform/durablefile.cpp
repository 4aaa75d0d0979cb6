#include "durablefile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A rename lives in the directory: without this the new name may still be
// lost in a power cut although the file's content reached the storage.
void syncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

DurableFile::DurableFile(const QString &path)
    : m_path(path)
{
}

DurableFile::~DurableFile()
{
    discard();
}

bool DurableFile::open()
{
    discard();
    m_writeFailed = false;
    m_error.clear();
    // Whatever an interrupted save left under the new name goes first, and
    // with it a link that would lead the write somewhere else.
    QFile::remove(newPath());
    m_file.setFileName(newPath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_error = m_file.errorString();
        return false;
    }
    return true;
}

bool DurableFile::write(const QByteArray &bytes)
{
    if (!m_file.isOpen() || m_file.write(bytes) != bytes.size())
        m_writeFailed = true;
    return !m_writeFailed;
}

DurableFile::Result DurableFile::commit()
{
    if (!m_file.isOpen()) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("not open");
        return OpenFailed;
    }
    // A full disk shows first in a buffered write, the flush or the fsync;
    // any of them failing must keep the previous file.
    bool written = !m_writeFailed && m_file.error() == QFileDevice::NoError && m_file.flush();
    if (written && ::fsync(m_file.handle()) != 0) {
        m_error = qt_error_string(errno);
        written = false;
    }
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) {
        written = false;
        m_error = m_file.errorString();
    } else if (!written && m_error.isEmpty()) {
        m_error = QStringLiteral("write failed");
    }
    if (!written) {
        QFile::remove(newPath());
        return WriteFailed;
    }
    if (std::rename(QFile::encodeName(newPath()).constData(), QFile::encodeName(m_path).constData()) != 0) {
        m_error = qt_error_string(errno);
        QFile::remove(newPath());
        return RenameFailed;
    }
    syncDirectory(QFileInfo(m_path).absolutePath());
    return Replaced;
}

void DurableFile::discard()
{
    if (!m_file.isOpen())
        return;
    m_file.close();
    QFile::remove(newPath());
}

DurableFile::Result DurableFile::replace(const QString &path, const QByteArray &content,
                                         QString *errorString)
{
    DurableFile file(path);
    Result result = OpenFailed;
    if (file.open()) {
        file.write(content);
        result = file.commit();
    }
    if (errorString)
        *errorString = file.errorString();
    return result;
}
