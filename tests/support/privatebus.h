#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private dbus-daemon for one test, with a policy that allows everything,
// listening on a socket in a temporary directory. start() points
// DBUS_SYSTEM_BUS_ADDRESS at it (set it before the first use of
// QDBusConnection::systemBus() in the process), so the controller's
// system-bus code talks to it instead of the machine's bus.
class PrivateBus
{
public:
    PrivateBus() = default;
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool start();
    QString address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};
