#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// What the pan-tag registry needs of the cabinet it serves: its identity,
// the bins' products and tray timers, the hold events and the menu. The
// cabinet core answers through CabinetPanTagHost. Standing alone (no
// cabinet), every question gets a neutral answer and every request is
// dropped.
class PanTagHost
{
public:
    virtual ~PanTagHost() = default;

    virtual bool isPrimary() const { return false; }
    virtual bool nfcEnabled() const { return false; }
    virtual int traysPerCabinet() const { return 0; }
    virtual bool timerDecrementEnabled() const { return false; }
    virtual int orientationId() const { return 0; }
    virtual int customerId() const { return 0; }
    virtual QString macAddress() const { return QString(); }
    virtual QString iotType() const { return QString(); }
    virtual bool systemBackupInProgress() const { return false; }

    virtual quint64 tagUidAtBin(quint8 /*bin*/) const { return 0; }
    virtual void setTagUidAtTrayTimer(quint8 /*bin*/, quint64 /*uid*/) {}
    virtual int productIdAtBin(quint8 /*bin*/) const { return 0; }
    virtual int productPanSizeAtBin(quint8 /*bin*/) const { return 0; }
    virtual int trayHoldTimePreSet(quint8 /*bin*/) const { return 0; }
    virtual bool trayAlertStatus(quint8 /*bin*/) const { return false; }
    virtual void showProductMismatch(quint8 /*bin*/, bool /*show*/, int /*kind*/) {}
    virtual void startBinTimer(quint8 /*bin*/, qint32 /*seconds*/, quint64 /*uid*/) {}
    virtual void sendHoldStartedEvent(quint8 /*bin*/, quint64 /*uid*/, const QString & /*method*/) {}
    virtual void sendHoldStoppedEvent(quint8 /*bin*/, quint64 /*uid*/, const QString & /*method*/,
                                      int /*remainingSeconds*/) {}
    virtual void handleHaccpTimerNfcTransfer(int /*bin*/) {}

    // The menu, by product id.
    virtual int productHoldTimeSec(int /*productId*/) const { return 0; }
    virtual quint32 productCrc32(int /*productId*/) const { return 0; }
    virtual QByteArray productMd5(int /*productId*/) const { return QByteArray(); }
    virtual QString productName(int /*productId*/) const { return QString(); }
};
