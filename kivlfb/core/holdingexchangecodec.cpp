#include "holdingexchangecodec.h"

#include <QDataStream>

namespace {

// Both ends read and write with the same rules whatever Qt they run.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_0;

} // namespace

QByteArray HoldingExchangeCodec::encodeHoldingInfo(const QString &macAddress, const QString &productsHash,
                                                   const QList<binUsageInfo_struct> &bins)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << HoldingInfoId << macAddress << productsHash;
    for (const binUsageInfo_struct &bin : bins)
        out << bin.bin << bin.productId << bin.remainingTime << bin.expectedTime;
    return bytes;
}

HoldingExchangeCodec::HoldingInfo HoldingExchangeCodec::decodeHoldingInfo(const QByteArray &datagram)
{
    HoldingInfo info;
    QDataStream in(datagram);
    in.setVersion(kStreamVersion);
    quint16 id = 0;
    in >> id >> info.macAddress >> info.productsHash;
    if (in.status() != QDataStream::Ok || id != HoldingInfoId)
        return info;
    info.headerComplete = true;
    while (!in.atEnd()) {
        binUsageInfo_struct bin;
        in >> bin.bin >> bin.productId >> bin.remainingTime >> bin.expectedTime;
        if (in.status() != QDataStream::Ok) {
            info.cutShort = true;
            break;
        }
        info.bins.append(bin);
    }
    return info;
}

QByteArray HoldingExchangeCodec::encodeTransferRequest(const TimerTransferInfo &timer)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << TransferRequestId << timer.macAddress << qint8(timer.bin) << timer.productId << timer.remainingTime
        << timer.expectedTime;
    return bytes;
}

HoldingExchangeCodec::TransferRequest HoldingExchangeCodec::decodeTransferRequest(const QByteArray &request)
{
    TransferRequest decoded;
    QDataStream in(request);
    in.setVersion(kStreamVersion);
    quint16 id = 0;
    in >> id >> decoded.macAddress >> decoded.bin >> decoded.productId >> decoded.remainingTime
        >> decoded.expectedTime;
    decoded.complete = in.status() == QDataStream::Ok && id == TransferRequestId;
    return decoded;
}
