#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QString>

class ConfigurationManager;

// Sets up Wi-Fi and Ethernet through the system's network tools and relays
// what the Wi-Fi worker learns to the configuration store.
class SystemNetworkManager : public TarnStateMachine
{
    Q_OBJECT

public:
    explicit SystemNetworkManager(QObject *parent = nullptr);

    void set_configManager(ConfigurationManager *config) { m_config = config; }
    ConfigurationManager *get_configManager() const { return m_config; }

signals:
    // Input of the chart.
    void reconfigureNetworkDevicesSignal();

    void wifiScanString(QString value);
    void wifiConnectionNameChanged(QString value);
    void wifiPasswordChanged(QString value);
    void wifiDeviceChanged(QString value);
    void wifiIpAddrChanged(QString value);
    void wifiNetmaskChanged(QString value);
    void wifiBroadcastAddrChanged(QString value);
    void wifiGatewayChanged(QString value);
    void wifiMacAddrChanged(QString value);
    void refreshNetworkInfo();

public slots:
    // Network behaviour; bodies come with the network set-up work.
    void scanWifi();

    void findActiveConnections_onEntry();
    void findActiveConnections_onExit();

private:
    void buildMachine();

    ConfigurationManager *m_config = nullptr;
};
