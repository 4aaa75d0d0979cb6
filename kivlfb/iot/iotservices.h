#pragma once

#include "core/trayinfo.h"

#include <QString>
#include <QtGlobal>

// What the cloud back-ends need of the cabinet: identity and settings from
// the configuration store, bins and products from the cabinet core and the
// menu, and the pan-tag registry. The back-ends keep no copy of cabinet state;
// they ask here each time they build an event, so tests can hand them a fake.
class IotServices
{
public:
    // One pan's tag record, as the back-ends read it.
    struct PanTag
    {
        quint64 uid = 0;
        int position = 0;          // 0-based bin index
        bool seenInCabinet = false;
        qint64 expTime = 0;        // ms since the epoch
        QString batchId;
        bool restartRequested = false;
    };

    virtual ~IotServices() = default;

    // Configuration store.
    virtual QString iotType() const = 0;
    virtual QString modelNumber() const = 0;
    virtual QString serialNumber() const = 0;
    virtual QString storeNumber() const = 0;
    virtual QString uuidNumber() const = 0;
    virtual void setPerformanceDataInterval(int seconds) = 0;
    virtual void setPanMessagesEnable(bool enable) = 0;
    virtual void setIotConnected(bool connected) = 0;
    virtual void setIotSoftwareVersion(const QString &version) = 0;
    virtual void setStoreNumber(const QString &storeNumber) = 0;
    virtual void saveConfigFile() = 0;
    virtual void restartWifiNetwork() = 0;
    virtual void restartWifiNetworkRIoT() = 0;
    virtual void checkFirmwareUpdateDone() = 0;

    // Cabinet core and menu.
    virtual bool nfcEnabled() const = 0;
    virtual trayInfo getTrayInfo(int bin) const = 0;
    virtual int productIdFromBin(int bin) const = 0;
    virtual int productPanSizeFromBin(int bin) const = 0;
    virtual int productHoldTime(int productId) const = 0; // seconds, from the menu
    virtual void startBinTimer(int bin, int holdSeconds, quint64 panId) = 0;
    virtual void sendHoldStartedEvent(int bin, quint64 panId, const QString &method) = 0;

    // Pan-tag registry. findPanTag fills tag and answers true when the pan
    // has a record; the setters change one field of an existing record.
    virtual bool findPanTag(quint64 uid, PanTag *tag) const = 0;
    virtual void setPanBatchId(quint64 uid, const QString &batchId) = 0;
    virtual void setPanExpTime(quint64 uid, qint64 msecs) = 0;
    virtual void setPanHoldStatus(quint64 uid, int status) = 0;
    virtual void setPanActivationTimeStamp(quint64 uid, qint64 msecs) = 0;
    virtual void setPanRestartRequested(quint64 uid, bool requested) = 0;
    virtual void savePanTags() = 0;
};
