#pragma once

#include <QPointer>
#include <QtGlobal>

class QModbusPollInfo;

// One queued Modbus request. The master owns it from enqueue until the
// request is finished; the poll info belongs to the caller.
struct QModbusPollDesc_struct
{
    quint8 slaveId = 0;
    quint8 functionCode = 0;
    quint16 startAddress = 0;   // 0 for function 21
    quint16 quantity = 0;       // registers or coils; 0 for function 21
    quint8 dataLength = 0;      // function 21 only
    quint8 referenceType = 0;   // function 21 only, always 6
    quint16 fileNumber = 0;     // function 21 only
    quint16 recordNumber = 0;   // function 21 only
    quint16 recordLength = 0;   // function 21 only
    // Retry count plus one; wider than a byte so that a retry count of 255
    // does not wrap to "no attempts".
    int attemptsRemaining = 0;
    // Guarded: a caller that deletes its poll info early loses the outcome
    // instead of crashing the master.
    QPointer<QModbusPollInfo> pollInfo;
    bool overrideFakeMode = false; // use the serial line even in fake mode
};
