#pragma once

#include "network/networkhost.h"

class CabinetManager;
class ConfigurationManager;

// The cabinet core's answers to the cabinet network and the Wi-Fi monitor.
class CabinetNetworkHost : public NetworkHost
{
public:
    CabinetNetworkHost(CabinetManager *cabinet, ConfigurationManager *config);

    bool iAmMaster() const override;
    QString cabinetName() const override;
    void processReceivedHoldingInfo(const QByteArray &datagram, const QHostAddress &sender) override;
    bool handleTimerResetRequest(const QByteArray &request) override;
    void productTransferConfirmed() override;
    bool systemBackupInProgress() const override;
    DADazodaru *cabinetNetwork() const override;

private:
    CabinetManager *m_cabinet;
    ConfigurationManager *m_config;
};
