#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct QModbusPollDesc_struct;

// Modbus RTU wire format as pure functions over bytes: request frames, the
// length a reply needs, the CRC check and the hex texts of the traffic
// trace. No I/O, so tests and the benchmark feed them bytes directly.
class ModbusRtu
{
public:
    static constexpr int kMaxFrame = 256; // one RTU frame, address to CRC

    enum ReplyCheck { Incomplete, Complete, WrongSlave, BadCrc };

    static quint16 crc(const char *data, int count);
    // pdu followed by its CRC-16/MODBUS, low byte first.
    static QByteArray withCrc(const QByteArray &pdu);

    // Length of the request frame for these parameters, or -1 for a
    // function code the master does not send.
    static int requestLength(quint8 functionCode, quint16 quantity, quint16 recordLength);
    // How many poll-info values a request of this kind reads.
    static int valuesNeeded(quint8 functionCode, quint16 quantity, quint16 recordLength);

    // The complete frame of a request, taking write data from values; empty
    // for an unknown function code. values must hold valuesNeeded() entries.
    static QByteArray requestFrame(const QModbusPollDesc_struct &request,
                                   const QVector<quint16> &values);

    // Length a reply needs, judged from its first four bytes.
    static int replyLength(const char *reply, int count);
    // Judges the bytes received so far. computedCrc receives the CRC over
    // all but the last two bytes when the check gets that far.
    static ReplyCheck checkReply(const char *reply, int count, quint8 expectedSlave,
                                 quint16 *computedCrc = nullptr);

    // " > 01 03 0000 000A C5CD": the request part of a trace line.
    static QString requestTrace(const QByteArray &frame, quint8 slaveId, quint8 functionCode);
    // Every byte as two upper-case hex digits, no separators.
    static QString hex(const char *data, int count);
};
