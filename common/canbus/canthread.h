#pragma once

#include "canframe.h"

#include <QByteArray>
#include <QList>
#include <QThread>

class QSocketCAN;

// Owner of the display's CAN socket and of the queue of received frames.
// It derives from QThread for its place in the object model only: run() is
// empty and the thread is never started, so everything here runs on the
// thread that created it. The queued hops hand one frame per event-loop
// pass to the bus manager, in arrival order.
//
// The frame form is fixed at construction: CanFrame objects (enqueueFrame,
// dequeuedCanFrame, sendAMsg by pointer) for the controller, or the 12-byte
// array form by value (enqueueMsg, msgData, sendAMsg by value) for the
// update utility. The bus manager follows the form of its thread.
class CanThread : public QThread
{
    Q_OBJECT

public:
    explicit CanThread(QObject *parent = nullptr, CanFrameForm form = CanFrameForm::Object);
    ~CanThread() override;

    QSocketCAN *socket() const { return m_socket; }
    // The result of opening the socket at construction (QSocketCAN::open).
    int openResult() const { return m_openResult; }
    int queuedFrames() const { return m_queue.size() + m_msgQueue.size(); }
    CanFrameForm frameForm() const { return m_frameForm; }

public slots:
    void enqueueFrame(CanFrame *frame);
    void getAframe();
    int sendAMsg(uint id, QByteArray *data);
    void enqueueMsg(QByteArray msg);
    void getAmsg();
    int sendAMsg(uint id, QByteArray data);

signals:
    void canPacket(QByteArray packet);
    void msgData(QByteArray data);
    void dequeuedCanFrame(CanFrame *frame);
    void readyWrite(int theSocket);
    void packetEnqueued();
    void frameEnqueued();
    void canSend2Dbus(uint id, QByteArray data);

protected:
    void run() override {}

private:
    CanFrameForm m_frameForm;
    QSocketCAN *m_socket;
    int m_openResult;
    QList<CanFrame *> m_queue;
    QList<QByteArray> m_msgQueue;
};
