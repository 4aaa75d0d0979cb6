#pragma once

#include "canframe.h"

#include <QByteArray>
#include <QObject>
#include <QString>

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
    // Writes one frame; takes the array and frees it on every path. 0 when
    // the array is null or longer than 8 bytes (nothing written), else the
    // write's result (16 on success, -1 on failure).
    int sendMsg(uint id, QByteArray *data);
    // The byte-array form's send: 0 when data is longer than 8 bytes
    // (nothing written), else the write's result. readyWrite follows from
    // the write notifier only.
    int sendMsg(uint id, QByteArray data);

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

    CanFrameForm m_frameForm;
    QString m_portName;
    std::unique_ptr<CanBackend> m_backend;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
};
