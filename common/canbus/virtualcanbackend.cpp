#include "virtualcanbackend.h"

#include "canframe.h"
#include "platform/kivroot.h"
#include "vcandirectorywatch.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

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

int connectPeer(const QByteArray &path)
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

} // namespace

VirtualCanBackend::VirtualCanBackend() = default;

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
    // Watching starts before this node is on the bus, so that no node that
    // joins from then on can be missed.
    m_watch.reset(new VcanDirectoryWatch(m_dir));
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0) {
        qWarning() << "vcan: cannot bind" << m_path << ":" << std::strerror(errno);
        ::close(fd);
        m_watch.reset();
        return -2;
    }
    m_fd = fd;
    return 0;
}

void VirtualCanBackend::close()
{
    closePeers();
    m_watch.reset();
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
    m_fd = -1;
}

void VirtualCanBackend::closePeers()
{
    for (const Peer &peer : m_peers) {
        if (peer.fd >= 0)
            ::close(peer.fd);
    }
    m_peers.clear();
}

// The peers now in the directory. Connections to peers still there are
// kept; a peer marked gone is tried again, as a new node may have taken its
// name.
bool VirtualCanBackend::readPeers()
{
    const QByteArray dirPath = QFile::encodeName(m_dir);
    DIR *dir = ::opendir(dirPath.constData());
    if (!dir)
        return false;
    std::vector<Peer> present;
    while (dirent *entry = ::readdir(dir)) {
        if (!isSocketName(entry->d_name) || qstrcmp(m_ownName.constData(), entry->d_name) == 0)
            continue;
        Peer peer;
        peer.path = dirPath + '/' + QByteArray(entry->d_name);
        for (Peer &known : m_peers) {
            if (known.path == peer.path) {
                std::swap(peer.fd, known.fd);
                break;
            }
        }
        present.push_back(std::move(peer));
    }
    ::closedir(dir);
    closePeers();
    m_peers = std::move(present);
    return true;
}

VirtualCanBackend::SendResult VirtualCanBackend::sendToPeer(Peer &peer, const QByteArray &record)
{
    bool reconnected = false;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (peer.fd < 0) {
            peer.fd = connectPeer(peer.path);
            if (peer.fd < 0)
                return SendResult::Gone;
        }
        const ssize_t n = ::send(peer.fd, record.constData(), size_t(record.size()), MSG_NOSIGNAL);
        if (n == record.size())
            return SendResult::Sent;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const qint64 left = PeerWaitMs - waited.elapsed();
            if (left <= 0)
                return SendResult::Lost;
            pollfd p{peer.fd, POLLOUT, 0};
            ::poll(&p, 1, int(left));
            continue;
        }
        // The peer went away (or a new node took its name): reconnect once.
        ::close(peer.fd);
        peer.fd = -1;
        if (reconnected)
            return SendResult::Gone;
        reconnected = true;
    }
}

qint64 VirtualCanBackend::writeRecord(const QByteArray &record)
{
    if (m_fd < 0 || record.size() != CanFrame::RecordSize)
        return -1;
    if (m_watch->changed() && !readPeers())
        return -1;

    for (Peer &peer : m_peers) {
        if (peer.gone)
            continue;
        switch (sendToPeer(peer, record)) {
        case SendResult::Sent:
            break;
        case SendResult::Lost:
            ++m_framesLost;
            qWarning() << "vcan: frame lost for"
                       << peer.path.mid(peer.path.lastIndexOf('/') + 1).constData() << "(queue full)";
            break;
        case SendResult::Gone:
            peer.gone = true;
            break;
        }
    }
    return CanFrame::RecordSize;
}
