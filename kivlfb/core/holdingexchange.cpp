#include "holdingexchange.h"

#include "platform/kivclock.h"

#include <QDebug>

#include <algorithm>
#include <climits>

namespace {

// Hold activities of a record.
constexpr int kActivityStarted = 2;
constexpr int kActivitySetFromOutside = 4;
// Use first off marks every bin except these: stopped, changed, expired.
constexpr int kActivityStopped = 0;
constexpr int kActivityChanged = 1;
constexpr int kActivityExpired = 5;

} // namespace

HoldingExchange::HoldingExchange(std::unique_ptr<HoldingExchangeHost> host, QObject *parent)
    : QObject(parent)
    , m_host(host ? std::move(host) : std::make_unique<HoldingExchangeHost>())
{
}

HoldingExchange::~HoldingExchange() = default;

bool HoldingExchange::transferTimersLessThan(const TimerTransferInfo &a, const TimerTransferInfo &b)
{
    return a.expectedTime < b.expectedTime;
}

// Started, restored or set from outside, and not yet at its end.
bool HoldingExchange::isRunningHold(const trayInfo &record, qint64 now)
{
    return record.holdActivity >= kActivityStarted && record.holdActivity <= kActivitySetFromOutside
           && record.expectedTime > now;
}

binUsageInfo_struct HoldingExchange::usageOf(const trayInfo &record) const
{
    binUsageInfo_struct entry;
    entry.bin = qint8(record.binNumber);
    entry.productId = m_host->productIdAtBin(record.binNumber);
    entry.remainingTime = record.remainingTime;
    entry.expectedTime = record.expectedTime;
    return entry;
}

qint32 HoldingExchange::remainingSecs(qint64 expectedTime) const
{
    // Whole seconds on both sides, as the bars count them.
    const qint64 left = expectedTime / 1000 - KivClock::secsSinceEpoch();
    return qint32(qBound<qint64>(INT_MIN, left, INT_MAX));
}

// --- Use maps ---

void HoldingExchange::updateUseMap()
{
    m_localUseMap.clear();
    const qint64 now = KivClock::msecsSinceEpoch();
    // Bin order: of two bins ending together the lower one stays.
    for (const trayInfo &record : m_host->binRecords()) {
        if (!isRunningHold(record, now))
            continue;
        const binUsageInfo_struct entry = usageOf(record);
        const auto found = m_localUseMap.constFind(entry.productId);
        if (found == m_localUseMap.constEnd() || record.expectedTime < found->expectedTime)
            m_localUseMap.insert(entry.productId, entry);
    }
    updateAllUseMap();
}

// Another cabinet serves the product first only with a strictly earlier end:
// on a tie the local bin keeps its mark.
bool HoldingExchange::heldEarlierElsewhere(const binUsageInfo_struct &local) const
{
    for (const OtherCabinet &cabinet : m_otherCabinets)
        for (const binUsageInfo_struct &bin : cabinet.bins)
            if (bin.productId == local.productId && bin.expectedTime < local.expectedTime)
                return true;
    return false;
}

void HoldingExchange::updateAllUseMap()
{
    const int trays = m_host->traysPerCabinet();
    QVector<bool> flags(qMax(int(MaskBins), trays), false);
    if (!m_host->useFirstEnabled()) {
        for (const trayInfo &record : m_host->binRecords()) {
            const int activity = record.holdActivity;
            if (activity != kActivityStopped && activity != kActivityChanged && activity != kActivityExpired
                && record.binNumber < flags.size())
                flags[record.binNumber] = true;
        }
    } else {
        const bool linked = m_host->linkedUseFirst();
        for (const binUsageInfo_struct &entry : qAsConst(m_localUseMap))
            if (entry.bin >= 0 && entry.bin < trays && !(linked && heldEarlierElsewhere(entry)))
                flags[entry.bin] = true;
    }

    for (int bin = 0; bin < trays; ++bin)
        m_host->setUseBin(bin, flags.at(bin));
    m_binsToUse = flags;

    // The other displays hear of the first bins only: one bit per bin.
    quint32 mask = 0;
    for (int bin = 0; bin < MaskBins; ++bin)
        if (flags.at(bin))
            mask |= 1u << bin;
    if (m_host->hasOtherDisplay())
        m_host->sendBinsToUse(mask);
}

// --- Holding lists between cabinets ---

void HoldingExchange::broadcastHoldingInfo()
{
    const qint64 now = KivClock::msecsSinceEpoch();
    QList<binUsageInfo_struct> bins;
    // A hold past its end is not offered, though its record still says so.
    for (const trayInfo &record : m_host->binRecords())
        if (isRunningHold(record, now))
            bins.append(usageOf(record));
    emit holdingInfoReady(
        HoldingExchangeCodec::encodeHoldingInfo(m_host->macAddress(), m_host->productsHashCode(), bins));

    const qint64 nowSecs = now / 1000;
    for (auto it = m_otherCabinets.begin(); it != m_otherCabinets.end();) {
        if (nowSecs - it->lastArrivalSecs >= CabinetSilenceSecs) {
            it = m_otherCabinets.erase(it);
            emit otherCabinetsChanged();
        } else {
            ++it;
        }
    }
}

void HoldingExchange::processReceivedHoldingInfo(const QByteArray &datagram, const QHostAddress &sender)
{
    const HoldingExchangeCodec::HoldingInfo info = HoldingExchangeCodec::decodeHoldingInfo(datagram);
    if (!info.headerComplete) {
        qDebug().noquote() << "processReceivedHoldingInfo: incomplete holding datagram from"
                           << sender.toString() << "ignored:" << datagram.left(64).toHex();
        return;
    }
    const QString ownMac = m_host->macAddress();
    // Its own broadcast comes back to it; and without a MAC of its own a
    // cabinet cannot tell its datagrams from others'.
    if (info.macAddress == ownMac || ownMac.isEmpty()
        || !(m_host->linkedUseFirst() || m_host->touchBasedTransfer()))
        return;
    if (info.cutShort)
        qDebug().noquote() << "processReceivedHoldingInfo: datagram from" << info.macAddress
                           << "ends inside an entry; kept" << info.bins.size() << "whole entries";

    OtherCabinet &cabinet = m_otherCabinets[info.macAddress];
    cabinet.bins = info.bins;
    cabinet.lastArrivalSecs = KivClock::secsSinceEpoch();
    cabinet.host = sender;
    emit otherCabinetsChanged();
}

QList<binUsageInfo_struct> HoldingExchange::cabinetHoldingList(const QString &macAddress) const
{
    return m_otherCabinets.value(macAddress).bins;
}

// --- Product transfer ---

void HoldingExchange::showProductTransferWindow(int bin, int productId)
{
    m_transferTarget = bin;
    m_candidates.clear();
    const qint64 now = KivClock::msecsSinceEpoch();
    const QString ownMac = m_host->macAddress();

    for (const trayInfo &record : m_host->binRecords()) {
        if (!isRunningHold(record, now) || record.binNumber == bin
            || m_host->productIdAtBin(record.binNumber) != productId)
            continue;
        TimerTransferInfo candidate;
        candidate.macAddress = ownMac;
        candidate.bin = record.binNumber;
        candidate.productId = productId;
        candidate.remainingTime = remainingSecs(record.expectedTime);
        candidate.expectedTime = record.expectedTime;
        m_candidates.append(candidate);
    }
    // A hold that ended since its cabinet's last datagram has nothing left
    // to hand over.
    for (auto it = m_otherCabinets.cbegin(); it != m_otherCabinets.cend(); ++it) {
        for (const binUsageInfo_struct &held : it->bins) {
            if (held.productId != productId || held.expectedTime <= now)
                continue;
            TimerTransferInfo candidate;
            candidate.macAddress = it.key();
            candidate.bin = quint8(held.bin);
            candidate.productId = productId;
            candidate.remainingTime = remainingSecs(held.expectedTime);
            candidate.expectedTime = held.expectedTime;
            m_candidates.append(candidate);
        }
    }
    if (m_candidates.isEmpty())
        return;
    std::sort(m_candidates.begin(), m_candidates.end(), transferTimersLessThan);
    emit showProductTransferList();
}

QVariant HoldingExchange::getTransferTimerValue(int index, int role) const
{
    if (index < 0 || index >= m_candidates.size())
        return QVariant();
    const TimerTransferInfo &candidate = m_candidates.at(index);
    switch (role) {
    case TransferProductName:
        return m_host->productName(candidate.productId);
    case TransferHoldTime:
        return m_host->productHoldTime(candidate.productId);
    case TransferWarningTime:
        return m_host->productWarningTime(candidate.productId);
    case TransferRemainingTime:
        return candidate.remainingTime;
    default:
        qDebug() << "No role selected! --" << role;
        return QVariant();
    }
}

void HoldingExchange::doProductTransfer(int index)
{
    // The list is rebuilt by every window: a stale index picks nothing.
    if (index < 0 || index >= m_candidates.size())
        return;
    const TimerTransferInfo candidate = m_candidates.at(index);
    const qint32 remaining = remainingSecs(candidate.expectedTime);
    if (remaining < 1)
        return;

    if (candidate.macAddress == m_host->macAddress()) {
        m_host->stopBinTimer(candidate.bin);
        m_host->startBinTimer(quint8(m_transferTarget), remaining);
        if (m_host->haccpEnabled())
            m_host->removeHaccpLogTimerStartInfo(candidate.bin, candidate.productId, candidate.expectedTime);
        return;
    }

    const QHostAddress host = m_otherCabinets.value(candidate.macAddress).host;
    if (host.isNull()) {
        qDebug().noquote() << "doProductTransfer: no address known for cabinet" << candidate.macAddress;
        return;
    }
    m_pendingTransfer = candidate;
    emit transferRequestReady(HoldingExchangeCodec::encodeTransferRequest(candidate), host);
}

void HoldingExchange::productTransferConfirmed()
{
    // A confirmation with no request of ours outstanding starts nothing.
    if (!m_pendingTransfer)
        return;
    const qint64 expected = m_pendingTransfer->expectedTime;
    m_pendingTransfer.reset();
    m_host->startBinTimer(quint8(m_transferTarget), remainingSecs(expected));
}

bool HoldingExchange::handleTimerResetRequest(const QByteArray &request)
{
    const HoldingExchangeCodec::TransferRequest decoded = HoldingExchangeCodec::decodeTransferRequest(request);
    if (!decoded.complete) {
        qDebug().noquote() << "handleTimerResetRequest: incomplete transfer request ignored:"
                           << request.left(64).toHex();
        return false;
    }
    if (decoded.macAddress != m_host->macAddress())
        return false;
    if (decoded.bin < 0 || decoded.bin >= m_host->traysPerCabinet()) {
        qDebug() << "handleTimerResetRequest: bin" << decoded.bin << "is not a bin of this cabinet";
        return false;
    }
    m_host->stopBinTimer(quint8(decoded.bin));
    if (m_host->haccpEnabled())
        m_host->removeHaccpLogTimerStartInfo(decoded.bin, decoded.productId, decoded.expectedTime);
    return true;
}
