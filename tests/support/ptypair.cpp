#include "ptypair.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool makeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

} // namespace

PtyPair::PtyPair(QObject *parent)
    : QObject(parent)
{
}

PtyPair::~PtyPair()
{
    close();
}

bool PtyPair::open()
{
    close();
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return false;
    const char *name = (grantpt(m_master) == 0 && unlockpt(m_master) == 0) ? ptsname(m_master)
                                                                              : nullptr;
    if (!name) {
        close();
        return false;
    }
    m_devicePath = QString::fromLocal8Bit(name);
    m_keepAlive = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    // Raw on both ends: no echo, no line editing, no CR/LF translation.
    if (m_keepAlive < 0 || !makeRaw(m_keepAlive) || !makeRaw(m_master)) {
        close();
        return false;
    }
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPair::readMaster);
    return true;
}

void PtyPair::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_keepAlive >= 0)
        ::close(m_keepAlive);
    if (m_master >= 0)
        ::close(m_master);
    m_keepAlive = m_master = -1;
    m_devicePath.clear();
}

bool PtyPair::write(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0 && m_master >= 0) {
        const ssize_t n = ::write(m_master, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                usleep(100);
                continue;
            }
            return false;
        }
        p += n;
        left -= n;
    }
    return left == 0;
}

void PtyPair::readMaster()
{
    char buffer[4096];
    QByteArray chunk;
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            chunk.append(buffer, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: drained
    }
    if (!chunk.isEmpty())
        emit received(chunk);
}
