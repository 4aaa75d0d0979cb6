#pragma once

#include "canframe.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CanBackend;
class QSocketNotifier;

// The CAN socket of a display: writes and reads the kernel's 16-byte frame
// records and turns each received one into a CanFrame (rcvdCanFrame) or, in
// the byte-array form, into its 12-byte array form (msgData). The back-end is
// chosen when the socket opens: KIV_CAN=socketcan or KIV_CAN=virtual, and by
// default SocketCAN where it opens, else the virtual bus.
class QSocketCAN : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString portName READ get_portName WRITE set_portName NOTIFY portNameChanged)

public:
    explicit QSocketCAN(QObject *parent = nullptr, CanFrameForm form = CanFrameForm::Object);
    ~QSocketCAN() override;

    // 0 open, bound and watched; -1 no socket; -2 bind failed; -3 / -4 the
    // read / write notifier could not be created.
    int open(QString interfaceName);
    // Every frame written is reported by exactly one readyWrite, in the
    // order written: a good write of sendMsg or queueMsg at once, a failed
    // one (the frame is lost) and every write of the byte-array form once the
    // socket is writable again.

    // Writes one frame now; takes the array and frees it on every path. 0
    // when the array is null or longer than 8 bytes (nothing written), else
    // the write's result (16 on success, -1 on failure).
    int sendMsg(uint id, QByteArray *data);
    // The byte-array form's send: 0 when data is longer than 8 bytes
    // (nothing written), else the write's result.
    int sendMsg(uint id, QByteArray data);
    // Queues one frame to write on the next pass of the event loop; takes
    // the array and frees it. Everything queued by then goes out together,
    // oldest first; after a failed write the rest waits until the socket is
    // writable again. 0 when the array is null or longer than 8 bytes
    // (nothing queued), -1 when the socket is not open, else 16.
    int queueMsg(uint id, QByteArray *data);

    CanFrameForm frameForm() const { return m_frameForm; }

    QString get_portName() const { return m_portName; }
    void set_portName(const QString &name);

    // "socketcan", "virtual", or empty while closed.
    QString backendKind() const;
    CanBackend *backend() const { return m_backend.get(); }

public slots:
    void readMsgFromSocket(int theSocket);
    void writeWrapUp(int theSocket);
    void baToRcvdCanFrame(QByteArray bytes);

signals:
    void portNameChanged(QString portName);
    void canSocketRcvdByteArray(QByteArray bytes);
    // Byte-array form: one received frame, 12 bytes.
    void msgData(QByteArray data);
    void rcvdCanFrame(CanFrame *frame);
    void readyWrite(int theSocket);
    void canSend2Dbus(uint id, QByteArray data);

private:
    void closeSocket();
    int openBackend(CanBackend *backend, const QString &interfaceName);
    int watch();
    void reportWhenWritable();
    void writeQueued(int theSocket);

    CanFrameForm m_frameForm;
    QString m_portName;
    std::unique_ptr<CanBackend> m_backend;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    // Records waiting to be written, and the zero timer that writes them.
    QList<QByteArray> m_sendQueue;
    QTimer m_flushTimer;
    // Writes whose readyWrite waits for the socket to be writable.
    int m_readyWritesDue = 0;
};
