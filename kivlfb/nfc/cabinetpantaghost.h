#pragma once

#include "pantaghost.h"


class CabinetManager;
class ConfigurationManager;
class MenuManager;

// The cabinet core's answers to the pan-tag registry.
class CabinetPanTagHost : public PanTagHost
{
public:
    CabinetPanTagHost(CabinetManager *cabinet, MenuManager *menus);

    void setConfigManager(ConfigurationManager *config) { m_config = config; }

    bool isPrimary() const override;
    bool nfcEnabled() const override;
    int traysPerCabinet() const override;
    bool timerDecrementEnabled() const override;
    int orientationId() const override;
    int customerId() const override;
    QString macAddress() const override;
    QString iotType() const override;
    bool systemBackupInProgress() const override;

    quint64 tagUidAtBin(quint8 bin) const override;
    void setTagUidAtTrayTimer(quint8 bin, quint64 uid) override;
    int productIdAtBin(quint8 bin) const override;
    int productPanSizeAtBin(quint8 bin) const override;
    int trayHoldTimePreSet(quint8 bin) const override;
    bool trayAlertStatus(quint8 bin) const override;
    void showProductMismatch(quint8 bin, bool show, int kind) override;
    void startBinTimer(quint8 bin, qint32 seconds, quint64 uid) override;
    void sendHoldStartedEvent(quint8 bin, quint64 uid, const QString &method) override;
    void sendHoldStoppedEvent(quint8 bin, quint64 uid, const QString &method, int remainingSeconds) override;
    void handleHaccpTimerNfcTransfer(int bin) override;

    int productHoldTimeSec(int productId) const override;
    quint32 productCrc32(int productId) const override;
    QByteArray productMd5(int productId) const override;
    QString productName(int productId) const override;

private:
    CabinetManager *m_cabinet;
    MenuManager *m_menus;
    ConfigurationManager *m_config = nullptr;
};
