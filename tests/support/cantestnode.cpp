#include "cantestnode.h"

#include "canbus/canframe.h"
#include "canbus/cansendrequest.h"

CanTestNode::CanTestNode(uint canId, QObject *parent)
    : QObject(parent)
    , m_thread(new CanThread)
    , m_manager(new CanbusManager(m_thread.get(), int(canId)))
{
    m_manager->set_canId(canId);
    connect(m_manager.get(),
            static_cast<void (CanbusManager::*)(QByteArray)>(&CanbusManager::receivedSinglePacket),
            this, &CanTestNode::routeSingle);
    m_manager->start();
}

CanTestNode::~CanTestNode()
{
    m_manager.reset();
    m_thread.reset();
}

void CanTestNode::routeSingle(const QByteArray &msg)
{
    if (!msg.isEmpty() && quint8(msg.at(0)) == CanbusManager::KIVMSGSINGLE_FILE_RECORD_SUCCESS)
        emit m_manager->canFileRecordSuccess();
}

void CanTestNode::setFilter(Filter filter)
{
    if (!m_filter) {
        disconnect(m_thread.get(), SIGNAL(dequeuedCanFrame(CanFrame*)), m_manager.get(),
                   SLOT(receiveCanFrameSlot(CanFrame*)));
        connect(m_thread.get(), &CanThread::dequeuedCanFrame, this, &CanTestNode::filtered);
    }
    m_filter = std::move(filter);
}

void CanTestNode::filtered(CanFrame *frame)
{
    if (m_filter(*frame))
        m_manager->receiveCanFrameSlot(frame);
    else
        delete frame;
}

void CanTestNode::sendSingle(const QByteArray &payload)
{
    auto *r = new CanSendRequest;
    r->set_frameId(int(m_manager->get_canId()));
    r->set_data(payload);
    m_manager->enqueueSendRequest(r);
}

void CanTestNode::sendMulti(int multiId, const QByteArray &payload)
{
    auto *r = new CanSendRequest;
    r->set_frameId(int(m_manager->get_canId()));
    r->set_multi(true);
    r->set_multiId(multiId);
    r->set_data(payload);
    m_manager->enqueueSendRequest(r);
}
