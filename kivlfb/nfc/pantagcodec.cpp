#include "pantagcodec.h"

#include <QDataStream>
#include <QtEndian>

#include <algorithm>

QList<const NfcTagItem2 *> PanTagCodec::holdingListSelection(QList<const NfcTagItem2 *> records)
{
    if (records.size() <= MaxHoldingListRecords)
        return records;
    std::stable_sort(records.begin(), records.end(), [](const NfcTagItem2 *a, const NfcTagItem2 *b) {
        const bool liveA = a->getHoldStatus() < 3;
        const bool liveB = b->getHoldStatus() < 3;
        if (liveA != liveB)
            return liveA;
        return a->getActivationTimeStamp() > b->getActivationTimeStamp();
    });
    return records.mid(0, MaxHoldingListRecords);
}

QByteArray PanTagCodec::encodeHoldingList(const QString &macAddress, int orientationId, qint64 senderTime,
                                          const QList<const NfcTagItem2 *> &records)
{
    const QList<const NfcTagItem2 *> sent = holdingListSelection(records);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << HoldingListMagic << macAddress << qint8(orientationId) << qint64(senderTime) << qint8(sent.size());
    for (const NfcTagItem2 *record : sent)
        out << *record;
    return bytes;
}

PanTagCodec::HoldingList PanTagCodec::decodeHoldingList(const QByteArray &datagram)
{
    HoldingList list;
    QDataStream in(datagram);
    qint32 magic = 0;
    quint8 count = 0; // older senders wrapped the count past 127
    in >> magic >> list.macAddress >> list.orientationId >> list.senderTime >> count;
    if (in.status() != QDataStream::Ok || magic != HoldingListMagic)
        return list;
    list.headerComplete = true;
    list.announced = count;
    for (int i = 0; i < count && !in.atEnd(); ++i) {
        NfcTagItem2 record;
        in >> record;
        if (in.status() != QDataStream::Ok)
            break;
        list.records.append(record);
    }
    return list;
}

QByteArray PanTagCodec::encodeSavedRegistry(const QList<const NfcTagItem2 *> &records,
                                            const QVector<quint64> &binUids)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(records.size());
    for (const NfcTagItem2 *record : records)
        out << *record;
    for (int bin = 0; bin < BinCount; ++bin)
        out << qint64(bin < binUids.size() ? binUids.at(bin) : 0);
    return bytes;
}

PanTagCodec::SavedRegistry PanTagCodec::decodeSavedRegistry(const QByteArray &bytes)
{
    SavedRegistry saved;
    QDataStream in(bytes);
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count < 0)
        return saved;
    saved.countValid = true;
    saved.announced = count;
    for (int i = 0; i < count; ++i) {
        NfcTagItem2 record;
        in >> record;
        if (in.status() != QDataStream::Ok)
            break;
        saved.records.append(record);
    }
    for (int bin = 0; bin < BinCount; ++bin) {
        qint64 uid = 0;
        in >> uid;
        if (in.status() != QDataStream::Ok)
            break;
        saved.binUids[bin] = quint64(uid);
        ++saved.binsRead;
    }
    return saved;
}

QByteArray PanTagCodec::encodeSavedHash(const QList<const NfcTagItem *> &records)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(quint32(records.size()), bytes.data());
    for (const NfcTagItem *record : records)
        bytes += record->toBytes();
    return bytes;
}

PanTagCodec::SavedHash PanTagCodec::decodeSavedHash(const QByteArray &bytes)
{
    SavedHash saved;
    if (bytes.size() < 4)
        return saved;
    saved.countValid = true;
    saved.announced = qFromLittleEndian<quint32>(bytes.constData());
    int offset = 4;
    for (quint32 i = 0; i < saved.announced && offset + NfcTagItem::RecordSize <= bytes.size(); ++i) {
        NfcTagItem record;
        record.fromBytes(bytes.mid(offset, NfcTagItem::RecordSize));
        saved.records.append(record);
        offset += NfcTagItem::RecordSize;
    }
    return saved;
}
