#pragma once

#include <QHostAddress>

#include <memory>

class NfcTagItem;
class QDataStream;
class QDebug;

// A first-generation record to hand over and the cabinet that asked for it.
// The request owns its own copy of the record, so the owner's table can drop
// its entry while the hand-over is still under way; copies of a request copy
// the record too.
class NfcTagItemRequest
{
public:
    NfcTagItemRequest();
    // Takes a copy of item (none for a null item).
    NfcTagItemRequest(const NfcTagItem *item, const QHostAddress &address, quint16 port);
    NfcTagItemRequest(const NfcTagItemRequest &other);
    NfcTagItemRequest &operator=(const NfcTagItemRequest &other);
    ~NfcTagItemRequest();

    NfcTagItem *getTagItem() const { return m_tagItem.get(); }
    void setTagItem(const NfcTagItem *item);
    QHostAddress getHostAddress() const { return m_hostAddress; }
    void setHostAddress(const QHostAddress &address) { m_hostAddress = address; }
    quint16 getHostPort() const { return m_hostPort; }
    void setHostPort(quint16 port) { m_hostPort = port; }

private:
    std::unique_ptr<NfcTagItem> m_tagItem;
    QHostAddress m_hostAddress;
    quint16 m_hostPort = 0;
};

// Only whether a record is present travels, with the address and port.
QDataStream &operator<<(QDataStream &out, const NfcTagItemRequest &request);
QDataStream &operator>>(QDataStream &in, NfcTagItemRequest &request);
QDebug operator<<(QDebug debug, const NfcTagItemRequest &request);
