#pragma once

#include <QByteArray>
#include <QString>

// The descriptor-level half of a CAN socket: how a node joins a bus and moves
// 16-byte kernel frame records. QSocketCAN drives either back-end the same
// way (non-blocking descriptor, read and write notifiers on it).
class CanBackend
{
public:
    virtual ~CanBackend();

    // 0 open, bound and ready; -1 the socket could not be created; -2 the
    // bind failed. On failure no descriptor is left open.
    virtual int open(const QString &interfaceName) = 0;
    virtual void close() = 0;
    // The descriptor the notifiers watch; -1 when not open.
    virtual int descriptor() const = 0;
    // Writes one 16-byte record; returns the write's result (16 on success,
    // -1 on failure).
    virtual qint64 writeRecord(const QByteArray &record) = 0;

    // Reads the records waiting on the descriptor, at most maxRecords, into
    // buffer (room for maxRecords records of 16 bytes, stored back to back)
    // and returns how many it stored. Fewer than maxRecords means nothing
    // more is waiting. Datagrams that are not exactly one record are
    // skipped. One system call fetches a whole batch, on either back-end.
    int readRecords(char *buffer, int maxRecords);

    virtual QString kind() const = 0;
};
