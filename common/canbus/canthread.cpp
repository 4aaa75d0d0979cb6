#include "canthread.h"

#include "qsocketcan.h"

CanThread::CanThread(QObject *parent, CanFrameForm form)
    : QThread(parent)
    , m_frameForm(form)
    , m_socket(new QSocketCAN(nullptr, form))
{
    m_socket->setObjectName(QStringLiteral("can0Socket"));
    m_openResult = m_socket->open(QStringLiteral("can0"));

    if (form == CanFrameForm::ByteArray) {
        connect(m_socket, &QSocketCAN::msgData, this, &CanThread::enqueueMsg);
        connect(this, &CanThread::packetEnqueued, this, &CanThread::getAmsg, Qt::QueuedConnection);
    } else {
        // The frames of one read land in the queue straight away; the queue
        // is handed over from the next pass of the event loop, whole.
        connect(m_socket, SIGNAL(rcvdCanFrame(CanFrame*)), this, SLOT(enqueueFrame(CanFrame*)),
                Qt::DirectConnection);
        connect(this, SIGNAL(frameEnqueued()), this, SLOT(getAframe()), Qt::QueuedConnection);
    }
    // The socket reports writes from the event loop (or from a direct
    // sendMsg), never from inside the bus manager's machine, so the relay
    // needs no hop of its own.
    connect(m_socket, SIGNAL(readyWrite(int)), this, SIGNAL(readyWrite(int)),
            Qt::DirectConnection);
    connect(m_socket, SIGNAL(canSend2Dbus(quint32,QByteArray)), this,
            SIGNAL(canSend2Dbus(quint32,QByteArray)), Qt::QueuedConnection);
}

CanThread::~CanThread()
{
    // The socket has no parent; frames still queued were never handed on.
    delete m_socket;
    qDeleteAll(m_queue);
}

void CanThread::enqueueFrame(CanFrame *frame)
{
    const bool wasEmpty = m_queue.isEmpty();
    m_queue.append(frame);
    if (wasEmpty)
        emit frameEnqueued();
}

// Taken one at a time from the front, so that a handler that runs the event
// loop and lets more frames in keeps the order.
void CanThread::getAframe()
{
    while (!m_queue.isEmpty())
        emit dequeuedCanFrame(m_queue.takeFirst());
}

int CanThread::sendAMsg(uint id, QByteArray *data)
{
    return m_socket->queueMsg(id, data);
}

void CanThread::enqueueMsg(QByteArray msg)
{
    m_msgQueue.append(msg);
    emit packetEnqueued();
}

// Every enqueue posts one hop, so a hop may find the queue already empty.
void CanThread::getAmsg()
{
    if (m_msgQueue.isEmpty())
        return;
    emit msgData(m_msgQueue.takeFirst());
    if (!m_msgQueue.isEmpty())
        emit packetEnqueued();
}

int CanThread::sendAMsg(uint id, QByteArray data)
{
    return m_socket->sendMsg(id, data);
}
