#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QProcess>
#include <QString>
#include <QThread>
#include "platform/kivclocktimer.h"

#include <memory>

class ConfigurationManager;
class NetworkHost;
class WifiWorker;

// Sets up Wi-Fi and Ethernet through the system's network tools and relays
// what the Wi-Fi worker learns to the configuration store. The periodic
// queries run on the worker in its own thread; the scan and the
// reconfiguration run here.
class SystemNetworkManager : public TarnStateMachine
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
    static constexpr int FindActiveConnectionsPeriodMs = 10000;

    // The scan listing as the access-point list reads it: "false" when it
    // names no access point, else an indented JSON array, one entry per
    // network name (the strongest access point of that name).
    static QString scanResultText(const QString &output);

    // Without a host this display is taken for a secondary one, which never
    // connects to an access point itself.
    explicit SystemNetworkManager(QObject *parent = nullptr, std::unique_ptr<NetworkHost> host = nullptr);
    ~SystemNetworkManager() override;

    void set_configManager(ConfigurationManager *config) { m_config = config; }
    ConfigurationManager *get_configManager() const { return m_config; }

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
    void wifiScanString(QString wifiInfo);
    void refreshNetworkInfo();
    // Input of the chart.
    void reconfigureNetworkDevicesSignal();
    void setWifiStaticSignal();
    void nextStep();
    void finishedNetworkConfig();
    // Requests to the worker.
    void workerFindActiveConnections();
    void workerLoadWifiNetworkConfig();
    void networkSettingsUpdated();

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

    void checkWifiReconnectNeeded();

    void scanWifi();
    void processWrapUp_scanWifi(int exitCode, QProcess::ExitStatus exitStatus);
    void removeAllNetworkConnections();
    void processWrapUp_listNetworkConnections(int exitCode, QProcess::ExitStatus exitStatus);
    void processWrapUp_removeAllNetworkConnections(int exitCode, QProcess::ExitStatus exitStatus);
    void reconfigureNetworkDevices();
    void processWrapUp_reconfigureNetworkDevices(int exitCode, QProcess::ExitStatus exitStatus);

    void findActiveConnections_onEntry();
    void findActiveConnections_onExit();
    void idle_onEntry();
    void idle_onExit();
    void busy_onEntry();
    void busy_onExit();
    void busy_a_onEntry();
    void busy_a_onExit();
    void wifiDhcp_onEntry();
    void wifiDhcp_onExit();
    void wifiDhcp_a_onEntry();
    void wifiDhcp_a_onExit();
    void wifiDhcp_b_onEntry();
    void wifiDhcp_b_onExit();
    void wifiStatic_onEntry();
    void wifiStatic_onExit();
    void wifiStatic_a_onEntry();
    void wifiStatic_a_onExit();
    void wifiStatic_b_onEntry();
    void wifiStatic_b_onExit();
    void wifiStatic_c_onEntry();
    void wifiStatic_c_onExit();

private:
    void buildMachine();
    void startTool(const QStringList &arguments, const QString &name,
                   void (SystemNetworkManager::*wrapUp)(int, QProcess::ExitStatus));
    // The finished process when it carries the expected name (released
    // later), else null.
    QProcess *takeFinished(const QString &expectedName);

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

    QThread m_workerThread;
    WifiWorker *m_worker = nullptr;
    KivClockTimer m_findActiveConnectionsTimer; // repeats while idle
    ConfigurationManager *m_config = nullptr;
    std::unique_ptr<NetworkHost> m_host;
};
