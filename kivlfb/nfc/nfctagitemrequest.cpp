#include "nfctagitemrequest.h"

#include "nfctagitem.h"

#include <QDataStream>
#include <QDebug>

NfcTagItemRequest::NfcTagItemRequest() = default;

NfcTagItemRequest::NfcTagItemRequest(const NfcTagItem *item, const QHostAddress &address, quint16 port)
    : m_hostAddress(address)
    , m_hostPort(port)
{
    setTagItem(item);
}

NfcTagItemRequest::NfcTagItemRequest(const NfcTagItemRequest &other)
    : NfcTagItemRequest(other.getTagItem(), other.m_hostAddress, other.m_hostPort)
{
}

NfcTagItemRequest &NfcTagItemRequest::operator=(const NfcTagItemRequest &other)
{
    if (this != &other) {
        setTagItem(other.getTagItem());
        m_hostAddress = other.m_hostAddress;
        m_hostPort = other.m_hostPort;
    }
    return *this;
}

NfcTagItemRequest::~NfcTagItemRequest() = default;

void NfcTagItemRequest::setTagItem(const NfcTagItem *item)
{
    m_tagItem.reset(item ? new NfcTagItem(*item) : nullptr);
}

QDataStream &operator<<(QDataStream &out, const NfcTagItemRequest &request)
{
    out << (request.getTagItem() != nullptr) << request.getHostAddress() << request.getHostPort();
    return out;
}

QDataStream &operator>>(QDataStream &in, NfcTagItemRequest &request)
{
    bool hasItem = false;
    QHostAddress address;
    quint16 port = 0;
    in >> hasItem >> address >> port;
    request.setHostAddress(address);
    request.setHostPort(port);
    return in;
}

QDebug operator<<(QDebug debug, const NfcTagItemRequest &request)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "NfcTagItemRequest(" << request.getHostAddress().toString() << ":"
                    << request.getHostPort() << ", ";
    if (request.getTagItem())
        debug << *request.getTagItem();
    else
        debug << "no record";
    debug << ")";
    return debug;
}
