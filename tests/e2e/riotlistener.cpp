#include "riotlistener.h"

#include <QDBusConnection>
#include <QJsonDocument>

namespace {
const char kBusConnection[] = "riotListener";
const char kPath[] = "/KivApplication";
const char kInterface[] = "com.corvantis.DBus.KivApplication";
} // namespace

RiotListener::RiotListener(const QString &busAddress)
{
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress, QLatin1String(kBusConnection));
    m_listening = bus.isConnected()
        && bus.connect(QString(), QLatin1String(kPath), QLatin1String(kInterface), QStringLiteral("riotEvent"), this,
                       SLOT(heard(QString)));
}

RiotListener::~RiotListener()
{
    QDBusConnection::disconnectFromBus(QLatin1String(kBusConnection));
}

QList<QJsonObject> RiotListener::events(const QString &name) const
{
    QList<QJsonObject> found;
    for (const QJsonObject &event : m_events)
        if (event.value(QStringLiteral("event")).toString() == name)
            found.append(event);
    return found;
}

void RiotListener::heard(const QString &json)
{
    m_events.append(QJsonDocument::fromJson(json.toUtf8()).object());
}
