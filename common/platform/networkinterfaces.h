#pragma once

#include <QList>
#include <QString>

// The system's network interfaces as the programs need them: name, hardware
// address and IPv4 entries. Read from the kernel through QNetworkInterface,
// unless a test has put a list of its own in place, so that a test can offer
// "eth0" and "wlan0" with the addresses it wants (or none) on any machine.
// Safe to read from any thread.
class NetworkInterfaces
{
public:
    struct Ipv4Entry
    {
        QString address;
        QString netmask;
        QString broadcast; // empty when the interface has none
    };

    struct Interface
    {
        QString name;
        QString hardwareAddress;
        QList<Ipv4Entry> ipv4;
    };

    static QList<Interface> all();

    // Test controls: all() answers list until useSystem() is called.
    static void useFake(const QList<Interface> &list);
    static void useSystem();
};
