#pragma once

#include "core/holdingexchangecodec.h"
#include "core/holdingexchangehost.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QVariant>
#include <QVector>

#include <memory>
#include <optional>

// Holding shared beyond one bin: which bin of a product the crew serves
// first (the use maps), what this cabinet tells the other cabinets of the
// site about its holds and what it keeps of theirs, and the take-over of a
// running hold by another bin, here or in another cabinet.
//
// The network is reached only through the two "...Ready" signals, which
// the cabinet core connects to the cabinet network; the cabinet itself
// through its host. The clock is KivClock.
class HoldingExchange : public QObject
{
    Q_OBJECT

public:
    // The use-first flags cover at least the bins the display-to-display
    // mask carries, and every bin of a larger cabinet.
    static constexpr int MaskBins = 20;
    // A cabinet unheard for this long is forgotten at the next broadcast.
    static constexpr qint64 CabinetSilenceSecs = 21;

    // What getTransferTimerValue() reports of a candidate.
    enum TransferRole {
        TransferProductName = 0,
        TransferHoldTime = 1,
        TransferWarningTime = 2,
        TransferRemainingTime = 3,
    };

    explicit HoldingExchange(std::unique_ptr<HoldingExchangeHost> host, QObject *parent = nullptr);
    ~HoldingExchange() override;

    static bool transferTimersLessThan(const TimerTransferInfo &a, const TimerTransferInfo &b);

    // Use maps.
    void updateUseMap();
    void updateAllUseMap();
    // The last decision, one flag per bin.
    QVector<bool> binsToUse() const { return m_binsToUse; }

    // Holding lists between cabinets.
    void broadcastHoldingInfo();
    void processReceivedHoldingInfo(const QByteArray &datagram, const QHostAddress &sender);
    // The bins another cabinet last announced, in datagram order.
    QList<binUsageInfo_struct> cabinetHoldingList(const QString &macAddress) const;

    // Product transfer.
    void showProductTransferWindow(int bin, int productId);
    int getTransferTimersCount() const { return m_candidates.size(); }
    QVariant getTransferTimerValue(int index, int role) const;
    void doProductTransfer(int index);
    void productTransferConfirmed();
    // True when it stopped a bin of this cabinet.
    bool handleTimerResetRequest(const QByteArray &request);

signals:
    // A holding datagram to broadcast to the other cabinets.
    void holdingInfoReady(QByteArray datagram);
    // A transfer request for the cabinet at host.
    void transferRequestReady(QByteArray request, QHostAddress host);
    // Another cabinet's list arrived or was forgotten: the use maps are due.
    void otherCabinetsChanged();
    void showProductTransferList();

private:
    struct OtherCabinet
    {
        QList<binUsageInfo_struct> bins;
        qint64 lastArrivalSecs = 0;
        QHostAddress host;
    };

    static bool isRunningHold(const trayInfo &record, qint64 now);
    binUsageInfo_struct usageOf(const trayInfo &record) const;
    bool heldEarlierElsewhere(const binUsageInfo_struct &local) const;
    qint32 remainingSecs(qint64 expectedTime) const;

    std::unique_ptr<HoldingExchangeHost> m_host;
    // Per product, this cabinet's bin that ends first.
    QMap<qint32, binUsageInfo_struct> m_localUseMap;
    QVector<bool> m_binsToUse = QVector<bool>(MaskBins, false);
    // Other cabinets by MAC address text.
    QHash<QString, OtherCabinet> m_otherCabinets;

    QVector<TimerTransferInfo> m_candidates;
    int m_transferTarget = -1;
    std::optional<TimerTransferInfo> m_pendingTransfer;
};
