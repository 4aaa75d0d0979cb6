#include "dadazodaru.h"

#include "property/assignifchanged.h"

#include <QStandardItemModel>

DADazodaru::DADazodaru(ConfigurationManager *config, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    // Displays other than the primary one take no part in the cabinet
    // network: they get neither sockets nor the table of cabinets.
    if (!parent || !parent->property("iAmMaster").toBool())
        return;

    m_namesModel = new QStandardItemModel(this);
    m_namesModel->setObjectName(QStringLiteral("kivnm_namesModel"));
    m_namesModel->setItemRoleNames({{NameRole, "name"},
                                    {MacAddrRole, "mcaddr"},
                                    {AgeMsRole, "agems"},
                                    {WarnRole, "warn"}});
}

int DADazodaru::getNumCabsConnected() const
{
    return 0;
}

void DADazodaru::set_broadcastAddr(const QString &value)
{
    if (assignIfChanged(m_broadcastAddr, value))
        emit broadcastAddrChanged(m_broadcastAddr);
}

void DADazodaru::set_wifiGateway(const QString &value)
{
    m_wifiGateway = QHostAddress(value);
    emit wifiGatewayChanged(value);
}

void DADazodaru::updateHostOnNetwork(QString) {}
void DADazodaru::broadcastMessage(char *, qint64) {}
void DADazodaru::tcpConnectToOtherCabinet(QByteArray, QHostAddress) {}
