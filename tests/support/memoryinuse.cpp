#include "memoryinuse.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#if defined(__SANITIZE_ADDRESS__)
#define KIV_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KIV_ASAN 1
#endif
#endif

#ifdef KIV_ASAN
#include <cstddef>
// The sanitizer runtime's own count (not every compiler ships its header).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

qint64 memoryInUseKiB()
{
#ifdef KIV_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
#endif
}
