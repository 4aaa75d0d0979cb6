#pragma once

#include "core/holdingexchangehost.h"

class CabinetManager;
class ConfigurationManager;
class MenuManager;

// The cabinet core's answers to the holding exchange.
class CabinetHoldingExchangeHost : public HoldingExchangeHost
{
public:
    CabinetHoldingExchangeHost(CabinetManager *cabinet, ConfigurationManager *config, MenuManager *menus);

    QString macAddress() const override;
    QString productsHashCode() const override;
    int traysPerCabinet() const override;
    bool useFirstEnabled() const override;
    bool linkedUseFirst() const override;
    bool touchBasedTransfer() const override;
    bool haccpEnabled() const override;
    bool hasOtherDisplay() const override;

    QList<trayInfo> binRecords() const override;
    int productIdAtBin(quint8 bin) const override;
    void setUseBin(int bin, bool use) override;
    void sendBinsToUse(quint32 mask) override;
    void startBinTimer(quint8 bin, qint32 seconds) override;
    void stopBinTimer(quint8 bin) override;
    void removeHaccpLogTimerStartInfo(int bin, int productId, qint64 expectedTime) override;

    QVariant productName(int productId) const override;
    QVariant productHoldTime(int productId) const override;
    QVariant productWarningTime(int productId) const override;

private:
    CabinetManager *m_cabinet;
    ConfigurationManager *m_config;
    MenuManager *m_menus;
};
