#pragma once

#include "core/trayinfo.h"
#include "iot/iotwire.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>
#include <QtGlobal>

// What the cloud back-ends need of the cabinet: identity and settings from
// the configuration store, bins and products from the cabinet core and the
// menu, and the pan-tag registry. The back-ends keep no copy of cabinet state;
// they ask here each time they build an event, so tests can hand them a fake.
class IotServices
{
public:
    // The cabinet's per-bin tables (the I/O board's bin list, the day-part
    // slots) hold this many bins whatever the configured bin count says.
    static constexpr int MaxBins = 20;

    // One pan's tag record, as the back-ends read it.
    struct PanTag
    {
        quint64 uid = 0;
        int holdStatus = 0;        // 4: the hold was ended by a reset
        int position = 0;          // 0-based bin index
        bool seenInCabinet = false;
        qint64 expTime = 0;        // ms since the epoch
        qint64 activationTimeStamp = 0; // ms since the epoch
        quint32 crc32 = 0;
        QString batchId;
        bool restartRequested = false;
    };

    // One bin's temperatures as the I/O board reports them.
    struct BinTemperatures
    {
        int binNumber = 0; // 0-based
        int actualTemp = 0;
        int targetTemp = 0;
    };

    // One row of the menu: a product, or a group of products when groupId is
    // not 0.
    struct MenuRow
    {
        int id = 0;
        int groupId = 0;
        int holdTime = 0;    // seconds
        int warningTime = 0; // seconds
        int lowerTemp = 0;
        int upperTemp = 0;
        int panSize = 0;
        QString panSizeX;    // the pan size as a fraction text
        QString lidType;
        QString bottomType;
    };

    // The same row as the model gives it: the values stay variants, so that
    // a reader can tell a value that is not a number.
    struct MenuRowValues
    {
        QVariant id;
        QVariant groupId;
        QVariant holdTime;
        QVariant warningTime;
        QVariant lowerTemp;
        QVariant upperTemp;
        QVariant panSize;
        QVariant panSizeX;
        QVariant lidType;
        QVariant bottomType;
    };

    // The stored network settings, Wi-Fi and Ethernet side by side.
    struct NetworkSettings
    {
        int mode = 0; // 1: Wi-Fi, anything else: Ethernet
        QString wifiSSID;
        QString wifiPassword;
        QString wifiIdentity;
        bool wpaEnabled = false;
        bool wifiStaticIp = false;
        QString wifiIpAddr;
        QString wifiGateway;
        QString wifiBroadcast;
        QString wifiNetmask;
        bool staticIPEnabled = false;
        QString ipAddress;
        QString gateway;
        QString ethBroadcast;
        QString netmask;
    };

    struct EcoSettings
    {
        int shelfHeatMode = 0;
        int shelfHeatTemp = 0;
        int activateMode = 0;
        int activateTimeout = 0;
    };

    virtual ~IotServices() = default;

    // Configuration store.
    virtual QString iotType() const = 0;
    virtual QString modelNumber() const = 0;
    virtual QString serialNumber() const = 0;
    virtual QString storeNumber() const = 0;
    virtual QString uuidNumber() const = 0;
    virtual QString macAddress() const = 0;
    virtual QString languageId() const = 0;     // the language code text
    virtual QString prevLanguageId() const = 0;
    virtual QString passwdL1() const = 0;       // as stored
    virtual QString prevPasswdL1() const = 0;
    virtual int tempUnit() const = 0;           // 1: Celsius
    virtual QString iotSdkVersion() const = 0;
    virtual QString iotSoftwareVersion() const = 0;
    virtual QString ioBoardFirmwareVersion() const = 0;
    virtual QString readerFirmwareVersion() const = 0;
    virtual QString importedMenu() const = 0;
    virtual bool panMessagesEnable() const = 0;
    virtual EcoSettings ecoSettings() const = 0;
    virtual NetworkSettings networkSettings() const = 0;
    virtual bool networkSettingsUpdated() const = 0;
    virtual void setNetworkSettingsUpdated(bool updated) = 0;
    virtual void setStaticIPEnabled(bool enabled) = 0; // the Ethernet side's
    virtual void setPerformanceDataInterval(int seconds) = 0;
    virtual void setPanMessagesEnable(bool enable) = 0;
    virtual void setIotConnected(bool connected) = 0;
    virtual void setIotSoftwareVersion(const QString &version) = 0;
    virtual void setStoreNumber(const QString &storeNumber) = 0;
    virtual void saveConfigFile() = 0;
    virtual void restartWifiNetwork() = 0;
    virtual void restartWifiNetworkRIoT() = 0;
    virtual void checkFirmwareUpdateDone() = 0;

    // Cabinet core.
    virtual int customerId() const = 0;
    virtual bool nfcEnabled() const = 0;
    virtual bool systemBackupInProgress() const = 0;
    virtual int traysPerCabinet() const = 0;
    virtual int traysPerZone() const = 0;
    virtual int pluggedInMinutes() const = 0;
    virtual trayInfo getTrayInfo(int bin) const = 0;
    virtual int trayState(int bin) const = 0;
    virtual int productIdFromBin(int bin) const = 0;
    virtual int productPanSizeFromBin(int bin) const = 0;
    virtual int productHoldTime(int productId) const = 0; // seconds, from the menu
    virtual quint64 misMatchedPanId(int bin) const = 0;
    virtual QString misMatchId(int bin) const = 0;
    virtual void startBinTimer(int bin, int holdSeconds, quint64 panId) = 0;
    virtual void sendHoldStartedEvent(int bin, quint64 panId, const QString &method) = 0;
    // The I/O board's bin list, in bin order.
    virtual QVector<BinTemperatures> binInfos() const = 0;
    // A zone's lower and upper heater values; false when there is no such
    // zone.
    virtual bool zoneTemperatures(int zone, QList<int> *targets, QList<int> *actuals) const = 0;

    // Neighbours: the error log and the Wi-Fi link.
    virtual int errorLogCount() const = 0;
    virtual double wifiSignalLevel() const = 0;         // 0 to 100
    virtual double wifiSignalLevelDecibel() const = 0;  // dBm

    // Menu, day parts and languages. Names are in the current language
    // unless a language index is given.
    virtual int menuRowCount() const = 0;
    virtual MenuRow menuRow(int row) const = 0;
    virtual MenuRowValues menuRowValues(int row) const = 0;
    virtual int productIndex(int productId) const = 0;  // 0 when no row has it
    virtual QString productName(int productId) const = 0;
    virtual QString productName(int language, int productId) const = 0;
    virtual QList<int> groupProducts(int groupId) const = 0;
    virtual int dayPartsCount() const = 0;
    virtual int currentDayPart() const = 0;
    virtual QString dayPartName(int dayPart) const = 0;
    virtual QString dayPartName(int language, int dayPart) const = 0;
    virtual int productIdOnBin(int dayPart, int bin) const = 0;
    virtual QString languageCode(int language) const = 0; // empty past the table

    // Pan-tag registry. findPanTag fills tag and answers true when the pan
    // has a record; the setters change one field of an existing record.
    virtual QList<quint64> registeredPanIds() const = 0; // the registry's order
    virtual quint64 uidInBin(int bin) const = 0;         // 0: no pan seen
    virtual bool findPanTag(quint64 uid, PanTag *tag) const = 0;
    virtual void setPanBatchId(quint64 uid, const QString &batchId) = 0;
    // Opens a holding cycle for a pan: a known pan gets the batch id
    // "<pan>:<timeStamp>" (tag is read again afterwards), an unknown one
    // id 0 and the tray's expected end. Returns the event's "batch" object.
    QJsonObject openHoldBatch(quint64 pan, bool known, const QString &timeStamp, qint64 trayExpectedMs, PanTag *tag)
    {
        QJsonObject batch;
        if (known) {
            setPanBatchId(pan, IotWire::hex(pan) + QLatin1Char(':') + timeStamp);
            findPanTag(pan, tag);
            batch.insert(QStringLiteral("id"), tag->batchId);
            batch.insert(QStringLiteral("expiration"), IotWire::nearestSecond(tag->expTime));
        } else {
            batch.insert(QStringLiteral("id"), 0);
            batch.insert(QStringLiteral("expiration"), IotWire::nearestSecond(trayExpectedMs));
        }
        batch.insert(QStringLiteral("active"), true);
        return batch;
    }
    virtual void setPanExpTime(quint64 uid, qint64 msecs) = 0;
    virtual void setPanHoldStatus(quint64 uid, int status) = 0;
    virtual void setPanActivationTimeStamp(quint64 uid, qint64 msecs) = 0;
    virtual void setPanRestartRequested(quint64 uid, bool requested) = 0;
    virtual void savePanTags() = 0;

    // The cloud's hold-cycle commands and the holding lists it hands over.
    virtual quint64 binTagUid(int bin) const = 0; // the pan registered for the bin; 0: none
    // Ends the pan's hold; the record stays, marked as ended.
    virtual void deregisterPanTag(quint64 uid) = 0;
    virtual void removePanTagAndStopTimer(quint64 uid) = 0;
    virtual void stopBinTimer(int bin) = 0;
    // The cabinet's hold-stopped signal, as the cabinet itself raises it.
    virtual void emitHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId, int bin,
                                 const QString &method, int timeRemaining) = 0;
    // Replaces the holding list kept for another cabinet.
    virtual void replaceRemoteHoldingList(const QString &cabinet, const QList<PanTag> &records) = 0;

    // Wi-Fi settings pushed by the cloud, and identity numbers parked until
    // the next start.
    virtual QString wifiSSID() const = 0;
    virtual QString wifiPassword() const = 0;
    virtual bool wifiApConnected() const = 0;
    virtual void setWifiSSID(const QString &ssid) = 0;
    virtual void setWifiPassword(const QString &password) = 0;
    virtual void setWifiStaticIp(bool enabled) = 0;
    virtual void reconfigureNetworkDevices() = 0;
    virtual void setModelNumber(const QString &modelNumber) = 0;
    virtual void setSerialNumber(const QString &serialNumber) = 0;
    virtual void saveCabinetSerialModelNumbers() = 0;
};
