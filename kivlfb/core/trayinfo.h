#pragma once

#include <QMetaType>
#include <QtGlobal>

// Holding record of one bin. Packed and little-endian: it travels raw between
// displays, so its layout (30 bytes) is part of the wire format.
#pragma pack(push, 1)
struct trayInfo
{
    quint8 binNumber = 0;
    quint8 holdActivity = 0; // 0 stopped, 1 changed, 2 started, 3 restored, 4 set, 5 expired, 6 refresh
    quint8 dayPart = 0;
    quint8 isGroup = 0;
    quint32 groupId = 0;     // product id when isGroup is 0
    quint8 groupIndex = 0;
    qint32 remainingTime = 0;  // seconds
    qint64 expectedTime = 0;   // expected end, ms since the epoch
    quint8 flag = 0;           // hold began within 2000 ms of leaving a discard
    qint64 processId = 0;      // hold-start time, ms since the epoch
};
#pragma pack(pop)

static_assert(sizeof(trayInfo) == 30, "trayInfo is a 30-byte wire record");

Q_DECLARE_METATYPE(trayInfo)
