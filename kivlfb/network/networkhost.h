#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

class DADazodaru;

// What the cabinet network and the Wi-Fi monitor need of the cabinet they
// serve: whether this display speaks for the cabinet, the holding exchange
// that reads the datagrams and transfer requests they carry, the backup
// that a log save must not disturb, and the cabinet network object whose
// access-point flag the monitor sets. The cabinet core answers through
// CabinetNetworkHost; tests record the calls. Standing alone (no cabinet),
// every question gets a neutral answer and every request is dropped.
class NetworkHost
{
public:
    virtual ~NetworkHost() = default;

    virtual bool iAmMaster() const { return false; }
    // The name this cabinet announces to the others.
    virtual QString cabinetName() const { return QString(); }
    virtual void processReceivedHoldingInfo(const QByteArray & /*datagram*/, const QHostAddress & /*sender*/) {}
    // True when a bin timer of this cabinet was stopped for the requester.
    virtual bool handleTimerResetRequest(const QByteArray & /*request*/) { return false; }
    virtual void productTransferConfirmed() {}
    virtual bool systemBackupInProgress() const { return false; }
    // Looked up at each use: the monitor is created before the network.
    virtual DADazodaru *cabinetNetwork() const { return nullptr; }
};
