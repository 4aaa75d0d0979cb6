#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// Runs the two periodic network-manager queries (active connections, then
// the Wi-Fi profile's settings) in a thread of its own, so that parsing the
// output and waiting for the DHCP client never hold up the display. All its
// state is touched only in that thread; results leave through queued
// signals.
class WifiWorker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString wifiConnectionName READ get_wifiConnectionName WRITE set_wifiConnectionName NOTIFY wifiConnectionNameChanged)
    Q_PROPERTY(QString wifiPassword READ get_wifiPassword WRITE set_wifiPassword NOTIFY wifiPasswordChanged)
    Q_PROPERTY(QString ethConnectionName READ get_ethConnectionName WRITE set_ethConnectionName NOTIFY ethConnectionNameChanged)
    Q_PROPERTY(QString wifiDevice READ get_wifiDevice WRITE set_wifiDevice NOTIFY wifiDeviceChanged)
    Q_PROPERTY(QString wifiIpAddr READ get_wifiIpAddr WRITE set_wifiIpAddr NOTIFY wifiIpAddrChanged)
    Q_PROPERTY(bool wifiDhcpEnabled READ get_wifiDhcpEnabled WRITE set_wifiDhcpEnabled NOTIFY wifiDhcpEnabledChanged)
    Q_PROPERTY(QString wifiNetmask READ get_wifiNetmask WRITE set_wifiNetmask NOTIFY wifiNetmaskChanged)
    Q_PROPERTY(QString wifiBroadcastAddr READ get_wifiBroadcastAddr WRITE set_wifiBroadcastAddr NOTIFY wifiBroadcastAddrChanged)
    Q_PROPERTY(QString wifiGateway READ get_wifiGateway WRITE set_wifiGateway NOTIFY wifiGatewayChanged)
    Q_PROPERTY(QString wifiMacAddr READ get_wifiMacAddr WRITE set_wifiMacAddr NOTIFY wifiMacAddrChanged)

public:
    static const QString kNmcli;

    // A tool's output as text, up to its first NUL byte.
    static QString outputText(const QByteArray &output);

    // Which connections the active-connection listing names; a later line
    // wins over an earlier one.
    struct ActiveConnections
    {
        bool wifiFound = false;
        bool ethFound = false;
        QString wifi;
        QString eth;
    };
    static ActiveConnections parseActiveConnections(const QString &output);

    // What the listing of one connection profile says. Empty texts for
    // anything it does not give.
    struct WifiSettings
    {
        bool nameFound = false;
        bool dhcp = true;
        QString name;
        QString ipAddr;
        QString gateway;
        QString netmask;
        QString broadcast;
        QString password;
    };
    static WifiSettings parseWifiSettings(const QString &output);

    // Dotted netmask of a prefix length; 0 or above 32 gives 0.0.0.0.
    static QString netmaskOfPrefix(int prefix);

    explicit WifiWorker(QObject *parent = nullptr);

    QString get_wifiConnectionName() const { return m_wifiConnectionName; }
    QString get_wifiPassword() const { return m_wifiPassword; }
    QString get_ethConnectionName() const { return m_ethConnectionName; }
    QString get_wifiDevice() const { return m_wifiDevice; }
    QString get_wifiIpAddr() const { return m_wifiIpAddr; }
    bool get_wifiDhcpEnabled() const { return m_wifiDhcpEnabled; }
    QString get_wifiNetmask() const { return m_wifiNetmask; }
    QString get_wifiBroadcastAddr() const { return m_wifiBroadcastAddr; }
    QString get_wifiGateway() const { return m_wifiGateway; }
    QString get_wifiMacAddr() const { return m_wifiMacAddr; }

public slots:
    void set_wifiConnectionName(const QString &value);
    void set_wifiPassword(const QString &value);
    void set_ethConnectionName(const QString &value);
    void set_wifiDevice(const QString &value);
    void set_wifiIpAddr(const QString &value);
    void set_wifiDhcpEnabled(bool value);
    void set_wifiNetmask(const QString &value);
    void set_wifiBroadcastAddr(const QString &value);
    void set_wifiGateway(const QString &value);
    void set_wifiMacAddr(const QString &value);

    void findActiveConnections();
    void loadWifiNetworkConfig();
    void processWrapUp_findActiveConnections(int exitCode, QProcess::ExitStatus exitStatus);
    void processWrapUp_loadWifiNetworkConfig(int exitCode, QProcess::ExitStatus exitStatus);
    // The next settings read refreshes and renews the lease even when
    // nothing changed (the connection was just set up again).
    void setNetworkSettingsUpdated();

signals:
    void wifiConnectionNameChanged(QString value);
    void wifiPasswordChanged(QString value);
    void ethConnectionNameChanged(QString value);
    void wifiDeviceChanged(QString value);
    void wifiIpAddrChanged(QString value);
    void wifiDhcpEnabledChanged(bool value);
    void wifiNetmaskChanged(QString value);
    void wifiBroadcastAddrChanged(QString value);
    void wifiGatewayChanged(QString value);
    void wifiMacAddrChanged(QString value);

    void noNetworkConnection();
    void wifiConnection(QString wifiConnectionName);
    void ethConnection(QString ethConnectionName);
    void wifiConnectionStatus(bool value);
    void findActiveConnectionsProcessFinished();
    void refreshNetworkInfo();

private:
    QString m_wifiConnectionName;
    QString m_wifiPassword;
    QString m_ethConnectionName;
    QString m_wifiDevice;
    QString m_wifiIpAddr;
    bool m_wifiDhcpEnabled = false;
    QString m_wifiNetmask;
    QString m_wifiBroadcastAddr;
    QString m_wifiGateway;
    QString m_wifiMacAddr;
    bool m_networkSettingsUpdated = false;
};
