#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

class ConfigurationManager;
class QStandardItemModel;

// Lets the cabinets of one site find each other and hand holding timers from
// one cabinet to another (UDP beacons and TCP transfers on one port). Only
// the primary display keeps the table of cabinets it hears.
class DADazodaru : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString broadcastAddr READ get_broadcastAddr WRITE set_broadcastAddr NOTIFY broadcastAddrChanged)
    Q_PROPERTY(QString wifiGateway READ get_wifiGateway WRITE set_wifiGateway NOTIFY wifiGatewayChanged)

public:
    // Row roles of the names model.
    enum NameRoles {
        NameRole = 257,
        MacAddrRole = 258,
        AgeMsRole = 259,
        WarnRole = 260
    };

    DADazodaru(ConfigurationManager *config, QObject *parent);

    QString get_broadcastAddr() const { return m_broadcastAddr; }
    QString get_wifiGateway() const { return m_wifiGateway.toString(); }
    // Null on a display that is not the primary one.
    QStandardItemModel *get_namesModel() const { return m_namesModel; }
    ConfigurationManager *configManager() const { return m_config; }

    Q_INVOKABLE int getNumCabsConnected() const;

signals:
    void broadcastAddrChanged(QString value);
    void wifiGatewayChanged(QString value);
    void logErrorSignal(int mainCode, int subCode1, int subCode2, int subCode3);
    void wifiState(int link, int level);

public slots:
    void set_broadcastAddr(const QString &value);
    // Announced on every call, equal or not: listeners re-aim their pings.
    void set_wifiGateway(const QString &value);

    // Network behaviour; bodies come with the cabinet-network work.
    void updateHostOnNetwork(QString macAddress);
    void broadcastMessage(char *data, qint64 size);
    void tcpConnectToOtherCabinet(QByteArray data, QHostAddress host);

private:
    QString m_broadcastAddr;
    QHostAddress m_wifiGateway;
    ConfigurationManager *m_config;
    QStandardItemModel *m_namesModel = nullptr;
};
