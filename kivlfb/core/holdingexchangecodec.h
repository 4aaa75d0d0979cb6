#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// One holding bin as the use maps weigh it and as other cabinets announce
// it: which product it holds and until when.
struct binUsageInfo_struct
{
    qint8 bin = 0;
    qint32 productId = 0;
    qint32 remainingTime = 0; // seconds
    qint64 expectedTime = 0;  // expected end, ms since the epoch
};

// One candidate hold for a product transfer, in this cabinet or another.
// It also carries what a transfer request asks the holder to stop.
struct TimerTransferInfo
{
    QString macAddress;       // the cabinet that holds the source bin
    quint8 bin = 0;
    qint32 productId = 0;
    qint32 remainingTime = 0; // seconds, when the list was built
    qint64 expectedTime = 0;  // expected end, ms since the epoch
};

// The byte forms cabinets of one site exchange about their holds: the
// holding datagram every primary display broadcasts, and the request that
// asks another cabinet to give up a hold. Both use the data-stream rules
// (big-endian integers, text as a 32-bit byte count and UTF-16BE code
// units), pinned to one stream version on both ends. Pure functions over
// bytes; the callers do the I/O.
class HoldingExchangeCodec
{
public:
    static constexpr quint16 HoldingInfoId = 0xFACE;
    static constexpr quint16 TransferRequestId = 0xDEAD;
    // One bin entry of the holding datagram: bin, product, remaining, end.
    static constexpr int HoldingEntryBytes = 1 + 4 + 4 + 8;

    struct HoldingInfo
    {
        bool headerComplete = false;   // id, MAC and hash all read whole
        QString macAddress;
        QString productsHash;
        QList<binUsageInfo_struct> bins; // every entry that arrived whole
        bool cutShort = false;         // bytes of a partial entry were left over
    };

    struct TransferRequest
    {
        bool complete = false;         // id and every field read whole
        QString macAddress;            // the cabinet asked to give up the hold
        qint8 bin = 0;                 // signed on the wire: check the range
        qint32 productId = 0;
        qint32 remainingTime = 0;
        qint64 expectedTime = 0;
    };

    // The entries run to the end of the datagram; there is no count.
    static QByteArray encodeHoldingInfo(const QString &macAddress, const QString &productsHash,
                                        const QList<binUsageInfo_struct> &bins);
    static HoldingInfo decodeHoldingInfo(const QByteArray &datagram);

    static QByteArray encodeTransferRequest(const TimerTransferInfo &timer);
    static TransferRequest decodeTransferRequest(const QByteArray &request);
};
