#pragma once

#include "core/trayinfo.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>

// What the holding exchange needs of the cabinet it serves: its identity and
// settings, the holding records of its bins, the bars' use-first marks, the
// bin timers and the menu. The cabinet core answers through
// CabinetHoldingExchangeHost. Standing alone (no cabinet), every question
// gets a neutral answer and every request is dropped.
class HoldingExchangeHost
{
public:
    virtual ~HoldingExchangeHost() = default;

    virtual QString macAddress() const { return QString(); }
    virtual QString productsHashCode() const { return QString(); }
    virtual int traysPerCabinet() const { return 0; }
    virtual bool useFirstEnabled() const { return false; }
    virtual bool linkedUseFirst() const { return false; }
    virtual bool touchBasedTransfer() const { return false; }
    virtual bool haccpEnabled() const { return false; }
    // A mirror or secondary display shares this cabinet's bins.
    virtual bool hasOtherDisplay() const { return false; }

    // One record per bin, in bin order.
    virtual QList<trayInfo> binRecords() const { return {}; }
    virtual int productIdAtBin(quint8 /*bin*/) const { return 0; }
    // Marks a bar of this display; bins shown elsewhere are left alone.
    virtual void setUseBin(int /*bin*/, bool /*use*/) {}
    virtual void sendBinsToUse(quint32 /*mask*/) {}
    virtual void startBinTimer(quint8 /*bin*/, qint32 /*seconds*/) {}
    virtual void stopBinTimer(quint8 /*bin*/) {}
    virtual void removeHaccpLogTimerStartInfo(int /*bin*/, int /*productId*/, qint64 /*expectedTime*/) {}

    // The menu, by product id.
    virtual QVariant productName(int /*productId*/) const { return QVariant(); }
    virtual QVariant productHoldTime(int /*productId*/) const { return QVariant(); }
    virtual QVariant productWarningTime(int /*productId*/) const { return QVariant(); }
};
