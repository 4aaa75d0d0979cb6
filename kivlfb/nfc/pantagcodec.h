#pragma once

#include "nfctagitem.h"
#include "nfctagitem2.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

// The byte forms of the pan-tag registry: the holding-list datagram that
// cabinets exchange, and the saved registry files of both generations.
// Pure functions over bytes; the callers do the I/O.
class PanTagCodec
{
public:
    static constexpr qint32 HoldingListMagic = 0x0BADCAFE;
    static constexpr int BinCount = 20;
    // The holding list counts its records in one byte.
    static constexpr int MaxHoldingListRecords = 127;

    struct HoldingList {
        bool headerComplete = false; // magic, sender and count were all there
        QString macAddress;
        qint8 orientationId = 0;
        qint64 senderTime = 0;
        int announced = 0;            // the record count the sender wrote
        QList<NfcTagItem2> records;   // every record that arrived whole
    };

    struct SavedRegistry {
        bool countValid = false;
        int announced = 0;
        QList<NfcTagItem2> records;   // every record that was whole
        QVector<quint64> binUids = QVector<quint64>(BinCount, 0);
        int binsRead = 0;             // bins whose UID was in the file
    };

    struct SavedHash {
        bool countValid = false;
        quint32 announced = 0;
        QList<NfcTagItem> records;    // every complete 64-byte record
    };

    // The records a holding list carries: all of them while they fit the
    // count byte, else the running holds first and then the newest.
    static QList<const NfcTagItem2 *> holdingListSelection(QList<const NfcTagItem2 *> records);
    static QByteArray encodeHoldingList(const QString &macAddress, int orientationId, qint64 senderTime,
                                        const QList<const NfcTagItem2 *> &records);
    static HoldingList decodeHoldingList(const QByteArray &datagram);

    static QByteArray encodeSavedRegistry(const QList<const NfcTagItem2 *> &records,
                                          const QVector<quint64> &binUids);
    static SavedRegistry decodeSavedRegistry(const QByteArray &bytes);

    static QByteArray encodeSavedHash(const QList<const NfcTagItem *> &records);
    static SavedHash decodeSavedHash(const QByteArray &bytes);
};
