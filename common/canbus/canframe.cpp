#include "canframe.h"

#include <QtEndian>

static_assert(sizeof(can_frame_t) == CanFrame::RecordSize, "kernel CAN record must be 16 bytes");

QByteArray CanFrame::toRecord(quint32 identifier, const QByteArray &payload)
{
    if (payload.size() > CAN_MAX_DLEN)
        return QByteArray();
    can_frame_t record;
    std::memset(&record, 0, sizeof record);
    record.can_id = identifier;
    record.can_dlc = quint8(payload.size());
    std::memcpy(record.data, payload.constData(), size_t(payload.size()));
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

bool CanFrame::fromRecord(const QByteArray &record, CanFrame *frame)
{
    if (record.size() != RecordSize || !frame)
        return false;
    can_frame_t r;
    std::memcpy(&r, record.constData(), sizeof r);
    *frame = CanFrame(r.can_id, r.data);
    return true;
}

CanFrame CanFrame::fromArrayForm(const QByteArray &bytes)
{
    quint8 raw[ArrayFormSize] = {};
    std::memcpy(raw, bytes.constData(), size_t(qMin(bytes.size(), ArrayFormSize)));
    return CanFrame(qFromBigEndian<quint32>(raw), raw + 4);
}

QByteArray CanFrame::arrayFormFromRecord(const QByteArray &record)
{
    if (record.size() != RecordSize)
        return QByteArray();
    can_frame_t r;
    std::memcpy(&r, record.constData(), sizeof r);
    QByteArray bytes(ArrayFormSize, '\0');
    qToBigEndian<quint32>(r.can_id, bytes.data());
    std::memcpy(bytes.data() + 4, r.data, sizeof r.data);
    return bytes;
}
