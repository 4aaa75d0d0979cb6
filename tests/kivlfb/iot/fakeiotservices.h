#pragma once

#include "iot/iotservices.h"

#include <QHash>
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
        return true;
    }
    void setPanBatchId(quint64 uid, const QString &batchId) override { tags[uid].batchId = batchId; }
    void setPanExpTime(quint64 uid, qint64 msecs) override { tags[uid].expTime = msecs; }
    void setPanHoldStatus(quint64 uid, int status) override { holdStatus[uid] = status; }
    void setPanActivationTimeStamp(quint64 uid, qint64 msecs) override { activation[uid] = msecs; }
    void setPanRestartRequested(quint64 uid, bool requested) override { tags[uid].restartRequested = requested; }
    void savePanTags() override { ++tagSaves; }
};
