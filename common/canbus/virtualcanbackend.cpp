#include "virtualcanbackend.h"

#include "canframe.h"
#include "platform/kivroot.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool fillAddress(const QByteArray &path, sockaddr_un *addr)
{
    std::memset(addr, 0, sizeof *addr);
    addr->sun_family = AF_UNIX;
    if (path.size() >= int(sizeof addr->sun_path))
        return false;
    std::memcpy(addr->sun_path, path.constData(), size_t(path.size()));
    return true;
}

bool isSocketName(const char *name)
{
    const size_t len = std::strlen(name);
    return len > 5 && std::strcmp(name + len - 5, ".sock") == 0;
}

} // namespace

VirtualCanBackend::~VirtualCanBackend()
{
    close();
}

QString VirtualCanBackend::busDirectory(const QString &interfaceName)
{
    const QString dir = qEnvironmentVariable("KIV_VCAN_DIR");
    if (!dir.isEmpty())
        return dir;
    return KivRoot::path(QStringLiteral("/run/vcan/") + interfaceName);
}

int VirtualCanBackend::open(const QString &interfaceName)
{
    close();
    m_dir = busDirectory(interfaceName);
    QDir().mkpath(m_dir);

    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;

    // Unique per process and per socket object, so that several nodes of one
    // process (tests, benchmarks) can share a bus.
    static std::atomic<int> counter{0};
    m_ownName = QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(++counter)
        + ".sock";
    m_path = QDir(m_dir).absoluteFilePath(QString::fromLocal8Bit(m_ownName));
    const QByteArray path = QFile::encodeName(m_path);

    sockaddr_un addr;
    if (!fillAddress(path, &addr)) {
        qWarning() << "vcan: socket path too long:" << m_path;
        ::close(fd);
        return -2;
    }
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0) {
        qWarning() << "vcan: cannot bind" << m_path << ":" << std::strerror(errno);
        ::close(fd);
        return -2;
    }
    m_fd = fd;
    return 0;
}

void VirtualCanBackend::close()
{
    closePeers();
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
    m_fd = -1;
}

void VirtualCanBackend::closePeers()
{
    for (int fd : qAsConst(m_peers))
        ::close(fd);
    m_peers.clear();
}

int VirtualCanBackend::connectPeer(const QByteArray &path)
{
    sockaddr_un addr;
    if (!fillAddress(path, &addr))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0) {
        // A socket file left behind by a node that is gone.
        ::close(fd);
        return -1;
    }
    return fd;
}

VirtualCanBackend::SendResult VirtualCanBackend::sendToPeer(const QByteArray &path,
                                                            const QByteArray &record)
{
    bool reconnected = false;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        int fd = m_peers.value(path, -1);
        if (fd < 0) {
            fd = connectPeer(path);
            if (fd < 0)
                return SendResult::Gone;
            m_peers.insert(path, fd);
        }
        const ssize_t n = ::send(fd, record.constData(), size_t(record.size()), MSG_NOSIGNAL);
        if (n == record.size())
            return SendResult::Sent;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const qint64 left = PeerWaitMs - waited.elapsed();
            if (left <= 0)
                return SendResult::Lost;
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, int(left));
            continue;
        }
        // The peer went away (or a new node took its name): reconnect once.
        ::close(fd);
        m_peers.remove(path);
        if (reconnected)
            return SendResult::Gone;
        reconnected = true;
    }
}

qint64 VirtualCanBackend::writeRecord(const QByteArray &record)
{
    if (m_fd < 0 || record.size() != CanFrame::RecordSize)
        return -1;

    // The directory is read on every frame so that a node that has just
    // joined gets the very next frame.
    const QByteArray dirPath = QFile::encodeName(m_dir);
    DIR *dir = ::opendir(dirPath.constData());
    if (!dir)
        return -1;
    QSet<QByteArray> present;
    while (dirent *entry = ::readdir(dir)) {
        if (!isSocketName(entry->d_name) || qstrcmp(m_ownName.constData(), entry->d_name) == 0)
            continue;
        const QByteArray path = dirPath + '/' + QByteArray(entry->d_name);
        present.insert(path);
        const SendResult result = sendToPeer(path, record);
        if (result == SendResult::Lost) {
            ++m_framesLost;
            qWarning() << "vcan: frame lost for" << entry->d_name << "(queue full)";
        }
    }
    ::closedir(dir);

    for (auto it = m_peers.begin(); it != m_peers.end();) {
        if (!present.contains(it.key())) {
            ::close(it.value());
            it = m_peers.erase(it);
        } else {
            ++it;
        }
    }
    return CanFrame::RecordSize;
}

qint64 VirtualCanBackend::readRecord(QByteArray *record)
{
    // One byte more than a record, so that a longer datagram shows up as
    // longer rather than being cut down to 16.
    char buffer[CanFrame::RecordSize + 1];
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return n;
        if (n == CanFrame::RecordSize) {
            *record = QByteArray(buffer, CanFrame::RecordSize);
            return n;
        }
        // Any other size is not a frame of this bus: skip it.
    }
}
