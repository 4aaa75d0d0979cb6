#include "socketcanbackend.h"

#include "canframe.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <linux/can/raw.h>

SocketCanBackend::~SocketCanBackend()
{
    close();
}

int SocketCanBackend::open(const QString &interfaceName)
{
    close();
    m_ifIndex = 0;
    const int fd = ::socket(PF_CAN, SOCK_RAW | SOCK_CLOEXEC, CAN_RAW);
    if (fd < 0)
        return -1;

    // An unknown name leaves the index at 0, which binds to every CAN
    // interface; that is the behaviour the target has always had.
    struct ifreq ifr;
    std::memset(&ifr, 0, sizeof ifr);
    const QByteArray name = interfaceName.toLocal8Bit();
    std::strncpy(ifr.ifr_name, name.constData(), IFNAMSIZ - 1);
    ::ioctl(fd, SIOCGIFINDEX, &ifr);
    m_ifIndex = ifr.ifr_ifindex;

    const int loopback = 0;
    ::setsockopt(fd, SOL_CAN_RAW, CAN_RAW_LOOPBACK, &loopback, sizeof loopback);

    struct sockaddr_can addr;
    std::memset(&addr, 0, sizeof addr);
    addr.can_family = AF_CAN;
    addr.can_ifindex = ifr.ifr_ifindex;
    if (::bind(fd, reinterpret_cast<struct sockaddr *>(&addr), sizeof addr) < 0) {
        ::close(fd);
        return -2;
    }

    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_fd = fd;
    return 0;
}

void SocketCanBackend::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

qint64 SocketCanBackend::writeRecord(const QByteArray &record)
{
    if (record.size() != CanFrame::RecordSize)
        return -1;
    errno = 0;
    return ::write(m_fd, record.constData(), size_t(record.size()));
}
