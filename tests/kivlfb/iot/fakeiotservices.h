#pragma once

#include "iot/iotservices.h"

#include <QHash>
#include <QPair>
#include <QVector>
#include <QStringList>

// A cabinet for the cloud back-ends: settings, bins and tags in plain
// members, and every call that changes something written to a log.
class FakeIotServices : public IotServices
{
public:
    QString type = QStringLiteral("DEZ_RIOT");
    QString model = QStringLiteral("TBV40KWL3E");
    QString serial = QStringLiteral("SN1");
    QString store = QStringLiteral("Store 9");
    QString uuid = QStringLiteral("uuid-1");
    bool nfc = true;
    QHash<int, trayInfo> trays;
    QHash<int, int> productOfBin;
    QHash<int, int> panSizeOfBin;
    QHash<int, int> holdTimeOfProduct;
    QHash<quint64, PanTag> tags;
    QHash<quint64, int> holdStatus;
    QHash<quint64, qint64> activation;
    int tagSaves = 0;
    QStringList calls;

    QString language = QStringLiteral("eng_USA");
    QString passcode = QStringLiteral("1234");
    QString iotVersion, ioVersion, readerVersion, menuFile;
    NetworkSettings network;
    bool networkUpdated = false;
    int customer = 0;
    bool backupInProgress = false;
    int binCount = 4;
    QHash<int, int> trayStates;
    QHash<int, quint64> misMatchedPans;
    QHash<int, QString> misMatchIds;
    QVector<BinTemperatures> bins;
    double wifiLevel = 0;
    QVector<MenuRowValues> menuRows;
    QHash<int, QString> productNames;             // current language
    QHash<QPair<int, int>, QString> productNamesIn; // (language, id)
    QHash<int, QList<int>> groups;
    QStringList dayParts;                         // names in the current language
    int partOfDay = -1;
    QHash<int, int> dayPartSlots;                 // d * 20 + t
    QList<quint64> panOrder;                      // registry order; tags' keys when empty
    QHash<int, quint64> binTags;
    QHash<QString, QList<PanTag>> othersLists;

    QString languageId() const override { return language; }
    QString passwdL1() const override { return passcode; }
    QString iotSoftwareVersion() const override { return iotVersion; }
    QString ioBoardFirmwareVersion() const override { return ioVersion; }
    QString readerFirmwareVersion() const override { return readerVersion; }
    QString importedMenu() const override { return menuFile; }
    NetworkSettings networkSettings() const override { return network; }
    bool networkSettingsUpdated() const override { return networkUpdated; }
    void setNetworkSettingsUpdated(bool updated) override { networkUpdated = updated; }
    void setWifiCredentials(const QString &ssid, const QString &password) override
    {
        calls << "wifi " + ssid + " " + password;
    }
    void setStaticIPEnabled(bool enabled) override { calls << QStringLiteral("staticIp %1").arg(enabled); }

    int customerId() const override { return customer; }
    bool systemBackupInProgress() const override { return backupInProgress; }
    int traysPerCabinet() const override { return binCount; }
    int trayState(int bin) const override { return trayStates.value(bin); }
    quint64 misMatchedPanId(int bin) const override { return misMatchedPans.value(bin); }
    QString misMatchId(int bin) const override { return misMatchIds.value(bin); }
    void stopBinTimer(int bin) override { calls << QStringLiteral("stopBinTimer %1").arg(bin); }
    void reportHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId, int bin,
                           const QString &method, int timeRemaining) override
    {
        calls << QStringLiteral("holdStopped %1 %2 %3 %4 %5 %6")
                     .arg(timeStamp, productName, panId).arg(bin).arg(method).arg(timeRemaining);
    }
    QVector<BinTemperatures> binInfos() const override { return bins; }
    double wifiSignalLevel() const override { return wifiLevel; }

    int menuRowCount() const override { return menuRows.size(); }
    MenuRowValues menuRowValues(int row) const override { return menuRows.value(row); }
    int productIndex(int productId) const override
    {
        for (int row = 0; row < menuRows.size(); ++row) {
            if (menuRows.at(row).id.toInt() == productId)
                return row;
        }
        return 0;
    }
    QString productName(int productId) const override { return productNames.value(productId); }
    QString productName(int language, int productId) const override
    {
        return productNamesIn.value(qMakePair(language, productId));
    }
    QList<int> groupProducts(int groupId) const override { return groups.value(groupId); }
    int dayPartsCount() const override { return dayParts.size(); }
    int currentDayPart() const override { return partOfDay; }
    QString dayPartName(int dayPart) const override { return dayParts.value(dayPart); }
    QString dayPartName(int language, int dayPart) const override
    {
        return QStringLiteral("%1/%2").arg(languageCode(language), dayParts.value(dayPart));
    }
    int productIdOnBin(int dayPart, int bin) const override { return dayPartSlots.value(dayPart * 20 + bin); }
    QString languageCode(int language) const override
    {
        static const char *const codes[] = {"eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld",
                                            "pol", "por", "rus", "ara", "kor", "zh_cn", "jpn"};
        return language >= 0 && language < 15 ? QString::fromLatin1(codes[language]) : QString();
    }

    QList<quint64> registeredPanIds() const override { return panOrder.isEmpty() ? tags.keys() : panOrder; }
    quint64 binTagUid(int bin) const override { return binTags.value(bin); }

    QString iotType() const override { return type; }
    QString modelNumber() const override { return model; }
    QString serialNumber() const override { return serial; }
    QString storeNumber() const override { return store; }
    QString uuidNumber() const override { return uuid; }
    void setPerformanceDataInterval(int seconds) override { calls << QStringLiteral("interval %1").arg(seconds); }
    void setPanMessagesEnable(bool enable) override { calls << QStringLiteral("panMessages %1").arg(enable); }
    void setIotConnected(bool connected) override { calls << QStringLiteral("connected %1").arg(connected); }
    void setIotSoftwareVersion(const QString &version) override { calls << "swVersion " + version; }
    void setStoreNumber(const QString &storeNumber) override { calls << "store " + storeNumber; }
    void saveConfigFile() override { calls << QStringLiteral("save"); }
    void restartWifiNetwork() override { calls << QStringLiteral("restartWifi"); }
    void restartWifiNetworkRIoT() override { calls << QStringLiteral("restartWifiRIoT"); }
    void checkFirmwareUpdateDone() override { calls << QStringLiteral("checkFirmware"); }

    bool nfcEnabled() const override { return nfc; }
    trayInfo getTrayInfo(int bin) const override { return trays.value(bin); }
    int productIdFromBin(int bin) const override { return productOfBin.value(bin); }
    int productPanSizeFromBin(int bin) const override { return panSizeOfBin.value(bin, 1); }
    int productHoldTime(int productId) const override { return holdTimeOfProduct.value(productId); }
    void startBinTimer(int bin, int holdSeconds, quint64 panId) override
    {
        calls << QStringLiteral("startBinTimer %1 %2 %3").arg(bin).arg(holdSeconds).arg(panId, 0, 16);
    }
    void sendHoldStartedEvent(int bin, quint64 panId, const QString &method) override
    {
        calls << QStringLiteral("holdStarted %1 %2 %3").arg(bin).arg(panId, 0, 16).arg(method);
    }

    bool findPanTag(quint64 uid, PanTag *tag) const override
    {
        if (!tags.contains(uid))
            return false;
        *tag = tags.value(uid);
        if (holdStatus.contains(uid))
            tag->holdStatus = holdStatus.value(uid);
        if (activation.contains(uid))
            tag->activationTimeStamp = activation.value(uid);
        return true;
    }
    void setPanBatchId(quint64 uid, const QString &batchId) override { tags[uid].batchId = batchId; }
    void setPanExpTime(quint64 uid, qint64 msecs) override { tags[uid].expTime = msecs; }
    void setPanHoldStatus(quint64 uid, int status) override { holdStatus[uid] = status; }
    void setPanActivationTimeStamp(quint64 uid, qint64 msecs) override { activation[uid] = msecs; }
    void setPanRestartRequested(quint64 uid, bool requested) override { tags[uid].restartRequested = requested; }
    void savePanTags() override { ++tagSaves; }
    void deregisterPanTag(quint64 uid) override
    {
        calls << QStringLiteral("deregister %1").arg(uid, 0, 16);
        tags.remove(uid);
    }
    void removePanTagAndStopTimer(quint64 uid) override
    {
        calls << QStringLiteral("removeAndStop %1").arg(uid, 0, 16);
        tags.remove(uid);
    }
    void replaceOthersList(const QString &key, const QList<PanTag> &records) override
    {
        othersLists.insert(key, records);
    }
};
