#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <atomic>

// One outgoing CAN message as a sender fills it in. CanbusManager owns it
// from enqueueSendRequest on.
class CanSendRequest
{
public:
    // Class-wide count of requests ever created; after a construction it
    // equals the new request's number.
    static std::atomic<quint32> requestId;

    CanSendRequest();

    // The number this request got when it was created.
    quint32 get_requestNumber() const { return m_requestNumber; }

    int get_frameId() const { return m_frameId; }
    void set_frameId(int frameId) { m_frameId = frameId; }
    int get_multiId() const { return m_multiId; }
    void set_multiId(int multiId) { m_multiId = multiId; }
    bool get_multi() const { return m_multi; }
    void set_multi(bool multi) { m_multi = multi; }
    int get_currentPacketNum() const { return m_currentPacketNum; }
    void set_currentPacketNum(int n) { m_currentPacketNum = n; }

    // A payload longer than one frame turns the request into a multi-packet
    // one; a shorter payload never clears the flag.
    void set_data(const QByteArray &data);
    QByteArray get_data() const { return m_data; }
    QByteArray get_data(int position, int count) const;
    int get_dataSize() const { return m_data.size(); }

    // 1 for a single frame; otherwise one packet per started 8 bytes.
    int numOfPackets() const;

private:
    quint32 m_requestNumber;
    int m_frameId = 0;
    int m_multiId = 0;
    bool m_multi = false;
    int m_currentPacketNum = 0;
    QByteArray m_data;
};
