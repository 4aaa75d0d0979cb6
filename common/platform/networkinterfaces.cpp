#include "networkinterfaces.h"

#include <QMutex>
#include <QMutexLocker>
#include <QNetworkInterface>

namespace {

QMutex s_mutex;
bool s_fake = false;
QList<NetworkInterfaces::Interface> s_fakeList;

QList<NetworkInterfaces::Interface> systemInterfaces()
{
    QList<NetworkInterfaces::Interface> list;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : interfaces) {
        NetworkInterfaces::Interface entry;
        entry.name = i.name();
        entry.hardwareAddress = i.hardwareAddress();
        const QList<QNetworkAddressEntry> addresses = i.addressEntries();
        for (const QNetworkAddressEntry &a : addresses) {
            if (a.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            entry.ipv4.append({a.ip().toString(), a.netmask().toString(),
                               a.broadcast().isNull() ? QString() : a.broadcast().toString()});
        }
        list.append(entry);
    }
    return list;
}

} // namespace

QList<NetworkInterfaces::Interface> NetworkInterfaces::all()
{
    {
        QMutexLocker lock(&s_mutex);
        if (s_fake)
            return s_fakeList;
    }
    return systemInterfaces();
}

void NetworkInterfaces::useFake(const QList<Interface> &list)
{
    QMutexLocker lock(&s_mutex);
    s_fake = true;
    s_fakeList = list;
}

void NetworkInterfaces::useSystem()
{
    QMutexLocker lock(&s_mutex);
    s_fake = false;
    s_fakeList.clear();
}
