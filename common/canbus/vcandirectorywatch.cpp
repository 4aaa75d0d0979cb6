#include "vcandirectorywatch.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr quint32 WatchedEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO
    | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

// The process's one inotify instance and what it has seen per watch. Nodes
// may live on different threads, hence the lock.
struct Watches
{
    struct Entry
    {
        int users = 0;
        quint64 generation = 1;
        // Cleared when the directory itself went away or moved: the watch
        // no longer describes the path, so every question answers
        // "changed".
        bool live = true;
    };

    QMutex mutex;
    int fd = -1;
    bool tried = false;
    QHash<int, Entry> byWd;

    void drain()
    {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return;
            for (const char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                p += sizeof(inotify_event) + event->len;
                if (event->mask & IN_Q_OVERFLOW) {
                    for (Entry &entry : byWd)
                        ++entry.generation;
                    continue;
                }
                const auto it = byWd.find(event->wd);
                if (it == byWd.end())
                    continue;
                ++it->generation;
                if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED))
                    it->live = false;
            }
        }
    }
};

Watches &watches()
{
    // Never destroyed: a node may outlive static destruction order.
    static Watches *all = new Watches;
    return *all;
}

} // namespace

VcanDirectoryWatch::VcanDirectoryWatch(const QString &directory)
{
    Watches &w = watches();
    QMutexLocker lock(&w.mutex);
    if (!w.tried) {
        w.tried = true;
        w.fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    }
    if (w.fd < 0)
        return;
    m_wd = ::inotify_add_watch(w.fd, QFile::encodeName(directory).constData(), WatchedEvents);
    if (m_wd >= 0)
        ++w.byWd[m_wd].users;
}

VcanDirectoryWatch::~VcanDirectoryWatch()
{
    if (m_wd < 0)
        return;
    Watches &w = watches();
    QMutexLocker lock(&w.mutex);
    const auto it = w.byWd.find(m_wd);
    if (it != w.byWd.end() && --it->users == 0) {
        ::inotify_rm_watch(w.fd, m_wd);
        w.byWd.erase(it);
    }
}

bool VcanDirectoryWatch::changed()
{
    if (m_wd < 0)
        return true;
    Watches &w = watches();
    QMutexLocker lock(&w.mutex);
    w.drain();
    const auto it = w.byWd.constFind(m_wd);
    if (it == w.byWd.constEnd() || !it->live)
        return true;
    if (it->generation == m_seen)
        return false;
    m_seen = it->generation;
    return true;
}
