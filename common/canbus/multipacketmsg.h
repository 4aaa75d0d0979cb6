#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QDateTime>
#include <QList>

// One incoming multi-packet transfer as the CAN bus manager reassembles it:
// the payload, which 8-byte packets have arrived, and when it began.
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

    QByteArray get_data() const { return m_data; }
    QByteArray &data() { return m_data; }
    // Replaces the payload; the size field stays as it is.
    void set_data(const QByteArray &data) { m_data = data; }

    // n zero bytes, and one clear received bit per started 8 bytes.
    void initToSize(int n);
    // Bytes at or past the size are dropped.
    void setDataAt(int index, char value);
    void setDataAt(int index, const char *bytes, int count);
    char getDataAt(int index) const;

    int getPacketSize() const { return m_received.size(); }
    void setPacketReceived(int packet);
    bool isPacketReceived(int packet) const;
    // Logs one line per missing packet.
    int countMissingPackets() const;
    QList<int> missingPackets() const;

    // Estimated seconds left, from the packets received so far.
    int get_eta() const;

private:
    int m_id = -1;
    int m_size = 0;
    int m_status = StatusNone;
    QByteArray m_data;
    QBitArray m_received;
    QDateTime m_startTime;
};
