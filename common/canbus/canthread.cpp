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
        connect(m_socket, SIGNAL(rcvdCanFrame(CanFrame*)), this, SLOT(enqueueFrame(CanFrame*)),
                Qt::QueuedConnection);
        connect(this, SIGNAL(frameEnqueued()), this, SLOT(getAframe()), Qt::QueuedConnection);
    }
    connect(m_socket, SIGNAL(readyWrite(int)), this, SIGNAL(readyWrite(int)),
            Qt::QueuedConnection);
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
    m_queue.append(frame);
    emit frameEnqueued();
}

void CanThread::getAframe()
{
    if (m_queue.isEmpty())
        return;
    emit dequeuedCanFrame(m_queue.takeFirst());
}

int CanThread::sendAMsg(uint id, QByteArray *data)
{
    return m_socket->sendMsg(id, data);
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
