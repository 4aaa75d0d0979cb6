#pragma once

#include "iot/iotservices.h"

#include <QHash>
#include <QPair>
#include <QStringList>
#include <QVector>

#include <functional>

// A cabinet for the cloud back-ends: settings, bins, menu and tags in plain
// members, and every call that changes something written to a log.
class FakeIotServices : public IotServices
{
public:
    QString type = QStringLiteral("DEZ_RIOT");
    QString model = QStringLiteral("TBV40KWL3E");
    QString serial = QStringLiteral("SN1");
    QString store = QStringLiteral("Store 9");
    QString uuid = QStringLiteral("uuid-1");
    QString mac = QStringLiteral("00:11:22:33:44:55");
    QString language = QStringLiteral("eng_USA");
    QString prevLanguage = QStringLiteral("spa");
    QString passcode = QStringLiteral("1234");
    QString prevPasscode = QStringLiteral("0000");
    int unit = 0;
    QString sdkVersion = QStringLiteral("3.1.0");
    QString iotVersion = QStringLiteral("2.4.1");
    QString ioVersion = QStringLiteral("IO-21");
    QString readerVersion = QStringLiteral("RD-7");
    QString menuFile = QStringLiteral("lunch.menu.json");
    bool panMessages = true;
    EcoSettings eco;
    NetworkSettings network;
    bool networkUpdated = false;
    bool backupInProgress = false;
    int customer = 3;
    bool nfc = true;
    int binCount = 6;
    int perZone = 3;
    int minutes = 0;
    int errorCount = 0;
    double signalLevel = 0;
    double signalDecibel = 0;
    QHash<int, trayInfo> trays;
    QHash<int, int> states;
    QHash<int, int> productOfBin;
    QHash<int, int> panSizeOfBin;
    QHash<int, int> holdTimeOfProduct;
    QHash<int, quint64> mismatchPan;
    QHash<int, QString> mismatchId;
    QVector<BinTemperatures> bins;
    // A zone's lower and upper set points and temperatures; a zone not here
    // does not exist.
    QHash<int, QPair<QList<int>, QList<int>>> zones;
    QVector<MenuRow> menu;
    QVector<MenuRowValues> menuValues; // when set, the rows as the model gives them
    QHash<int, QStringList> names; // product id: name per language
    QHash<int, QList<int>> groups;
    QStringList dayParts;          // English names; other languages add "/<index>"
    int dayPart = 0;
    QHash<int, int> layoutProduct; // day part * 100 + bin: product
    QList<quint64> order;          // the registry's order; tags not listed follow
    QHash<quint64, PanTag> tags;
    QHash<int, quint64> binUids;
    int tagSaves = 0;
    QStringList calls;
    // Reads the cabinet's 20-bin tables would not survive.
    mutable QStringList overReads;

    FakeIotServices()
    {
        for (int bin = 0; bin < MaxBins; ++bin) {
            BinTemperatures b;
            b.binNumber = bin;
            b.actualTemp = 150 + bin;
            b.targetTemp = 170;
            bins.append(b);
        }
    }

    QString iotType() const override { return type; }
    QString modelNumber() const override { return model; }
    QString serialNumber() const override { return serial; }
    QString storeNumber() const override { return store; }
    QString uuidNumber() const override { return uuid; }
    QString macAddress() const override { return mac; }
    QString languageId() const override { return language; }
    QString prevLanguageId() const override { return prevLanguage; }
    QString passwdL1() const override { return passcode; }
    QString prevPasswdL1() const override { return prevPasscode; }
    int tempUnit() const override { return unit; }
    QString iotSdkVersion() const override { return sdkVersion; }
    QString iotSoftwareVersion() const override { return iotVersion; }
    QString ioBoardFirmwareVersion() const override { return ioVersion; }
    QString readerFirmwareVersion() const override { return readerVersion; }
    QString importedMenu() const override { return menuFile; }
    bool panMessagesEnable() const override { return panMessages; }
    EcoSettings ecoSettings() const override { return eco; }
    NetworkSettings networkSettings() const override { return network; }
    bool networkSettingsUpdated() const override { return networkUpdated; }
    void setNetworkSettingsUpdated(bool updated) override { networkUpdated = updated; }
    void setStaticIPEnabled(bool enabled) override { calls << QStringLiteral("staticIPEnabled %1").arg(enabled); }
    void setPerformanceDataInterval(int seconds) override { calls << QStringLiteral("interval %1").arg(seconds); }
    void setPanMessagesEnable(bool enable) override { calls << QStringLiteral("panMessages %1").arg(enable); }
    void setIotConnected(bool connected) override { calls << QStringLiteral("connected %1").arg(connected); }
    void setIotSoftwareVersion(const QString &version) override { calls << "swVersion " + version; }
    void setStoreNumber(const QString &storeNumber) override { calls << "store " + storeNumber; }
    void saveConfigFile() override { calls << QStringLiteral("save"); }
    void restartWifiNetwork() override { calls << QStringLiteral("restartWifi"); }
    void restartWifiNetworkRIoT() override { calls << QStringLiteral("restartWifiRIoT"); }
    void checkFirmwareUpdateDone() override
    {
        calls << QStringLiteral("checkFirmware");
        if (onCheckFirmware)
            onCheckFirmware();
    }
    std::function<void()> onCheckFirmware;

    int customerId() const override { return customer; }
    bool nfcEnabled() const override { return nfc; }
    bool systemBackupInProgress() const override { return backupInProgress; }
    int traysPerCabinet() const override { return binCount; }
    int traysPerZone() const override { return perZone; }
    int pluggedInMinutes() const override { return minutes; }
    trayInfo getTrayInfo(int bin) const override { return trays.value(bin); }
    int trayState(int bin) const override { return states.value(bin); }
    int productIdFromBin(int bin) const override { return productOfBin.value(bin); }
    int productPanSizeFromBin(int bin) const override { return panSizeOfBin.value(bin, 1); }
    int productHoldTime(int productId) const override { return holdTimeOfProduct.value(productId); }
    quint64 misMatchedPanId(int bin) const override { return mismatchPan.value(bin); }
    QString misMatchId(int bin) const override { return mismatchId.value(bin); }
    void startBinTimer(int bin, int holdSeconds, quint64 panId) override
    {
        calls << QStringLiteral("startBinTimer %1 %2 %3").arg(bin).arg(holdSeconds).arg(panId, 0, 16);
    }
    void sendHoldStartedEvent(int bin, quint64 panId, const QString &method) override
    {
        calls << QStringLiteral("holdStarted %1 %2 %3").arg(bin).arg(panId, 0, 16).arg(method);
    }
    QVector<BinTemperatures> binInfos() const override { return bins; }
    bool zoneTemperatures(int zone, QList<int> *targets, QList<int> *actuals) const override
    {
        if (!zones.contains(zone))
            return false;
        *targets = zones.value(zone).first;
        *actuals = zones.value(zone).second;
        return true;
    }

    int errorLogCount() const override { return errorCount; }
    double wifiSignalLevel() const override { return signalLevel; }
    double wifiSignalLevelDecibel() const override { return signalDecibel; }

    int menuRowCount() const override { return menuValues.isEmpty() ? menu.size() : menuValues.size(); }
    MenuRow menuRow(int row) const override { return menu.value(row); }
    MenuRowValues menuRowValues(int row) const override
    {
        if (!menuValues.isEmpty())
            return menuValues.value(row);
        const MenuRow plain = menu.value(row);
        MenuRowValues values;
        values.id = plain.id;
        values.groupId = plain.groupId;
        values.holdTime = plain.holdTime;
        values.warningTime = plain.warningTime;
        values.lowerTemp = plain.lowerTemp;
        values.upperTemp = plain.upperTemp;
        values.panSize = plain.panSize;
        values.panSizeX = plain.panSizeX;
        values.lidType = plain.lidType;
        values.bottomType = plain.bottomType;
        return values;
    }
    int productIndex(int productId) const override
    {
        for (int row = 0; row < menu.size(); ++row)
            if (menu.at(row).id == productId)
                return row;
        return 0;
    }
    QString productName(int productId) const override { return productName(0, productId); }
    QString productName(int language, int productId) const override
    {
        return names.value(productId).value(language);
    }
    QList<int> groupProducts(int groupId) const override { return groups.value(groupId); }
    int dayPartsCount() const override { return dayParts.size(); }
    int currentDayPart() const override { return dayPart; }
    QString dayPartName(int part) const override { return dayPartName(0, part); }
    QString dayPartName(int language, int part) const override
    {
        if (part < 0 || part >= dayParts.size())
            return QString();
        return language == 0 ? dayParts.at(part) : dayParts.at(part) + QStringLiteral("/%1").arg(language);
    }
    int productIdOnBin(int part, int bin) const override
    {
        if (bin < 0 || bin >= MaxBins)
            overReads << QStringLiteral("day-part slot %1").arg(bin);
        return layoutProduct.value(part * 100 + bin);
    }
    QString languageCode(int index) const override
    {
        static const QStringList codes = {"eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld",
                                          "pol", "por", "rus", "ara", "kor", "zh_cn", "jpn"};
        return codes.value(index);
    }

    QList<quint64> registeredPanIds() const override
    {
        QList<quint64> ids = order;
        for (auto it = tags.cbegin(); it != tags.cend(); ++it)
            if (!ids.contains(it.key()))
                ids.append(it.key());
        return ids;
    }
    quint64 uidInBin(int bin) const override { return binUids.value(bin); }
    bool findPanTag(quint64 uid, PanTag *tag) const override
    {
        if (!tags.contains(uid))
            return false;
        *tag = tags.value(uid);
        return true;
    }
    void setPanBatchId(quint64 uid, const QString &batchId) override { tags[uid].batchId = batchId; }
    void setPanExpTime(quint64 uid, qint64 msecs) override { tags[uid].expTime = msecs; }
    void setPanHoldStatus(quint64 uid, int status) override { tags[uid].holdStatus = status; }
    void setPanActivationTimeStamp(quint64 uid, qint64 msecs) override { tags[uid].activationTimeStamp = msecs; }
    void setPanRestartRequested(quint64 uid, bool requested) override { tags[uid].restartRequested = requested; }
    void savePanTags() override { ++tagSaves; }

    // Hold-cycle commands and other cabinets' lists. A deregistered pan keeps
    // its record, marked as ended; removal drops it.
    QHash<QString, QList<PanTag>> remoteLists;
    quint64 binTagUid(int bin) const override { return binUids.value(bin); }
    void deregisterPanTag(quint64 uid) override
    {
        calls << QStringLiteral("deregister %1").arg(uid, 0, 16);
        if (tags.contains(uid))
            tags[uid].holdStatus = 4;
    }
    void removePanTagAndStopTimer(quint64 uid) override
    {
        calls << QStringLiteral("removeAndStop %1").arg(uid, 0, 16);
        tags.remove(uid);
    }
    void stopBinTimer(int bin) override { calls << QStringLiteral("stopBinTimer %1").arg(bin); }
    void emitHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId, int bin,
                         const QString &method, int timeRemaining) override
    {
        calls << QStringLiteral("holdStopped %1 %2 %3 %4 %5 %6")
                     .arg(timeStamp, productName, panId)
                     .arg(bin)
                     .arg(method)
                     .arg(timeRemaining);
    }
    void replaceRemoteHoldingList(const QString &cabinet, const QList<PanTag> &records) override
    {
        remoteLists.insert(cabinet, records);
    }

    QString ssid = QStringLiteral("site-net");
    QString wifiPass = QStringLiteral("secret");
    bool apConnected = true;
    QString wifiSSID() const override { return ssid; }
    QString wifiPassword() const override { return wifiPass; }
    bool wifiApConnected() const override { return apConnected; }
    void setWifiSSID(const QString &value) override { calls << "ssid " + value; }
    void setWifiPassword(const QString &value) override { calls << "password " + value; }
    void setWifiStaticIp(bool enabled) override { calls << QStringLiteral("staticIp %1").arg(enabled); }
    void reconfigureNetworkDevices() override { calls << QStringLiteral("reconfigureNetwork"); }
    void setModelNumber(const QString &value) override { calls << "model " + value; }
    void setSerialNumber(const QString &value) override { calls << "serial " + value; }
    void saveCabinetSerialModelNumbers() override { calls << QStringLiteral("saveIdentity"); }
};
