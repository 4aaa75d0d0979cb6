#pragma once

#include <QString>

// Every absolute platform path ("/root/...", "/media/sda1", "/etc/...",
// "/sys/class/gpio", "/dev/watchdog") goes through here. On the target
// KIV_ROOT is unset and paths are used as they are; on a desktop, in tests
// and in simulation KIV_ROOT names a directory that stands for "/", so
// nothing outside it is read or written.
class KivRoot
{
public:
    // The KIV_ROOT directory without a trailing slash; empty on the target.
    static QString prefix();
    static bool isRerooted() { return !prefix().isEmpty(); }

    // An absolute platform path moved under the root; a relative one is
    // returned unchanged.
    static QString path(const QString &platformPath);

    // The application directory "/root/" (with its trailing slash) and a
    // file in it: bare file names of the system refer to this directory.
    static QString appDir();
    static QString appFile(const QString &name);
};
