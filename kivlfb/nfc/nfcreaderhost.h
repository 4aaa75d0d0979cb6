#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

struct NfcPollInfo;

// What the NFC reader polling and the tag analysis need of the cabinet: the
// polling plan and slot-to-bin list, the bins' products and trays, the bin
// timers, the mismatch indication, the chime and the hold events. The
// cabinet core answers through CabinetNfcReaderHost; tests record the calls.
// Standing alone, every question gets a neutral answer and every request is
// dropped.
class NfcReaderHost
{
public:
    virtual ~NfcReaderHost() = default;

    // The cabinet.
    virtual bool nfcEnabled() const { return false; }
    virtual const NfcPollInfo *pollingInfo() const { return nullptr; }
    virtual QList<int> slotToBinList() const { return QList<int>(); }
    virtual int traysPerCabinet() const { return 0; }
    virtual int customerId() const { return 0; }
    virtual bool hasSecondaryDisplay() const { return false; }
    virtual QString iotType() const { return QString(); }
    virtual void setReaderFirmwareVersion(int /*reader*/, const QString & /*version*/) {}

    // The bins.
    virtual int productIdAtBin(quint8 /*bin*/) const { return 0; }
    virtual int productPanSizeAtBin(quint8 /*bin*/) const { return 0; }
    virtual int trayState(int /*bin*/) const { return 0; }
    virtual bool trayAlertStatus(quint8 /*bin*/) const { return false; }
    virtual bool binsMatch(quint8 /*binA*/, quint8 /*binB*/) const { return false; }

    // The menu, by product id.
    virtual int productHoldTimeSec(int /*productId*/) const { return 0; }
    virtual quint32 productCrc32(int /*productId*/) const { return 0; }
    virtual int productResetTimeSec(int /*productId*/) const { return 0; }

    // Bin timers, HACCP records, indication and sound.
    virtual void startBinTimer(quint8 /*bin*/, int /*seconds*/, quint64 /*uid*/) {}
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
