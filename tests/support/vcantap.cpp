#include "vcantap.h"

#include "canbus/canframe.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QtEndian>

#include <atomic>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
bool toAddress(const QString &path, sockaddr_un *addr)
{
    const QByteArray p = QFile::encodeName(path);
    std::memset(addr, 0, sizeof *addr);
    addr->sun_family = AF_UNIX;
    if (p.size() >= int(sizeof addr->sun_path))
        return false;
    std::memcpy(addr->sun_path, p.constData(), size_t(p.size()));
    return true;
}
} // namespace

VcanTap::VcanTap(const QString &busDir, bool reading, QObject *parent)
    : QObject(parent)
    , m_dir(busDir)
{
    static std::atomic<int> counter{0};
    QDir().mkpath(busDir);
    m_path = QDir(busDir).absoluteFilePath(
        QStringLiteral("tap-%1-%2.sock").arg(::getpid()).arg(++counter));
    sockaddr_un addr;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0 || !toAddress(m_path, &addr)
        || ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    m_fd = fd;
    if (reading) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { drain(); });
    }
}

VcanTap::~VcanTap()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
}

void VcanTap::drain()
{
    char buffer[256];
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0)
            return;
        const QByteArray datagram(buffer, int(n));
        datagrams << datagram;
        emit received(datagram);
    }
}

quint32 VcanTap::identifierOf(const QByteArray &record)
{
    return record.size() >= 4 ? qFromLittleEndian<quint32>(record.constData()) : 0;
}

QList<QByteArray> VcanTap::recordsWithId(quint32 id) const
{
    QList<QByteArray> out;
    for (const QByteArray &d : datagrams) {
        if (d.size() == CanFrame::RecordSize && identifierOf(d) == id)
            out << d;
    }
    return out;
}

QList<QByteArray> VcanTap::singleFrames(quint32 senderId) const
{
    QList<QByteArray> frames;
    for (const QByteArray &record : recordsWithId(senderId))
        frames << record.mid(8, quint8(record.at(4)));
    return frames;
}

int VcanTap::sendToAll(const QByteArray &bytes) const
{
    int sent = 0;
    const QStringList names = QDir(m_dir).entryList({QStringLiteral("*.sock")}, QDir::System);
    for (const QString &name : names) {
        const QString path = QDir(m_dir).absoluteFilePath(name);
        if (path == m_path)
            continue;
        sockaddr_un addr;
        if (!toAddress(path, &addr))
            continue;
        const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (::sendto(fd, bytes.constData(), size_t(bytes.size()), 0,
                     reinterpret_cast<sockaddr *>(&addr), sizeof addr) == bytes.size())
            ++sent;
        ::close(fd);
    }
    return sent;
}

int VcanTap::sendFrame(quint32 identifier, const QByteArray &payload) const
{
    return sendToAll(CanFrame::toRecord(identifier, payload));
}
