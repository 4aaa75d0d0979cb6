#include "multipacketmsg.h"

#include "platform/kivclock.h"

#include <QDebug>

MultiPacketMsg::MultiPacketMsg()
    : m_startTime(KivClock::now())
{
}

void MultiPacketMsg::initToSize(int n)
{
    n = qMax(0, n);
    m_data = QByteArray(n, '\0');
    m_size = n;
    m_received = QBitArray((n + 7) / 8, false);
}

void MultiPacketMsg::setDataAt(int index, char value)
{
    if (index >= 0 && index < m_size && index < m_data.size())
        m_data[index] = value;
}

void MultiPacketMsg::setDataAt(int index, const char *bytes, int count)
{
    if (!bytes || index < 0)
        return;
    const qint64 end = qMin<qint64>(qint64(index) + count, qMin(m_size, m_data.size()));
    for (qint64 i = index; i < end; ++i)
        m_data[int(i)] = bytes[i - index];
}

char MultiPacketMsg::getDataAt(int index) const
{
    if (index < 0 || index >= m_size || index >= m_data.size())
        return 0;
    return m_data.at(index);
}

void MultiPacketMsg::setPacketReceived(int packet)
{
    if (packet >= 0 && packet < m_received.size())
        m_received.setBit(packet);
}

bool MultiPacketMsg::isPacketReceived(int packet) const
{
    return packet >= 0 && packet < m_received.size() && m_received.testBit(packet);
}

int MultiPacketMsg::countMissingPackets() const
{
    const QList<int> missing = missingPackets();
    for (int packet : missing)
        qDebug() << "Missing Packet =" << packet << " , File Record = " << packet / 64;
    return missing.size();
}

QList<int> MultiPacketMsg::missingPackets() const
{
    QList<int> missing;
    for (int i = 0; i < m_received.size(); ++i) {
        if (!m_received.testBit(i))
            missing << i;
    }
    return missing;
}

int MultiPacketMsg::get_eta() const
{
    const qint64 received = qMax<qint64>(1, m_received.count(true));
    const qint64 total = m_received.size();
    const qint64 elapsed = m_startTime.secsTo(KivClock::now());
    return int((total * elapsed) / received - elapsed);
}
