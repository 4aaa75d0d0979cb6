#include "multipacketmsg.h"

#include "platform/kivclock.h"

#include <QDebug>

#include <cstring>

MultiPacketMsg::MultiPacketMsg()
    : m_startTime(KivClock::now())
    , m_lastFrameMs(m_startTime.toMSecsSinceEpoch())
{
}

void MultiPacketMsg::initToSize(int n)
{
    m_size = qMax(0, n);
    m_data = QByteArray();
    m_received = QBitArray();
}

void MultiPacketMsg::growTo(int end)
{
    const int had = m_data.size();
    if (end <= had)
        return;
    if (end > m_data.capacity()) {
        // Doubling keeps a long transfer's copies few; the announced size
        // caps it, so the buffer never holds more than the sender may send.
        m_data.reserve(int(qMin<qint64>(m_size, qMax<qint64>(end, 2 * qint64(m_data.capacity())))));
    }
    m_data.resize(end);
    std::memset(m_data.data() + had, 0, size_t(end - had));
}

void MultiPacketMsg::setDataAt(int index, char value)
{
    setDataAt(index, &value, 1);
}

void MultiPacketMsg::setDataAt(int index, const char *bytes, int count)
{
    if (!bytes || index < 0 || count <= 0 || index >= m_size)
        return;
    const int end = int(qMin<qint64>(qint64(index) + count, m_size));
    growTo(end);
    std::memcpy(m_data.data() + index, bytes, size_t(end - index));
}

char MultiPacketMsg::getDataAt(int index) const
{
    if (index < 0 || index >= m_size || index >= m_data.size())
        return 0;
    return m_data.at(index);
}

void MultiPacketMsg::setPacketReceived(int packet)
{
    if (packet < 0 || packet >= getPacketSize())
        return;
    if (packet >= m_received.size())
        m_received.resize(int(qMin<qint64>(getPacketSize(), qMax<qint64>(packet + 1, 2 * qint64(m_received.size())))));
    m_received.setBit(packet);
}

bool MultiPacketMsg::isPacketReceived(int packet) const
{
    return packet >= 0 && packet < m_received.size() && m_received.testBit(packet);
}

int MultiPacketMsg::countMissingPackets() const
{
    // A transfer that announced far more than it sent would otherwise write
    // a line for every packet it never sent.
    int missing = 0;
    for (int i = 0; i < getPacketSize(); ++i) {
        if (isPacketReceived(i))
            continue;
        if (missing < MissingPacketsLogged)
            qDebug() << "Missing Packet =" << i << " , File Record = " << i / 64;
        ++missing;
    }
    if (missing > MissingPacketsLogged)
        qDebug() << "Missing Packets not listed =" << missing - MissingPacketsLogged;
    return missing;
}

QList<int> MultiPacketMsg::missingPackets() const
{
    QList<int> missing;
    for (int i = 0; i < getPacketSize(); ++i) {
        if (!isPacketReceived(i))
            missing << i;
    }
    return missing;
}

int MultiPacketMsg::get_eta() const
{
    const qint64 received = qMax<qint64>(1, m_received.count(true));
    const qint64 total = getPacketSize();
    const qint64 elapsed = m_startTime.secsTo(KivClock::now());
    return int((total * elapsed) / received - elapsed);
}
