#pragma once

#include "network/wifistatsdatalog.h"
#include "statemachine/tarnstatemachine.h"

#include <QString>

class ConfigurationManager;

// Watches the Wi-Fi link while Wi-Fi is enabled and logs one statistics row
// per association check.
class WifiMonitor : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(QString wifiGateway READ get_wifiGateway WRITE set_wifiGateway NOTIFY wifiGatewayChanged)

public:
    WifiMonitor(ConfigurationManager *config, QObject *parent);

    QString get_wifiGateway() const { return m_wifiGateway; }
    WifiStatsDataLog *get_wifiStatsDataLog() { return &m_wifiStatsDataLog; }
    ConfigurationManager *configManager() const { return m_config; }

signals:
    void wifiGatewayChanged(QString value);

public slots:
    void set_wifiGateway(const QString &value);

    void wifiNotEnabledState_onEntry();
    void wifiNotEnabledState_onExit();

private:
    void buildMachine();

    WifiStatsDataLog m_wifiStatsDataLog;
    QString m_wifiGateway;
    ConfigurationManager *m_config;
};
