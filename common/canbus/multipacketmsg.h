#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QDateTime>
#include <QList>

// One incoming multi-packet transfer as the CAN bus manager reassembles it:
// the payload, which 8-byte packets have arrived, and when it began.
//
// The size is what the sender announced; the payload grows as packets
// arrive and never past that size, so an announcement alone costs nothing.
class MultiPacketMsg
{
public:
    enum Status { StatusNone = -1, StatusStarted = 1, StatusReceiving = 2, StatusFinished = 3 };

    MultiPacketMsg();

    int get_id() const { return m_id; }
    void set_id(int id) { m_id = id; }
    int get_size() const { return m_size; }
    void set_size(int size) { m_size = size; }
    int get_status() const { return m_status; }
    void set_status(int status) { m_status = status; }
    QDateTime get_startTime() const { return m_startTime; }
    void set_startTime(const QDateTime &t) { m_startTime = t; }
    // When the transfer last made progress (ms since the epoch).
    qint64 get_lastFrameMs() const { return m_lastFrameMs; }
    void set_lastFrameMs(qint64 ms) { m_lastFrameMs = ms; }

    // The payload received so far: bytes up to the furthest one written,
    // zeros where nothing arrived before it.
    QByteArray get_data() const { return m_data; }
    QByteArray &data() { return m_data; }
    // Replaces the payload; the size field stays as it is.
    void set_data(const QByteArray &data) { m_data = data; }

    // Expects n bytes in packets of 8; nothing received yet.
    void initToSize(int n);
    // Bytes at or past the size are dropped.
    void setDataAt(int index, char value);
    void setDataAt(int index, const char *bytes, int count);
    char getDataAt(int index) const;

    // Packets the announced size takes (the last one may be short).
    int getPacketSize() const { return int((qint64(m_size) + 7) / 8); }
    void setPacketReceived(int packet);
    bool isPacketReceived(int packet) const;
    // Logs the first missing packets, one line each, and how many more.
    int countMissingPackets() const;
    QList<int> missingPackets() const;

    static constexpr int MissingPacketsLogged = 256;

    // Estimated seconds left, from the packets received so far.
    int get_eta() const;

private:
    // Makes room for bytes [0, end) (end within the size), zero-filled.
    void growTo(int end);

    int m_id = -1;
    int m_size = 0;
    int m_status = StatusNone;
    QByteArray m_data;
    QBitArray m_received;
    QDateTime m_startTime;
    qint64 m_lastFrameMs = 0;
};
