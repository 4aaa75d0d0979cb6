#pragma once

#include "iot/iotservices.h"

#include <QObject>
#include <QPointer>

class CabinetManager;
class ConfigurationManager;
class DADazodaru;
class DayPartManager;
class KivErrorControllerT;
class MasterIoManager;
class MenuManager;
class NFCmanager;
class NfcTagItem2;
class WifiMonitor;

// The cloud back-ends' view of a running cabinet: every call goes straight
// to the component that owns the value. A component that is missing reads
// as zero or empty.
class CabinetIotServices : public QObject, public IotServices
{
    Q_OBJECT

public:
    struct Components
    {
        CabinetManager *cabinet = nullptr;
        ConfigurationManager *config = nullptr;
        MenuManager *menus = nullptr;
        DayPartManager *dayParts = nullptr;
        NFCmanager *nfc = nullptr;
        MasterIoManager *io = nullptr;
        KivErrorControllerT *errors = nullptr;
        WifiMonitor *wifi = nullptr;
        DADazodaru *network = nullptr;
    };

    CabinetIotServices(const Components &components, QObject *parent);

    QString iotType() const override;
    QString modelNumber() const override;
    QString serialNumber() const override;
    QString storeNumber() const override;
    QString uuidNumber() const override;
    QString macAddress() const override;
    QString languageId() const override;
    QString prevLanguageId() const override;
    QString passwdL1() const override;
    QString prevPasswdL1() const override;
    int tempUnit() const override;
    QString iotSdkVersion() const override;
    QString iotSoftwareVersion() const override;
    QString ioBoardFirmwareVersion() const override;
    QString readerFirmwareVersion() const override;
    QString importedMenu() const override;
    bool panMessagesEnable() const override;
    EcoSettings ecoSettings() const override;
    NetworkSettings networkSettings() const override;
    bool networkSettingsUpdated() const override;
    void setNetworkSettingsUpdated(bool updated) override;
    void setStaticIPEnabled(bool enabled) override;
    void setPerformanceDataInterval(int seconds) override;
    void setPanMessagesEnable(bool enable) override;
    void setIotConnected(bool connected) override;
    void setIotSoftwareVersion(const QString &version) override;
    void setStoreNumber(const QString &storeNumber) override;
    void saveConfigFile() override;
    void restartWifiNetwork() override;
    void restartWifiNetworkRIoT() override;
    void checkFirmwareUpdateDone() override;

    int customerId() const override;
    bool nfcEnabled() const override;
    bool systemBackupInProgress() const override;
    int traysPerCabinet() const override;
    int traysPerZone() const override;
    int pluggedInMinutes() const override;
    trayInfo getTrayInfo(int bin) const override;
    int trayState(int bin) const override;
    int productIdFromBin(int bin) const override;
    int productPanSizeFromBin(int bin) const override;
    int productHoldTime(int productId) const override;
    quint64 misMatchedPanId(int bin) const override;
    QString misMatchId(int bin) const override;
    void startBinTimer(int bin, int holdSeconds, quint64 panId) override;
    void sendHoldStartedEvent(int bin, quint64 panId, const QString &method) override;
    QVector<BinTemperatures> binInfos() const override;
    bool zoneTemperatures(int zone, QList<int> *targets, QList<int> *actuals) const override;

    int errorLogCount() const override;
    double wifiSignalLevel() const override;
    double wifiSignalLevelDecibel() const override;

    int menuRowCount() const override;
    MenuRow menuRow(int row) const override;
    MenuRowValues menuRowValues(int row) const override;
    int productIndex(int productId) const override;
    QString productName(int productId) const override;
    QString productName(int language, int productId) const override;
    QList<int> groupProducts(int groupId) const override;
    int dayPartsCount() const override;
    int currentDayPart() const override;
    QString dayPartName(int dayPart) const override;
    QString dayPartName(int language, int dayPart) const override;
    int productIdOnBin(int dayPart, int bin) const override;
    QString languageCode(int language) const override;

    QList<quint64> registeredPanIds() const override;
    quint64 uidInBin(int bin) const override;
    bool findPanTag(quint64 uid, PanTag *tag) const override;
    void setPanBatchId(quint64 uid, const QString &batchId) override;
    void setPanExpTime(quint64 uid, qint64 msecs) override;
    void setPanHoldStatus(quint64 uid, int status) override;
    void setPanActivationTimeStamp(quint64 uid, qint64 msecs) override;
    void setPanRestartRequested(quint64 uid, bool requested) override;
    void savePanTags() override;

    quint64 binTagUid(int bin) const override;
    void deregisterPanTag(quint64 uid) override;
    void removePanTagAndStopTimer(quint64 uid) override;
    void stopBinTimer(int bin) override;
    void emitHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId, int bin,
                         const QString &method, int timeRemaining) override;
    void replaceRemoteHoldingList(const QString &cabinet, const QList<PanTag> &records) override;

    QString wifiSSID() const override;
    QString wifiPassword() const override;
    bool wifiApConnected() const override;
    void setWifiSSID(const QString &ssid) override;
    void setWifiPassword(const QString &password) override;
    void setWifiStaticIp(bool enabled) override;
    void reconfigureNetworkDevices() override;
    void setModelNumber(const QString &modelNumber) override;
    void setSerialNumber(const QString &serialNumber) override;
    void saveCabinetSerialModelNumbers() override;

private:
    NfcTagItem2 *panTag(quint64 uid) const;
    QPointer<CabinetManager> m_cabinet;
    QPointer<ConfigurationManager> m_config;
    QPointer<MenuManager> m_menus;
    QPointer<DayPartManager> m_dayParts;
    QPointer<NFCmanager> m_nfc;
    QPointer<MasterIoManager> m_io;
    QPointer<KivErrorControllerT> m_errors;
    QPointer<WifiMonitor> m_wifi;
    QPointer<DADazodaru> m_network;
};
