#pragma once

#include "canbus/canbusmanager.h"
#include "canbus/canthread.h"

#include <QObject>

#include <functional>
#include <memory>

class CanFrame;

// One display's CAN stack as the composition root builds it: a CanThread
// (socket on the bus named by KIV_VCAN_DIR) and a started CanbusManager with
// a sender id, plus the owner's one CAN duty the manager relies on: routing
// FILE_RECORD_SUCCESS back as canFileRecordSuccess(). An optional filter
// stands between the socket and the manager to play a lossy or noisy bus.
class CanTestNode : public QObject
{
    Q_OBJECT

public:
    // Returns false to drop the frame; may change it in place.
    using Filter = std::function<bool(CanFrame &)>;

    explicit CanTestNode(uint canId, QObject *parent = nullptr);
    ~CanTestNode() override;

    CanThread *thread() const { return m_thread.get(); }
    CanbusManager *manager() const { return m_manager.get(); }
    void setFilter(Filter filter);

    // Queues one request (frame id = this node's canId).
    void sendSingle(const QByteArray &payload);
    void sendMulti(int multiId, const QByteArray &payload);

private:
    void routeSingle(const QByteArray &msg);
    void filtered(CanFrame *frame);

    std::unique_ptr<CanThread> m_thread;
    std::unique_ptr<CanbusManager> m_manager;
    Filter m_filter;
};
