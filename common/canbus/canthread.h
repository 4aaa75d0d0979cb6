#pragma once

#include "canframe.h"

#include <QByteArray>
#include <QList>
#include <QThread>

class QSocketCAN;

// Owner of the display's CAN socket and of the queue of received frames.
// It derives from QThread for its place in the object model only: run() is
// empty and the thread is never started, so everything here runs on the
// thread that created it.
//
// Frames travel in batches, as the socket reads and writes them: the frames
// of one read are queued at once and handed to the bus manager on the next
// pass of the event loop, all of them, in arrival order (one queued hop per
// batch); frames to send are queued in the socket and written together on
// the next pass (sendAMsg), each reported by one readyWrite.
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
    // Queues a received frame; the first frame of a batch raises
    // frameEnqueued(), which reaches getAframe() through the event loop.
    void enqueueFrame(CanFrame *frame);
    // Hands every queued frame over (dequeuedCanFrame), oldest first.
    void getAframe();
    // Queues one frame to write (QSocketCAN::queueMsg): 0 when the payload
    // is null or longer than 8 bytes, -1 when the socket never opened, else
    // 16. Its readyWrite follows the write.
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
