#pragma once

#include "nfc/pantaghost.h"

#include <QObject>

class CabinetManager;
class ConfigurationManager;
class MenuManager;

// The cabinet core's answers to the pan-tag registry and the NFC reader
// polling: every call goes straight to the component that owns the value.
// A child of the cabinet, so it outlives the components that ask it.
class CabinetPanTagHost : public QObject, public PanTagHost
{
    Q_OBJECT

public:
    CabinetPanTagHost(CabinetManager *cabinet, MenuManager *menus, ConfigurationManager *config);

    bool isPrimary() const override;
    bool nfcEnabled() const override;
    const NfcPollInfo *pollingInfo() const override;
    QList<int> slotToBinList() const override;
    int traysPerCabinet() const override;
    bool timerDecrementEnabled() const override;
    int orientationId() const override;
    int customerId() const override;
    bool hasSecondaryDisplay() const override;
    QString macAddress() const override;
    QString iotType() const override;
    bool systemBackupInProgress() const override;
    void setReaderFirmwareVersion(int reader, const QString &version) override;

    quint64 tagUidAtBin(quint8 bin) const override;
    void setTagUidAtTrayTimer(quint8 bin, quint64 uid) override;
    int productIdAtBin(quint8 bin) const override;
    int productPanSizeAtBin(quint8 bin) const override;
    int trayHoldTimePreSet(quint8 bin) const override;
    int trayState(int bin) const override;
    bool trayAlertStatus(quint8 bin) const override;
    bool binsMatch(quint8 binA, quint8 binB) const override;

    int productHoldTimeSec(int productId) const override;
    quint32 productCrc32(int productId) const override;
    QByteArray productMd5(int productId) const override;
    QString productName(int productId) const override;
    int productResetTimeSec(int productId) const override;

    void startBinTimer(quint8 bin, qint32 seconds, quint64 uid) override;
    void stopBinTimer(quint8 bin) override;
    void setBinTimerExpired(quint8 bin) override;
    void handleHaccpTimerNfcTransfer(int bin) override;
    void setMisMatchedPanId(int bin, quint64 uid) override;
    void showProductMismatch(quint8 bin, bool show, int kind, bool flag) override;
    void soundNfcChime(bool universal) override;
    void showReaderErrorOnOtherDisplay() override;

    void sendHoldStartedEvent(quint8 bin, quint64 uid, const QString &method) override;
    void sendHoldExpiredEvent(quint8 bin, quint64 uid) override;
    void sendHoldStoppedEvent(quint8 bin, quint64 uid, const QString &method, int remainingSeconds) override;
    void holdingListChanged(const QString &timeStamp) override;

private:
    CabinetManager *m_cabinet;
    MenuManager *m_menus;
    ConfigurationManager *m_config;
};
