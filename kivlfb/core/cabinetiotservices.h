#pragma once

#include "iot/iotservices.h"

#include <QObject>
#include <QPointer>

class CabinetManager;
class ConfigurationManager;
class MenuManager;
class NFCmanager;
class NfcTagItem2;

// The cloud back-ends' view of a running cabinet: every call goes straight
// to the component that owns the value.
class CabinetIotServices : public QObject, public IotServices
{
    Q_OBJECT

public:
    CabinetIotServices(CabinetManager *cabinet, ConfigurationManager *config, MenuManager *menus,
                       NFCmanager *nfc, QObject *parent);

    QString iotType() const override;
    QString modelNumber() const override;
    QString serialNumber() const override;
    QString storeNumber() const override;
    QString uuidNumber() const override;
    void setPerformanceDataInterval(int seconds) override;
    void setPanMessagesEnable(bool enable) override;
    void setIotConnected(bool connected) override;
    void setIotSoftwareVersion(const QString &version) override;
    void setStoreNumber(const QString &storeNumber) override;
    void saveConfigFile() override;
    void restartWifiNetwork() override;
    void restartWifiNetworkRIoT() override;
    void checkFirmwareUpdateDone() override;

    bool nfcEnabled() const override;
    trayInfo getTrayInfo(int bin) const override;
    int productIdFromBin(int bin) const override;
    int productPanSizeFromBin(int bin) const override;
    int productHoldTime(int productId) const override;
    void startBinTimer(int bin, int holdSeconds, quint64 panId) override;
    void sendHoldStartedEvent(int bin, quint64 panId, const QString &method) override;

    bool findPanTag(quint64 uid, PanTag *tag) const override;
    void setPanBatchId(quint64 uid, const QString &batchId) override;
    void setPanExpTime(quint64 uid, qint64 msecs) override;
    void setPanHoldStatus(quint64 uid, int status) override;
    void setPanActivationTimeStamp(quint64 uid, qint64 msecs) override;
    void setPanRestartRequested(quint64 uid, bool requested) override;
    void savePanTags() override;

private:
    NfcTagItem2 *panTag(quint64 uid) const;
    QPointer<CabinetManager> m_cabinet;
    QPointer<ConfigurationManager> m_config;
    QPointer<MenuManager> m_menus;
    QPointer<NFCmanager> m_nfc;
};
