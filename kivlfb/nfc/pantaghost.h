#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

struct NfcPollInfo;

// What the pan-tag registry and the NFC reader polling with its tag analysis
// need of the cabinet they serve: its identity and polling plan, the bins'
// products and trays, the bin timers, the mismatch indication, the chime,
// the hold events and the menu. The cabinet core answers through
// CabinetPanTagHost; tests record the calls. Standing alone (no cabinet),
// every question gets a neutral answer and every request is dropped.
class PanTagHost
{
public:
    virtual ~PanTagHost() = default;

    // The cabinet.
    virtual bool isPrimary() const { return false; }
    virtual bool nfcEnabled() const { return false; }
    virtual const NfcPollInfo *pollingInfo() const { return nullptr; }
    virtual QList<int> slotToBinList() const { return QList<int>(); }
    virtual int traysPerCabinet() const { return 0; }
    virtual bool timerDecrementEnabled() const { return false; }
    virtual int orientationId() const { return 0; }
    virtual int customerId() const { return 0; }
    virtual bool hasSecondaryDisplay() const { return false; }
    virtual QString macAddress() const { return QString(); }
    virtual QString iotType() const { return QString(); }
    virtual bool systemBackupInProgress() const { return false; }
    virtual void setReaderFirmwareVersion(int /*reader*/, const QString & /*version*/) {}

    // The bins.
    virtual quint64 tagUidAtBin(quint8 /*bin*/) const { return 0; }
    virtual void setTagUidAtTrayTimer(quint8 /*bin*/, quint64 /*uid*/) {}
    virtual int productIdAtBin(quint8 /*bin*/) const { return 0; }
    virtual int productPanSizeAtBin(quint8 /*bin*/) const { return 0; }
    virtual int trayHoldTimePreSet(quint8 /*bin*/) const { return 0; }
    virtual int trayState(int /*bin*/) const { return 0; }
    virtual bool trayAlertStatus(quint8 /*bin*/) const { return false; }
    virtual bool binsMatch(quint8 /*binA*/, quint8 /*binB*/) const { return false; }

    // The menu, by product id.
    virtual int productHoldTimeSec(int /*productId*/) const { return 0; }
    virtual quint32 productCrc32(int /*productId*/) const { return 0; }
    virtual QByteArray productMd5(int /*productId*/) const { return QByteArray(); }
    virtual QString productName(int /*productId*/) const { return QString(); }
    virtual int productResetTimeSec(int /*productId*/) const { return 0; }

    // Bin timers, HACCP records, indication and sound. The flag of the
    // mismatch indication marks a universal pan tag.
    virtual void startBinTimer(quint8 /*bin*/, qint32 /*seconds*/, quint64 /*uid*/) {}
    virtual void stopBinTimer(quint8 /*bin*/) {}
    virtual void setBinTimerExpired(quint8 /*bin*/) {}
    virtual void handleHaccpTimerNfcTransfer(int /*bin*/) {}
    virtual void setMisMatchedPanId(int /*bin*/, quint64 /*uid*/) {}
    virtual void showProductMismatch(quint8 /*bin*/, bool /*show*/, int /*kind*/, bool /*flag*/) {}
    virtual void soundNfcChime(bool /*universal*/) {}
    virtual void showReaderErrorOnOtherDisplay() {}

    // IoT events.
    virtual void sendHoldStartedEvent(quint8 /*bin*/, quint64 /*uid*/, const QString & /*method*/) {}
    virtual void sendHoldExpiredEvent(quint8 /*bin*/, quint64 /*uid*/) {}
    virtual void sendHoldStoppedEvent(quint8 /*bin*/, quint64 /*uid*/, const QString & /*method*/,
                                      int /*remainingSeconds*/) {}
    virtual void holdingListChanged(const QString & /*timeStamp*/) {}
};
