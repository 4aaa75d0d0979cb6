#pragma once

#include <QString>
#include <QtGlobal>

// Tells a virtual-bus node whether nodes may have joined or left its bus
// directory since it last looked, so that it reads the directory only then
// instead of before every frame.
//
// The answer is exact at the moment of asking: the kernel queues the
// directory event while the joining node's bind() runs, so a frame written
// after a node has bound its socket reaches that node. One inotify instance
// serves every node of the process (a user gets only a few instances), and
// nodes on the same directory share its watch. Where the directory cannot be
// watched, every question answers "changed", which costs a read of the
// directory per frame but is never wrong.
class VcanDirectoryWatch
{
public:
    explicit VcanDirectoryWatch(const QString &directory);
    ~VcanDirectoryWatch();
    VcanDirectoryWatch(const VcanDirectoryWatch &) = delete;
    VcanDirectoryWatch &operator=(const VcanDirectoryWatch &) = delete;

    // True on the first call and whenever an entry of the directory was
    // created, removed or renamed since the last call that returned true.
    bool changed();

private:
    int m_wd = -1;
    quint64 m_seen = 0;
};
