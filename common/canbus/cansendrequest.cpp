#include "cansendrequest.h"

std::atomic<quint32> CanSendRequest::requestId{0};

CanSendRequest::CanSendRequest()
    : m_requestNumber(++requestId)
{
}

void CanSendRequest::set_data(const QByteArray &data)
{
    m_data = data;
    if (m_data.size() > 8)
        m_multi = true;
}

QByteArray CanSendRequest::get_data(int position, int count) const
{
    if (position < 0 || count <= 0 || position >= m_data.size())
        return QByteArray();
    return m_data.mid(position, count);
}

int CanSendRequest::numOfPackets() const
{
    if (!m_multi)
        return 1;
    return (m_data.size() + 7) / 8;
}
